# The Windows build: MinGW-w64 with the Windows SDK's toolchain file (Qt, zint and SQLite built for
# Windows). The test programs run under Wine through tools/wine-run, which finds the DLLs through the
# folders this file writes to wine-dll-path.txt.

# Wide-character Windows calls by default, and no min/max macros from <windows.h> to break std::min.
add_compile_definitions(UNICODE _UNICODE NOMINMAX)

if(CMAKE_CROSSCOMPILING)
    # ctest and the Linux-side tests run every Windows program through Wine.
    set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/tools/wine-run)
endif()

# The folders of the DLLs a program of this build loads: Qt's, zint's, SQLite's and the MinGW runtime
# (libstdc++-6.dll, libgcc_s_seh-1.dll beside the compiler's libgcc; libwinpthread-1.dll in the sysroot).
function(rotulano_write_wine_dll_path)
    get_filename_component(qt_prefix "${Qt6_DIR}/../../.." ABSOLUTE)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-libgcc-file-name
                    OUTPUT_VARIABLE libgcc OUTPUT_STRIP_TRAILING_WHITESPACE)
    get_filename_component(gcc_runtime_dir "${libgcc}" DIRECTORY)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libwinpthread-1.dll
                    OUTPUT_VARIABLE winpthread OUTPUT_STRIP_TRAILING_WHITESPACE)
    get_filename_component(winpthread_dir "${winpthread}" DIRECTORY)
    get_filename_component(winpthread_dir "${winpthread_dir}" ABSOLUTE)
    get_filename_component(zint_dir "${ZINT_LIBRARY}" DIRECTORY)
    get_filename_component(zint_dir "${zint_dir}/../bin" ABSOLUTE)
    set(folders "${qt_prefix}/bin" "${zint_dir}" "${gcc_runtime_dir}" "${winpthread_dir}")
    find_file(ROTULANO_SQLITE_DLL sqlite3.dll PATH_SUFFIXES bin)
    if(ROTULANO_SQLITE_DLL)
        get_filename_component(sqlite_dir "${ROTULANO_SQLITE_DLL}" DIRECTORY)
        list(APPEND folders "${sqlite_dir}")
    endif()
    list(JOIN folders "\n" text)
    file(WRITE ${CMAKE_BINARY_DIR}/wine-dll-path.txt "${text}\n")
    set(ROTULANO_WINDOWS_DLL_DIRS "${folders}" CACHE INTERNAL "Folders of the DLLs the Windows programs load")
endfunction()

# GoogleTest built from Debian's sources (libgtest-dev) with this build's compiler, without the
# project's warning flags (it is not our code) and with its headers as system headers, as on Linux.
function(rotulano_windows_gtest)
    set(ROTULANO_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources built for Windows")
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(${ROTULANO_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
    set_property(TARGET gtest PROPERTY COMPILE_OPTIONS "")
    if(NOT TARGET GTest::gtest)
        add_library(GTest::gtest ALIAS gtest)
    endif()
endfunction()
