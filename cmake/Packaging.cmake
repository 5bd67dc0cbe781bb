# Installing like a desktop program: the binary, its menu entry and its icon in
# the hicolor theme; and a Debian package of all of it.
include(GNUInstallDirs)

install(TARGETS ondrave-clicker RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/assets/desktop/ondrave-clicker.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size 16 32 48 128)
  install(FILES ${PROJECT_SOURCE_DIR}/assets/icons/ondrave-clicker-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ondrave-clicker.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/assets/icons/ondrave-clicker.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ondrave-clicker)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Ondrave developers <ondrave@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Mouse auto-clicker with a Chinese interface (Ondrave鼠标连点器)")
set(CPACK_PACKAGE_DESCRIPTION
    "Clicks the mouse automatically at the pointer, at a captured fixed point, or from a set time of day, switched by system-wide hotkeys.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The package carries the program without its debugging symbols.
set(CPACK_STRIP_FILES ON)
# The Chinese texts need a CJK font; the shared libraries come from shlibdeps.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wqy-microhei | fonts-noto-cjk")
include(CPack)
