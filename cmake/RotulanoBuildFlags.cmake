# Compiler and linker flags of a Linux build: Debian's hardening, and the same bytes
# whatever folder the sources and the build are in.
#
# Debian's flags come from dpkg-buildflags with every hardening feature asked for
# (fortified functions, stack protector, format checks, full RELRO, bind-now). CMake reads
# CFLAGS/CXXFLAGS/LDFLAGS but not CPPFLAGS, where _FORTIFY_SOURCE lives, so the
# preprocessor's flags are appended to the compiler's here. dpkg-buildflags' own
# -ffile-prefix-map names the folder it was asked from; the ones below name the source and
# build folders instead.

option(ROTULANO_HARDENING "Build with Debian's hardening flags (dpkg-buildflags)" ON)

function(rotulano_dpkg_buildflags variable out)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                            ${ROTULANO_DPKG_BUILDFLAGS} --get ${variable}
                    OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "dpkg-buildflags --get ${variable} failed")
    endif()
    separate_arguments(flags UNIX_COMMAND "${flags}")
    # Optimisation and debugging information are the build type's to choose.
    list(FILTER flags EXCLUDE REGEX "^-O|^-g$|^-ffile-prefix-map=")
    set(${out} ${flags} PARENT_SCOPE)
endfunction()

# The sanitizers replace the checks that fortified functions make.
if(ROTULANO_HARDENING AND NOT WIN32 AND NOT ROTULANO_SANITIZE)
    find_program(ROTULANO_DPKG_BUILDFLAGS dpkg-buildflags)
    if(NOT ROTULANO_DPKG_BUILDFLAGS)
        message(FATAL_ERROR "ROTULANO_HARDENING needs dpkg-buildflags (Debian package dpkg-dev); "
                            "or configure with -DROTULANO_HARDENING=OFF")
    endif()
    rotulano_dpkg_buildflags(CPPFLAGS rotulano_cppflags)
    rotulano_dpkg_buildflags(CXXFLAGS rotulano_cxxflags)
    rotulano_dpkg_buildflags(LDFLAGS rotulano_ldflags)
    # Fortified functions need an optimised build: glibc warns about them in a Debug one.
    add_compile_options("$<$<NOT:$<CONFIG:Debug>>:${rotulano_cppflags}>" ${rotulano_cxxflags})
    add_link_options(${rotulano_ldflags})
    # What Debian's newer dpkg adds on amd64 (hardening=+stackclash) and this one's does not
    # yet. (Its control-flow protection, -fcf-protection, would be lost at the link: Debian
    # 12's C start-up files are built without it, so no program here can carry the mark.)
    if(CMAKE_SYSTEM_PROCESSOR MATCHES "x86_64|AMD64")
        add_compile_options(-fstack-clash-protection)
    endif()
endif()

# No absolute folder of this machine in the objects (debugging information, __FILE__).
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}/=
                        -ffile-prefix-map=${PROJECT_BINARY_DIR}/=)
endif()

# Qt's resource compiler writes each file's modification time into the program from format
# version 2 on; a fresh clone's files are as new as the clone. Version 1 has no times.
set(CMAKE_AUTORCC_OPTIONS --format-version 1)
