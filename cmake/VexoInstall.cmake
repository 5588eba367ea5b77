# What `cmake --install` puts under the prefix: the two programs (the string
# tables, pictures and help pages are compiled into them), the desktop entry,
# the AppStream metadata, the icon at the icon theme's sizes and the
# command-line tool's manual page.
include(GNUInstallDirs)

set(VEXO_LINUX_FILES ${PROJECT_SOURCE_DIR}/resources/linux)
set(VEXO_APP_ID app.vexo.Vexo)

install(TARGETS vexo vexo-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${VEXO_LINUX_FILES}/${VEXO_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${VEXO_LINUX_FILES}/${VEXO_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${VEXO_LINUX_FILES}/vexo-cli.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
foreach(side 16 24 32 48 64 128 256 512)
  install(FILES ${VEXO_LINUX_FILES}/icons/${side}x${side}/${VEXO_APP_ID}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${side}x${side}/apps)
endforeach()
