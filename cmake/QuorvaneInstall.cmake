# Where `cmake --install` and the Debian package put the program and its data. The program looks
# for its tips, help pages and translations in ${CMAKE_INSTALL_FULL_DATADIR}/quorvane, so the package installs
# under the same prefix the program was built for.
include(GNUInstallDirs)

set(QUORVANE_SOURCE_DATA ${PROJECT_SOURCE_DIR}/data)
set(QUORVANE_INSTALL_DATA ${CMAKE_INSTALL_DATADIR}/quorvane)

install(TARGETS quorvane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
file(GLOB QUORVANE_TIPS_FILES ${QUORVANE_SOURCE_DATA}/qvntips*.txt)
install(FILES ${QUORVANE_TIPS_FILES} DESTINATION ${QUORVANE_INSTALL_DATA})
install(FILES ${QUORVANE_QM_FILES} DESTINATION ${QUORVANE_INSTALL_DATA}/translations)
install(DIRECTORY ${QUORVANE_SOURCE_DATA}/help ${QUORVANE_SOURCE_DATA}/examples
        DESTINATION ${QUORVANE_INSTALL_DATA})

install(FILES ${QUORVANE_SOURCE_DATA}/desktop/quorvane.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${QUORVANE_SOURCE_DATA}/desktop/quorvane.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${QUORVANE_SOURCE_DATA}/desktop/example.brindlecote.quorvane.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(QUORVANE_ICONS ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${QUORVANE_SOURCE_DATA}/icons/quorvane.svg DESTINATION ${QUORVANE_ICONS}/scalable/apps)
foreach(size 16 24 32 48 64 128 256)
    install(FILES ${QUORVANE_SOURCE_DATA}/icons/quorvane-${size}.png
            DESTINATION ${QUORVANE_ICONS}/${size}x${size}/apps RENAME quorvane.png)
endforeach()

# Man pages are installed compressed; -n leaves the name and time out, so the file is the same on
# every build.
set(QUORVANE_MAN_PAGE ${CMAKE_CURRENT_BINARY_DIR}/quorvane.1)
add_custom_command(OUTPUT ${QUORVANE_MAN_PAGE}.gz
                   COMMAND ${CMAKE_COMMAND} -E copy ${QUORVANE_SOURCE_DATA}/quorvane.1
                           ${QUORVANE_MAN_PAGE}
                   COMMAND gzip -9nf ${QUORVANE_MAN_PAGE}
                   DEPENDS ${QUORVANE_SOURCE_DATA}/quorvane.1 VERBATIM)
add_custom_target(quorvane_man_page ALL DEPENDS ${QUORVANE_MAN_PAGE}.gz)
add_dependencies(quorvane quorvane_man_page)
install(FILES ${QUORVANE_MAN_PAGE}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quorvane
        RENAME copyright)

set(CPACK_PACKAGE_NAME quorvane)
set(CPACK_PACKAGE_CONTACT "Brindlecote <support@brindlecote.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "build drop-down navigation menus for web pages")
set(CPACK_PACKAGE_DESCRIPTION
    "Quorvane builds drop-down navigation menus for web pages without any programming and \
writes the JavaScript and HTML that make them work. Menus are kept as project files (.qvn).")
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION web)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.brindlecote.example)
# The libraries come from dpkg-shlibdeps. The triggers of shared-mime-info and desktop-file-utils
# refresh their databases; xdg-utils opens the help and the previews in the browser.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "chromium | www-browser")
include(CPack)
