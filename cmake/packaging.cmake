# Installation as a desktop application, and the Debian package:
#   cmake --install <build> [--prefix <dir>]
#   cpack --config <build>/CPackConfig.cmake    (writes tavrel_<version>_<arch>.deb)
include(GNUInstallDirs)

set(TAVREL_APP_ID org.tavrel.Tavrel)
set(tavrel_data ${PROJECT_SOURCE_DIR}/data)

# The icon files are kept in data/icons; after changing a PNG picture,
# data/icons/make-icons makes the .ico again.

# Debian wants the manual page and the changelog compressed, without a
# time stamp in the gzip header.
find_program(TAVREL_GZIP gzip REQUIRED)
set(tavrel_gzipped)
foreach(source tavrel.1 changelog)
    set(copy ${PROJECT_BINARY_DIR}/packaging/${source})
    add_custom_command(OUTPUT ${copy}.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${tavrel_data}/${source} ${copy}
        COMMAND ${TAVREL_GZIP} -9nf ${copy}
        DEPENDS ${tavrel_data}/${source}
        VERBATIM)
    list(APPEND tavrel_gzipped ${copy}.gz)
endforeach()
add_custom_target(tavrel_gzipped_docs ALL DEPENDS ${tavrel_gzipped})

install(FILES ${tavrel_data}/${TAVREL_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${tavrel_data}/${TAVREL_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 32)
    install(FILES ${tavrel_data}/icons/${TAVREL_APP_ID}-${size}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
        RENAME ${TAVREL_APP_ID}.png)
endforeach()
install(FILES ${tavrel_data}/icons/${TAVREL_APP_ID}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_BINARY_DIR}/packaging/tavrel.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${tavrel_data}/copyright ${PROJECT_BINARY_DIR}/packaging/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavrel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tavrel developers")
set(CPACK_PACKAGE_CONTACT "Seed 3408a296 maintainers <maintainers@users.noreply.c-seed-3408a296.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "hexagonal two-state cellular automaton")
set(CPACK_PACKAGE_DESCRIPTION
    "Tavrel runs a two-state cellular automaton on a hexagonal board of 25 by 25
cells and shows it in one window. A cell is alive in the next generation
exactly when the number of its six neighbours that are alive equals the
threshold, 2 at start; a continuous run draws the threshold anew before every
generation. Seed the board at random, toggle cells with the mouse, step one
generation at a time or let it run.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The window's font; shlibdeps adds the libraries.
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-dejavu-extra)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Without it the program runs on Wayland desktops through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
