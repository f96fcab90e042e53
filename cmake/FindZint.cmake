# Finds libzint, the bar-code library that draws the label previews. libzint installs
# no CMake package of its own, so this looks for its header and library in the usual
# places (CMAKE_PREFIX_PATH or Zint_ROOT for a library elsewhere).
#
# Defines the imported target Zint::Zint, and ZINT_FOUND, ZINT_INCLUDE_DIR and
# ZINT_LIBRARIES for callers that use the variables.

find_path(ZINT_INCLUDE_DIR NAMES zint.h)
find_library(ZINT_LIBRARY NAMES zint)

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(Zint REQUIRED_VARS ZINT_LIBRARY ZINT_INCLUDE_DIR)
mark_as_advanced(ZINT_INCLUDE_DIR ZINT_LIBRARY)

if(Zint_FOUND)
    set(ZINT_LIBRARIES ${ZINT_LIBRARY})
    if(NOT TARGET Zint::Zint)
        add_library(Zint::Zint UNKNOWN IMPORTED)
        set_target_properties(Zint::Zint PROPERTIES
            IMPORTED_LOCATION "${ZINT_LIBRARY}"
            INTERFACE_INCLUDE_DIRECTORIES "${ZINT_INCLUDE_DIR}")
    endif()
endif()
