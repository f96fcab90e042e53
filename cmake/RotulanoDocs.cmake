# The documents an installation carries, made from the repository's own texts.

# Compresses `source` into `source`.gz at build time, without a name or time stamp inside
# (gzip -n), and appends the result to the list named `list`.
function(rotulano_gzip source list)
    add_custom_command(OUTPUT ${source}.gz
                       COMMAND gzip -9nc ${source} > ${source}.gz
                       DEPENDS ${source}
                       COMMENT "Compressing ${source}")
    set(${list} ${${list}} ${source}.gz PARENT_SCOPE)
endfunction()

# The operator's sections of the README, for /usr/share/doc/rotulano: using the window,
# where its files go, printing, and the printer set-up (ports, network printers, print
# queues, groups). The developers' sections (building, tests, Windows) stay out.
set(ROTULANO_README_DEBIAN_SECTIONS
    "Using it" "Where the files go" "While a job prints" "Accented letters"
    "Printer ports on Linux")

function(rotulano_readme_debian readme output)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${readme})
    file(READ ${readme} text)
    set(debian "Rotulano for Debian\n===================\n\n")
    string(APPEND debian "This is the part of Rotulano's README that concerns the operator and "
                         "the printer set-up.\nThe manual pages rotulano(1) and "
                         "rotulano-render(1) describe the programs' options and files.\n")
    foreach(title ${ROTULANO_README_DEBIAN_SECTIONS})
        string(FIND "${text}" "\n## ${title}\n" start)
        if(start LESS 0)
            message(FATAL_ERROR "README.md has no section \"${title}\" for README.Debian")
        endif()
        string(SUBSTRING "${text}" ${start} -1 rest)
        string(SUBSTRING "${rest}" 1 -1 rest)
        string(FIND "${rest}" "\n## " end)
        string(SUBSTRING "${rest}" 0 ${end} section)
        string(APPEND debian "\n${section}\n")
    endforeach()
    file(WRITE ${output}.new "${debian}")
    configure_file(${output}.new ${output} COPYONLY)
endfunction()

# The changelog's top entry as an AppStream release: ROTULANO_METAINFO_RELEASE holds the
# <release> element, with the entry's version, date and items.
function(rotulano_changelog_release)
    # A semicolon would split CMake's lists: it travels as a placeholder.
    file(READ ${ROTULANO_CHANGELOG} text)
    string(REPLACE ";" "@SEMICOLON@" text "${text}")
    string(REPLACE "\n" ";" lines "${text}")
    set(items "")
    set(item "")
    foreach(line IN LISTS lines)
        if(line MATCHES "^ -- ")
            break()
        elseif(line MATCHES "^  \\* (.*)")
            if(NOT item STREQUAL "")
                list(APPEND items "${item}")
            endif()
            set(item "${CMAKE_MATCH_1}")
        elseif(line MATCHES "^    (.*)")
            string(APPEND item " ${CMAKE_MATCH_1}")
        endif()
    endforeach()
    if(NOT item STREQUAL "")
        list(APPEND items "${item}")
    endif()
    set(release "<release version=\"${PROJECT_VERSION}\" date=\"${ROTULANO_RELEASE_DAY}\">\n")
    string(APPEND release "      <description>\n        <ul>\n")
    foreach(item IN LISTS items)
        string(REPLACE "&" "&amp;" item "${item}")
        string(REPLACE "<" "&lt;" item "${item}")
        string(REPLACE ">" "&gt;" item "${item}")
        string(REPLACE "@SEMICOLON@" ";" item "${item}")
        string(APPEND release "          <li>${item}</li>\n")
    endforeach()
    string(APPEND release "        </ul>\n      </description>\n    </release>")
    set(ROTULANO_METAINFO_RELEASE "${release}" PARENT_SCOPE)
endfunction()
