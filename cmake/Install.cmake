# What `cmake --install` puts in place: the three programs, the language libraries beside
# them (a program looks for its language library in its own folder first), and the
# desktop entry with its icon. Included last, once every target is known.
include(GNUInstallDirs)

foreach(program lanvane lanvane-cli lanvane-printer-sim)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()

foreach(language ${LANVANE_LANGUAGES})
  if(TARGET ${language})
    install(TARGETS ${language} LIBRARY DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()

if(TARGET lanvane)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/lanvane.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/lanvane.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()
