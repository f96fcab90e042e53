# The Windows installer, run by the rotulano_setup target after the zip:
#
#   cmake -DSTAGE=zip/rotulano-V-win64 -DFILES=setup-files.nsh -DSCRIPT=rotulano.nsi
#         -DMAKENSIS=makensis -P make-setup.cmake
#
# STAGE is the zip's folder as make-zip.cmake filled it: the installer hands out exactly
# those files. FILES gets the lines that rotulano.nsi includes:
#   ROTULANO_INSTALL_FILES   SetOutPath and File for every folder and file of STAGE;
#   ROTULANO_REMOVE_FILES    Delete for the same files, then RMDir for the folders, the
#                            deepest first, each only when empty;
#   ROTULANO_INSTALLED_KB    their size, which Add/Remove Programs shows.
cmake_minimum_required(VERSION 3.22)

foreach(required STAGE FILES SCRIPT MAKENSIS)
    if(NOT DEFINED ${required} OR "${${required}}" STREQUAL "")
        message(FATAL_ERROR "make-setup: ${required} is not given")
    endif()
endforeach()
if(NOT IS_DIRECTORY "${STAGE}")
    message(FATAL_ERROR "make-setup: no folder ${STAGE}: make the zip first")
endif()

# A path inside STAGE as the installer names it under $INSTDIR.
function(installed_path relative out_var)
    string(REPLACE "/" "\\" path "${relative}")
    if(path STREQUAL "")
        set(${out_var} "$INSTDIR" PARENT_SCOPE)
    else()
        set(${out_var} "$INSTDIR\\${path}" PARENT_SCOPE)
    endif()
endfunction()

file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE "${STAGE}" "${STAGE}/*")
file(GLOB_RECURSE entries LIST_DIRECTORIES true RELATIVE "${STAGE}" "${STAGE}/*")
set(folders "")
foreach(entry IN LISTS entries)
    if(IS_DIRECTORY "${STAGE}/${entry}")
        list(APPEND folders "${entry}")
    endif()
endforeach()
list(SORT files)
list(SORT folders)
if(NOT files)
    message(FATAL_ERROR "make-setup: ${STAGE} is empty")
endif()
# NSIS reads "$" as its own sign and ends a name at a quote: the zip's names have neither.
foreach(entry IN LISTS entries)
    if(entry MATCHES "[$\"]")
        message(FATAL_ERROR "make-setup: the installer cannot name ${STAGE}/${entry}")
    endif()
endforeach()

set(install "!macro ROTULANO_INSTALL_FILES\n")
set(remove "!macro ROTULANO_REMOVE_FILES\n")
set(bytes 0)
foreach(folder IN ITEMS "" ${folders})
    installed_path("${folder}" target)
    string(APPEND install "    SetOutPath \"${target}\"\n")
    foreach(file IN LISTS files)
        get_filename_component(parent "${file}" DIRECTORY)
        if(NOT parent STREQUAL folder)
            continue()
        endif()
        string(APPEND install "    File \"${STAGE}/${file}\"\n")
        installed_path("${file}" installed)
        string(APPEND remove "    Delete \"${installed}\"\n")
        file(SIZE "${STAGE}/${file}" size)
        math(EXPR bytes "${bytes} + ${size}")
    endforeach()
endforeach()
# Sorted names put a folder before its subfolders: reversed, every subfolder goes first.
list(REVERSE folders)
foreach(folder IN LISTS folders)
    installed_path("${folder}" target)
    string(APPEND remove "    RMDir \"${target}\"\n")
endforeach()
math(EXPR kilobytes "(${bytes} + 1023) / 1024")
string(APPEND install "!macroend\n")
string(APPEND remove "!macroend\n")
file(WRITE "${FILES}" "; Made by make-setup.cmake from ${STAGE}\n${install}${remove}"
                      "!define ROTULANO_INSTALLED_KB ${kilobytes}\n")

execute_process(COMMAND "${MAKENSIS}" -V2 -NOCD "${SCRIPT}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "make-setup: makensis could not make the installer from ${SCRIPT}")
endif()
