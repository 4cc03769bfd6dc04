# Installation: the program and the files it keeps beside it go into one folder
# of their own, because the archives live next to the program. The Debian
# package puts that folder at /opt/brivanta and adds a menu entry and an icon;
# a portable folder is the same folder anywhere (tools/brivanta.sh portable).
set(BRIVANTA_APP_DIR "opt/brivanta" CACHE STRING "Folder of the program, relative to the installation prefix")
set(BRIVANTA_SHARE_DIR "usr/share" CACHE STRING "Folder of the menu entry and the icon, relative to the prefix")

set_target_properties(brivanta PROPERTIES INSTALL_RPATH "$ORIGIN")
install(TARGETS brivanta RUNTIME DESTINATION ${BRIVANTA_APP_DIR} COMPONENT program)

# A new installation gets the password file with the initial password; it is
# made apart from the build folder's own, which may hold a changed password.
set(BRIVANTA_STAGE_DIR ${CMAKE_BINARY_DIR}/install-stage)
add_custom_command(OUTPUT ${BRIVANTA_STAGE_DIR}/unins000.dll
    COMMAND ${CMAKE_COMMAND} -E make_directory ${BRIVANTA_STAGE_DIR}
    COMMAND brivanta_initial_password ${BRIVANTA_STAGE_DIR}
    DEPENDS brivanta_initial_password)
add_custom_target(brivanta_install_files ALL DEPENDS ${BRIVANTA_STAGE_DIR}/unins000.dll)
install(FILES ${BRIVANTA_STAGE_DIR}/unins000.dll
              ${CMAKE_SOURCE_DIR}/resources/install/Avviso.mp3
        DESTINATION ${BRIVANTA_APP_DIR} COMPONENT program)
install(FILES ${BRIVANTA_BIN_DIR}/Guida.pdf DESTINATION ${BRIVANTA_APP_DIR} COMPONENT program OPTIONAL)

install(FILES ${CMAKE_SOURCE_DIR}/resources/install/brivanta.desktop
        DESTINATION ${BRIVANTA_SHARE_DIR}/applications COMPONENT desktop)
install(FILES ${CMAKE_SOURCE_DIR}/resources/install/brivanta.svg
        DESTINATION ${BRIVANTA_SHARE_DIR}/icons/hicolor/scalable/apps COMPONENT desktop)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brivanta)
set(CPACK_PACKAGE_VENDOR "Brivanta")
set(CPACK_PACKAGE_CONTACT "Brivanta <info@brivanta.it>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Clienti, appuntamenti e agenda per centri estetici")
set(CPACK_PACKAGE_DESCRIPTION "Brivanta keeps a beauty salon's clients, their treatments and the appointment agenda, with WhatsApp reminders, printed lists and spreadsheet exports.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6widgets6 (>= 6.4), libqt6printsupport6 (>= 6.4), libqt6multimedia6 (>= 6.4), libqt6svg6 (>= 6.4), libqt6svgwidgets6 (>= 6.4), qt6-qpa-plugins, qt6-image-formats-plugins, gstreamer1.0-plugins-good, fonts-liberation, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)
set(CPACK_COMPONENTS_ALL program desktop)
set(CPACK_DEB_COMPONENT_INSTALL OFF)
include(CPack)
