# The version is written once, in the project() call; everything else derives from it:
#   PROJECT_VERSION           "2.5.0"     the programs' --version, the package, the manual pages
#   ROTULANO_WINDOW_VERSION   "02.05.00"  the window's title and About box, in the form the
#                                         chain's operators know from the order files
# and the changelog's top entry must name it (the package's history and its metadata are
# made from that entry).

set(ROTULANO_WINDOW_VERSION "")
foreach(part ${PROJECT_VERSION_MAJOR} ${PROJECT_VERSION_MINOR} ${PROJECT_VERSION_PATCH})
    if(part LESS 10)
        set(part "0${part}")
    endif()
    list(APPEND ROTULANO_WINDOW_VERSION ${part})
endforeach()
list(JOIN ROTULANO_WINDOW_VERSION "." ROTULANO_WINDOW_VERSION)

set(ROTULANO_CHANGELOG ${PROJECT_SOURCE_DIR}/packaging/changelog)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${ROTULANO_CHANGELOG})
file(STRINGS ${ROTULANO_CHANGELOG} rotulano_changelog_top LIMIT_COUNT 1)
if(NOT rotulano_changelog_top MATCHES "^rotulano \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "packaging/changelog: the top entry is not for version ${PROJECT_VERSION}: "
                        "${rotulano_changelog_top}")
endif()

# The top entry's date, in seconds since 1970: the time stamp of every file in the package
# (SOURCE_DATE_EPOCH), so that two builds of one version make the same bytes.
file(STRINGS ${ROTULANO_CHANGELOG} rotulano_changelog_trailers REGEX "^ -- .*  [A-Z][a-z][a-z], ")
list(GET rotulano_changelog_trailers 0 rotulano_changelog_trailer)
string(REGEX REPLACE "^ -- .*  " "" ROTULANO_RELEASE_DATE "${rotulano_changelog_trailer}")
execute_process(COMMAND date -u -d "${ROTULANO_RELEASE_DATE}" +%s
                OUTPUT_VARIABLE ROTULANO_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
                RESULT_VARIABLE failed)
if(failed OR NOT ROTULANO_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
    message(FATAL_ERROR "packaging/changelog: unreadable date: ${ROTULANO_RELEASE_DATE}")
endif()
execute_process(COMMAND date -u -d "@${ROTULANO_SOURCE_DATE_EPOCH}" +%Y-%m-%d
                OUTPUT_VARIABLE ROTULANO_RELEASE_DAY OUTPUT_STRIP_TRAILING_WHITESPACE)
