# The Debian package: `cpack -G DEB` in the build folder makes rotulano_<version>_<arch>.deb.
# Its dependencies are read from the installed programs by dpkg-shlibdeps, and the programs
# are stripped of their debugging symbols.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME rotulano)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Rotulano developers")
set(CPACK_PACKAGE_CONTACT "${ROTULANO_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
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
