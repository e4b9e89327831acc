# The Debian package, built by `cpack -G DEB` (scripts/package.sh): what cmake --install
# puts in place, under /usr, with the shared-library dependencies found by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lanvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Lanvane developers <dev@lanvane.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "set up the network interface of a printer")
set(CPACK_PACKAGE_DESCRIPTION
  "Lanvane finds printers on the LAN and gives them an address, or reads,\n\
edits and writes a printer's whole interface configuration (Ethernet,\n\
wireless LAN, Wi-Fi Direct) over USB or a serial line. It holds the\n\
desktop program lanvane, the command-line program lanvane-cli and the\n\
simulated printer lanvane-printer-sim.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The language libraries are plugins loaded by file name, not libraries others link.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${PROJECT_BINARY_DIR}/bin)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# lanvane_packaged builds what the package holds; installing builds nothing first, so that
# making the package does not wait for the tests and tools.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
add_custom_target(lanvane_packaged)
foreach(target lanvane lanvane-cli lanvane-printer-sim lanvane_man lanvane_changelog ${LANVANE_LANGUAGES})
  if(TARGET ${target})
    add_dependencies(lanvane_packaged ${target})
  endif()
endforeach()
include(CPack)
