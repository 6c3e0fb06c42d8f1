# Installation: the application directory (programs, plug-in, runtime library,
# Setup.xml, DefCfg.xml, Device.Xml) is <prefix>/lib/vardex; the commands in
# <prefix>/bin start the programs in a run directory of the user's, which holds
# Task.xml and the user manuals.
include(GNUInstallDirs)
set(VARDEX_INSTALL_APPDIR ${CMAKE_INSTALL_LIBDIR}/vardex)
set(VARDEX_INSTALL_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/vardex)

set(_vardex_programs vardex-host)
if(TARGET vardex)
  list(APPEND _vardex_programs vardex)
endif()
set_target_properties(${_vardex_programs} Vardex tkl PROPERTIES INSTALL_RPATH "$ORIGIN")
install(TARGETS ${_vardex_programs} Vardex tkl
        RUNTIME DESTINATION ${VARDEX_INSTALL_APPDIR}
        LIBRARY DESTINATION ${VARDEX_INSTALL_APPDIR})
install(FILES ${CMAKE_SOURCE_DIR}/data/Setup.xml ${CMAKE_SOURCE_DIR}/data/DefCfg.xml
              ${CMAKE_SOURCE_DIR}/data/Device.Xml
        DESTINATION ${VARDEX_INSTALL_APPDIR})
install(FILES ${VARDEX_MANUALS} DESTINATION ${VARDEX_INSTALL_DOCDIR})

foreach(program ${_vardex_programs})
  set(VARDEX_PROGRAM ${program})
  configure_file(${CMAKE_SOURCE_DIR}/tools/launcher.sh.in
                 ${CMAKE_BINARY_DIR}/launchers/${program} @ONLY)
  install(PROGRAMS ${CMAKE_BINARY_DIR}/launchers/${program} DESTINATION ${CMAKE_INSTALL_BINDIR})
endforeach()
# vardex-calc reads the task file of the directory it is started in and needs
# none of the application directory: no launcher.
install(TARGETS vardex-calc RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# One desktop entry per windowed program, named after its command.
foreach(program ${_vardex_programs})
  install(FILES ${CMAKE_SOURCE_DIR}/data/${program}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/resources/images/VEX-Calculate.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/64x64/apps RENAME vardex.png)
