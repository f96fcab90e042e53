# The portable zip of the Windows programs, run by the rotulano_zip target:
#
#   cmake -DOUT=rotulano-V-win64.zip -DFOLDER=rotulano-V-win64 -DWORK_DIR=folder
#         -DPROGRAMS=a.exe;b.exe -DPLUGIN_DIR=qt/plugins -DPLUGINS=platforms/qwindows.dll;...
#         -DDLL_DIRS=dir;dir -DSYSTEM_DLL_DIR=wine/x86_64-windows -DOBJDUMP=objdump
#         -DTRANSLATIONS=qtbase_pt_BR.qm -DSAMPLES=dir -DQT_CONF=qt.conf
#         -DFONTS=a.otf;b.ttf -DFONT_NOTICES=/usr/share/doc/PACKAGE/copyright;... -P make-zip.cmake
#
# The zip holds one folder: the programs, every DLL that they and the plugins import
# (read from each file's import table, then from each DLL's own, found in DLL_DIRS), the
# plugins under plugins\, Qt's Portuguese texts under translations\, qt.conf that points
# Qt at both, the label preview's fonts with their packages' copyright notices under
# fonts\ (PACKAGE-copyright.txt), and the samples under samples\. A DLL found in no folder must be one that
# Windows itself provides (an API set, or a DLL of the system folder that Wine stands in
# for, SYSTEM_DLL_DIR); anything else stops the zip, which would not start elsewhere.
cmake_minimum_required(VERSION 3.22)

foreach(required OUT FOLDER WORK_DIR PROGRAMS PLUGIN_DIR PLUGINS DLL_DIRS OBJDUMP TRANSLATIONS
                 SAMPLES QT_CONF FONTS FONT_NOTICES)
    if(NOT DEFINED ${required} OR "${${required}}" STREQUAL "")
        message(FATAL_ERROR "make-zip: ${required} is not given")
    endif()
endforeach()

function(imported_dlls file out_var)
    execute_process(COMMAND "${OBJDUMP}" -p "${file}" OUTPUT_VARIABLE dump RESULT_VARIABLE status
                    ERROR_VARIABLE errors)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "make-zip: ${OBJDUMP} cannot read ${file}: ${errors}")
    endif()
    string(REGEX MATCHALL "DLL Name: [^\r\n]+" lines "${dump}")
    set(names)
    foreach(line IN LISTS lines)
        string(REGEX REPLACE "^DLL Name: " "" name "${line}")
        string(STRIP "${name}" name)
        string(TOLOWER "${name}" name)
        list(APPEND names "${name}")
    endforeach()
    set(${out_var} "${names}" PARENT_SCOPE)
endfunction()

function(is_system_dll name out_var)
    set(system FALSE)
    if(name MATCHES "^(api|ext)-ms-")
        set(system TRUE)
    elseif(DEFINED SYSTEM_DLL_DIR AND EXISTS "${SYSTEM_DLL_DIR}/${name}")
        set(system TRUE)
    elseif(NOT DEFINED SYSTEM_DLL_DIR OR SYSTEM_DLL_DIR STREQUAL "")
        message(STATUS "make-zip: ${name} taken as a DLL of Windows (no system folder to check)")
        set(system TRUE)
    endif()
    set(${out_var} ${system} PARENT_SCOPE)
endfunction()

set(stage "${WORK_DIR}/${FOLDER}")
file(REMOVE_RECURSE "${stage}")
file(MAKE_DIRECTORY "${stage}")
# Windows compares DLL names without regard to case: every name is looked up in lower
# case, in the folders' order.
foreach(dir IN LISTS DLL_DIRS)
    file(GLOB dlls "${dir}/*.dll")
    foreach(dll IN LISTS dlls)
        get_filename_component(name "${dll}" NAME)
        string(TOLOWER "${name}" key)
        if(NOT DEFINED "dll_${key}")
            set("dll_${key}" "${dll}")
        endif()
    endforeach()
endforeach()

# The files whose imports are read, and the DLL names already settled.
set(pending)
foreach(program IN LISTS PROGRAMS)
    file(COPY "${program}" DESTINATION "${stage}")
    list(APPEND pending "${program}")
endforeach()
foreach(plugin IN LISTS PLUGINS)
    get_filename_component(subdir "${plugin}" DIRECTORY)
    file(COPY "${PLUGIN_DIR}/${plugin}" DESTINATION "${stage}/plugins/${subdir}")
    list(APPEND pending "${PLUGIN_DIR}/${plugin}")
endforeach()

set(settled)
set(shipped)
while(pending)
    list(POP_FRONT pending file)
    imported_dlls("${file}" names)
    foreach(name IN LISTS names)
        if(name IN_LIST settled)
            continue()
        endif()
        list(APPEND settled "${name}")
        if(DEFINED "dll_${name}")
            file(COPY "${dll_${name}}" DESTINATION "${stage}")
            list(APPEND shipped "${name}")
            list(APPEND pending "${dll_${name}}")
            continue()
        endif()
        is_system_dll("${name}" system)
        if(NOT system)
            message(FATAL_ERROR "make-zip: ${file} imports ${name}, found in none of: ${DLL_DIRS}")
        endif()
    endforeach()
endwhile()

file(COPY "${TRANSLATIONS}" DESTINATION "${stage}/translations")
file(COPY "${SAMPLES}/" DESTINATION "${stage}/samples")
file(COPY "${QT_CONF}" DESTINATION "${stage}")
file(COPY ${FONTS} DESTINATION "${stage}/fonts")
foreach(notice IN LISTS FONT_NOTICES)
    get_filename_component(package "${notice}" DIRECTORY)
    get_filename_component(package "${package}" NAME)
    file(COPY_FILE "${notice}" "${stage}/fonts/${package}-copyright.txt")
endforeach()

list(SORT shipped)
string(REPLACE ";" " " shipped_text "${shipped}")
message(STATUS "make-zip: DLLs shipped: ${shipped_text}")

# One fixed time for every entry, so that two runs on one tree make the same zip.
file(REMOVE "${OUT}")
execute_process(COMMAND "${CMAKE_COMMAND}" -E tar cf "${OUT}" --format=zip
                        "--mtime=2000-01-01 00:00:00 UTC" -- "${FOLDER}"
                WORKING_DIRECTORY "${WORK_DIR}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "make-zip: the zip ${OUT} could not be written")
endif()
message(STATUS "make-zip: ${OUT}")
