# Install layout, the build tree's mirror of it, and the Debian package.
include(GNUInstallDirs)

set(VELUMBRA_ID org.velumbra.Velumbra)
set(VELUMBRA_DATA_FILES festrella ffigura fnombre ftriangulo fnumero fradiante fradter fmaglim
    escudo.bmp)

# The program finds its installed data beside itself, so an installation moved as a whole (a .deb
# unpacked anywhere) still works. The build tree has the same layout, for ./run.sh.
file(RELATIVE_PATH VELUMBRA_DATA_FROM_BIN ${CMAKE_INSTALL_FULL_BINDIR}
    ${CMAKE_INSTALL_FULL_DATADIR}/velumbra)
target_compile_definitions(Velumbra PRIVATE VELUMBRA_DATA_FROM_BIN="${VELUMBRA_DATA_FROM_BIN}"
    VELUMBRA_ID="${VELUMBRA_ID}")
set_target_properties(Velumbra PROPERTIES OUTPUT_NAME velumbra
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/${CMAKE_INSTALL_BINDIR})
set(staged_data ${CMAKE_BINARY_DIR}/${CMAKE_INSTALL_DATADIR}/velumbra)
set(staged_files)
foreach(name IN LISTS VELUMBRA_DATA_FILES)
    add_custom_command(OUTPUT ${staged_data}/${name}
        COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/data/${name} ${staged_data}/${name}
        DEPENDS ${CMAKE_SOURCE_DIR}/data/${name} VERBATIM)
    list(APPEND staged_files ${staged_data}/${name})
endforeach()
add_custom_target(velumbra_staged_data ALL DEPENDS ${staged_files})

install(TARGETS Velumbra RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
list(TRANSFORM VELUMBRA_DATA_FILES PREPEND ${CMAKE_SOURCE_DIR}/data/ OUTPUT_VARIABLE data_sources)
install(FILES ${data_sources} DESTINATION ${CMAKE_INSTALL_DATADIR}/velumbra)
install(FILES desktop/${VELUMBRA_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES desktop/${VELUMBRA_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
set(icons ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES desktop/${VELUMBRA_ID}.svg DESTINATION ${icons}/scalable/apps)
foreach(size 48 128)
    install(FILES desktop/velumbra-${size}.png DESTINATION ${icons}/${size}x${size}/apps
        RENAME ${VELUMBRA_ID}.png)
endforeach()
install(FILES desktop/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/velumbra)
install(FILES ${CMAKE_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/velumbra)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/changelog.gz
    COMMAND gzip -n -9 -c ${CMAKE_SOURCE_DIR}/desktop/changelog > ${CMAKE_BINARY_DIR}/changelog.gz
    DEPENDS ${CMAKE_SOURCE_DIR}/desktop/changelog)
add_custom_target(velumbra_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/changelog.gz)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velumbra)
set(CPACK_PACKAGE_VENDOR Velumbra)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "gnomonic star charts for visual meteor observers")
set(CPACK_PACKAGE_DESCRIPTION "Velumbra draws gnomonic star charts for visual meteor observers: stars
to a chosen magnitude, constellation figures and names, the numbered limiting
magnitude areas, a coordinate grid and the radiants of the meteor showers for
a chosen date with their daily drift. It prints charts with an observing form
and lists of radiants. Its interface is in Spanish.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Velumbra <velumbra@velumbra.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The Qt libraries come from what the binary links; the fonts, the Spanish Qt texts and the
# SQLite driver of the observations are loaded at run time.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-liberation, fonts-dejavu-core, fonts-dejavu-extra, qt6-translations-l10n, libqt6sql6-sqlite")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
