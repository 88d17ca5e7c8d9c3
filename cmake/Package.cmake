# The Debian package: `cmake --build build --target package` writes
# quorvane_<version>_amd64.deb, laid out under /usr. Its files form the
# component "package", left out of a plain `cmake --install`, which keeps
# laying out the portable folder (component "portable", app/CMakeLists.txt).

set(QUORVANE_ID com.quorvane.quorvane)
set(package_sources ${PROJECT_SOURCE_DIR}/resources/package)
set(package_build ${PROJECT_BINARY_DIR}/package)
file(MAKE_DIRECTORY ${package_build})

configure_file(${package_sources}/${QUORVANE_ID}.metainfo.xml ${package_build}/${QUORVANE_ID}.metainfo.xml @ONLY)

# Man pages and the changelog go in compressed, without a time stamp in the
# gzip header, so equal sources give equal packages.
set(compressed)
foreach(source IN ITEMS man/quorvane.1 man/quorvane-import.1 man/quorvane-initdb.1 man/quorvane-page.1 package/changelog)
    get_filename_component(name ${source} NAME)
    configure_file(${PROJECT_SOURCE_DIR}/resources/${source} ${package_build}/${name} @ONLY)
    add_custom_command(OUTPUT ${package_build}/${name}.gz
        COMMAND sh -c "gzip -9n -c '${package_build}/${name}' > '${package_build}/${name}.gz'"
        DEPENDS ${package_build}/${name} ${PROJECT_SOURCE_DIR}/resources/${source}
        VERBATIM)
    list(APPEND compressed ${package_build}/${name}.gz)
endforeach()
add_custom_target(package_files ALL DEPENDS ${compressed})

set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
install(TARGETS quorvane quorvane-import quorvane-initdb quorvane-page
        RUNTIME DESTINATION bin COMPONENT package EXCLUDE_FROM_ALL)
install(FILES ${PROJECT_SOURCE_DIR}/resources/splash.jpg ${PROJECT_SOURCE_DIR}/resources/quorvane.svg
              ${package_sources}/main-window.png
        DESTINATION share/quorvane COMPONENT package EXCLUDE_FROM_ALL)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/help
        DESTINATION share/quorvane COMPONENT package EXCLUDE_FROM_ALL)
install(FILES ${package_sources}/${QUORVANE_ID}.desktop
        DESTINATION share/applications COMPONENT package EXCLUDE_FROM_ALL)
install(FILES ${package_build}/${QUORVANE_ID}.metainfo.xml
        DESTINATION share/metainfo COMPONENT package EXCLUDE_FROM_ALL)
install(FILES ${PROJECT_SOURCE_DIR}/resources/quorvane.svg RENAME ${QUORVANE_ID}.svg
        DESTINATION share/icons/hicolor/scalable/apps COMPONENT package EXCLUDE_FROM_ALL)
foreach(size IN ITEMS 48 128 256)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/quorvane-${size}.png RENAME ${QUORVANE_ID}.png
            DESTINATION share/icons/hicolor/${size}x${size}/apps COMPONENT package EXCLUDE_FROM_ALL)
endforeach()
install(FILES ${package_build}/quorvane.1.gz ${package_build}/quorvane-import.1.gz ${package_build}/quorvane-initdb.1.gz
              ${package_build}/quorvane-page.1.gz
        DESTINATION share/man/man1 COMPONENT package EXCLUDE_FROM_ALL)
install(FILES ${package_sources}/copyright ${package_build}/changelog.gz
        DESTINATION share/doc/quorvane COMPONENT package EXCLUDE_FROM_ALL)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvane)
set(CPACK_PACKAGE_VENDOR Quorvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Quorvane <packages@quorvane.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "draw history, statistics and bet selection for 3D and Pailie 3")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL package)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://quorvane.com/)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Quorvane keeps the draw history of the Chinese three-digit lottery games
3D and Pailie 3 in a local encrypted database and shows it as a grid and as
charts, with statistics, omission and trend analysis, a prize check and a bet
selection. Its windows are in Chinese. Each user's history lives in
~/.local/share/quorvane.")
# Libraries come from the binaries; what Qt loads at run time (the web
# engine's process and resources, the platform plugins) and the CJK fonts
# the windows are drawn with, and Qt's own Chinese texts (its buttons and
# dialogs), are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6webenginecore6-bin, libqt6webengine6-data, qt6-qpa-plugins, fonts-noto-cjk, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
include(CPack)
