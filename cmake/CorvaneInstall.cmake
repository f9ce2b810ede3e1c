# Installation as a desktop program: the two programs in bin/, the files they ship in
# share/corvane/, the menu entry, the icon theme, AppStream metadata and the manual page.
include(GNUInstallDirs)

set(CORVANE_DATA_DESTINATION ${CMAKE_INSTALL_DATADIR}/corvane)
set(CORVANE_DESKTOP_DIR ${PROJECT_SOURCE_DIR}/resources/desktop)
set(CORVANE_STAGE_DIR ${CMAKE_BINARY_DIR}/install-stage)

install(TARGETS corvane corvane-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${CORVANE_PROGRAM_DIR}/help DESTINATION ${CORVANE_DATA_DESTINATION})
install(FILES ${CORVANE_PROGRAM_DIR}/mail.wav DESTINATION ${CORVANE_DATA_DESTINATION} OPTIONAL)
install(FILES ${CORVANE_PROGRAM_DIR}/Corvane.dic DESTINATION ${CORVANE_DATA_DESTINATION} OPTIONAL)
install(FILES ${CORVANE_QM_FILES} DESTINATION ${CORVANE_DATA_DESTINATION}/translations)

install(FILES ${CORVANE_DESKTOP_DIR}/org.corvane.Corvane.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CORVANE_DESKTOP_DIR}/org.corvane.Corvane.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The icon: the scalable original and PNG renderings for desktops that want fixed sizes.
set(CORVANE_ICON_SVG ${PROJECT_SOURCE_DIR}/resources/icons/mail-client.svg)
install(FILES ${CORVANE_ICON_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME org.corvane.Corvane.svg)
set(CORVANE_ICON_PNGS)
foreach(size 16 22 32 48 64 128 256)
  set(png ${CORVANE_STAGE_DIR}/icons/${size}/org.corvane.Corvane.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CORVANE_STAGE_DIR}/icons/${size}
    COMMAND corvane-render-icon ${CORVANE_ICON_SVG} ${size} ${png}
    DEPENDS corvane-render-icon ${CORVANE_ICON_SVG}
    COMMENT "Rendering the icon at ${size} px")
  list(APPEND CORVANE_ICON_PNGS ${png})
  install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

# Manual page and changelog, compressed as Debian wants them.
find_program(CORVANE_GZIP gzip REQUIRED)
set(CORVANE_MAN_PAGES)
foreach(page corvane corvane-cli)
  set(gz ${CORVANE_STAGE_DIR}/${page}.1.gz)
  add_custom_command(OUTPUT ${gz}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CORVANE_STAGE_DIR}
    COMMAND ${CORVANE_GZIP} -9nc ${CORVANE_DESKTOP_DIR}/${page}.1 > ${gz}
    DEPENDS ${CORVANE_DESKTOP_DIR}/${page}.1
    COMMENT "Compressing the manual page of ${page}")
  list(APPEND CORVANE_MAN_PAGES ${gz})
endforeach()
install(FILES ${CORVANE_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CORVANE_CHANGELOG ${CORVANE_STAGE_DIR}/changelog.gz)
add_custom_command(OUTPUT ${CORVANE_CHANGELOG}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CORVANE_STAGE_DIR}
  COMMAND ${CORVANE_GZIP} -9nc ${CORVANE_DESKTOP_DIR}/changelog > ${CORVANE_CHANGELOG}
  DEPENDS ${CORVANE_DESKTOP_DIR}/changelog
  COMMENT "Compressing the changelog")
install(FILES ${CORVANE_CHANGELOG} ${CORVANE_DESKTOP_DIR}/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/corvane)

add_custom_target(corvane_install_files ALL DEPENDS ${CORVANE_ICON_PNGS} ${CORVANE_MAN_PAGES} ${CORVANE_CHANGELOG})

# The Debian package (scripts/package): dependencies found by dpkg-shlibdeps, plus the Qt plugins
# the program loads at run time, which no linker records.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME corvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Corvane developers")
set(CPACK_PACKAGE_CONTACT "Corvane developers <corvane@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "mail client for a local network without a mail server")
set(CPACK_PACKAGE_DESCRIPTION
  "Corvane sends and receives mail between the users of a local network through\n shared folders: every user owns an inbox folder on a shared drive, sending\n writes a small message file into each recipient's folder, and checking mail\n takes the files addressed to the user into a local inbox. The package holds\n the desktop program and the command-line tool corvane-cli.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION mail)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6")
# Qt's own catalogues translate its dialogs' buttons; the program runs without them.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "gstreamer1.0-plugins-good, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://example.org/corvane")
include(CPack)
