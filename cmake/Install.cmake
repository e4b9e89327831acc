# What `cmake --install` (and the Debian package) puts in place: the three programs, the
# language libraries in their own folder (the programs look there after their own folder),
# the desktop entry, icon and AppStream data, man pages, shell completion, the udev rule
# for USB printers, and the package's documents (lanvane-cli's among them). Included last, once every target is known.
include(GNUInstallDirs)

foreach(program lanvane lanvane-cli lanvane-printer-sim)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()

foreach(language IN LISTS LANVANE_LANGUAGES)
  install(TARGETS ${language} LIBRARY DESTINATION ${LANVANE_LANGUAGE_INSTALL_DIR}
          PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
endforeach()

set(package_data ${PROJECT_SOURCE_DIR}/resources/package)
string(TIMESTAMP LANVANE_RELEASE_DATE "%Y-%m-%d" UTC)
if(TARGET lanvane)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/org.lanvane.Lanvane.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/lanvane.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  configure_file(${package_data}/org.lanvane.Lanvane.metainfo.xml
                 ${PROJECT_BINARY_DIR}/package/org.lanvane.Lanvane.metainfo.xml @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/package/org.lanvane.Lanvane.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()

if(LANVANE_MAN_DIR)
  foreach(program lanvane lanvane-cli lanvane-printer-sim)
    if(TARGET ${program})
      install(FILES ${LANVANE_MAN_DIR}/${program}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    endif()
  endforeach()
endif()

if(TARGET lanvane-cli)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/completion/lanvane-cli.bash
          DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME lanvane-cli)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/completion/_lanvane-cli
          DESTINATION ${CMAKE_INSTALL_DATADIR}/zsh/vendor-completions)
  install(FILES ${PROJECT_SOURCE_DIR}/docs/cli.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/lanvane)
endif()

install(FILES ${package_data}/70-lanvane.rules DESTINATION lib/udev/rules.d)

# Debian's documents of the package: the copyright and a changelog of this version.
string(TIMESTAMP LANVANE_RELEASE_RFC2822 "%a, %d %b %Y %H:%M:%S +0000" UTC)
configure_file(${package_data}/changelog.in ${PROJECT_BINARY_DIR}/package/changelog @ONLY)
find_program(GZIP gzip)
if(GZIP)
  add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/package/changelog.gz
    COMMAND ${GZIP} -9nc ${PROJECT_BINARY_DIR}/package/changelog > ${PROJECT_BINARY_DIR}/package/changelog.gz
    DEPENDS ${PROJECT_BINARY_DIR}/package/changelog VERBATIM)
  add_custom_target(lanvane_changelog ALL DEPENDS ${PROJECT_BINARY_DIR}/package/changelog.gz)
  install(FILES ${PROJECT_BINARY_DIR}/package/changelog.gz
          DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/lanvane RENAME changelog.gz)
endif()
install(FILES ${package_data}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/lanvane)
