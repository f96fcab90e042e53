# The Debian package: `cpack -G DEB` in the build folder makes rotulano_<version>_<arch>.deb.
# Its dependencies are read from the installed programs by dpkg-shlibdeps, and the programs
# are stripped of their debugging symbols. It installs under the build's prefix: the
# package's build configures with -DCMAKE_INSTALL_PREFIX=/usr (tools/rotulano-dev), as the
# menu entry and the manual pages name paths under it.
#
# Two builds of one version make the same bytes: every file in the package carries the
# date of the changelog's top entry (SOURCE_DATE_EPOCH, which cpack reads from its
# environment, set by the project's cpack configuration below).

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME rotulano)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "${ROTULANO_DEVELOPER_NAME}")
set(CPACK_PACKAGE_CONTACT "${ROTULANO_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
file(WRITE ${PROJECT_BINARY_DIR}/CPackProjectConfig.cmake
     "set(ENV{SOURCE_DATE_EPOCH} ${ROTULANO_SOURCE_DATE_EPOCH})\n")
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_BINARY_DIR}/CPackProjectConfig.cmake)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "price tags and labels of LOJASVERDELIS orders on thermal printers")
set(CPACK_PACKAGE_DESCRIPTION
    "Rotulano opens the fixed-width purchase-order files that the LOJASVERDELIS
retail chain sends to its suppliers, shows each order in a grid, and prints
the price tags and labels of the ticked items on Zebra (ZPL), Datamax and
Argox (DPL) thermal printers. Its menu entry works in the folder ~/Rotulano,
where the printer settings and the chain's logo files are kept.

rotulano-render writes the exact printer bytes, and pictures, of an order's
labels without a printer.")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ROTULANO_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own dialogs (the file chooser's "Examinar", "Abrir", "Cancelar") speak Portuguese
# with Qt's translation; without it they stay in English and the program works the same.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")

include(CPack)
