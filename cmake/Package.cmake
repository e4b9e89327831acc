# The Debian package, built by `cpack -G DEB` (scripts/package.sh): what cmake --install
# puts in place, under /usr, with the shared-library dependencies found by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lanvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Lanvane developers <lanvane@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "set up the network interface of a printer")
set(CPACK_PACKAGE_DESCRIPTION
  "Lanvane finds printers on the LAN and gives them an address, or reads, edits and\n\
writes a printer's whole interface configuration (Ethernet, wireless LAN, Wi-Fi\n\
Direct) over USB or a serial line. It holds the desktop program lanvane, the\n\
command-line program lanvane-cli and the simulated printer lanvane-printer-sim.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://example.org/lanvane")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The language libraries are plugins loaded by file name, not libraries others link.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${PROJECT_BINARY_DIR}/bin)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
