# Installing the game like any desktop game (cmake --install, with --prefix and
# DESTDIR), and the Debian package built from exactly that tree (CPack's DEB).
include(GNUInstallDirs)

set(DROVANTA_APP_ID org.drovanta.Drovanta)

# Debian keeps games in games/ beside bin/ (/usr/games, /usr/local/games, both on a
# user's PATH); other layouts can pass -DDROVANTA_INSTALL_BINDIR=bin.
set(DROVANTA_INSTALL_BINDIR games CACHE STRING
  "Folder for the game's binary, relative to the install prefix")
install(TARGETS drovanta RUNTIME DESTINATION ${DROVANTA_INSTALL_BINDIR})
# Linked like Debian's own programs: relocations read-only once loaded.
target_link_options(drovanta PRIVATE LINKER:-z,relro LINKER:-z,now)
install(FILES data/${DROVANTA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/${DROVANTA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size IN LISTS APP_ICON_SIZES)
  install(FILES data/icons/app_icon_${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
    RENAME ${DROVANTA_APP_ID}.png)
endforeach()

# The manual page and the change log go in compressed, as Debian keeps them.
set(DROVANTA_GZ_DIR ${CMAKE_BINARY_DIR}/compressed)
set(DROVANTA_GZ_FILES)
foreach(pair "data/drovanta.6|drovanta.6.gz" "packaging/changelog|changelog.gz")
  string(REPLACE "|" ";" pair "${pair}")
  list(GET pair 0 source)
  list(GET pair 1 target)
  add_custom_command(OUTPUT ${DROVANTA_GZ_DIR}/${target}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${DROVANTA_GZ_DIR}
    COMMAND gzip -9n -c ${CMAKE_SOURCE_DIR}/${source} > ${DROVANTA_GZ_DIR}/${target}
    DEPENDS ${CMAKE_SOURCE_DIR}/${source} VERBATIM)
  list(APPEND DROVANTA_GZ_FILES ${DROVANTA_GZ_DIR}/${target})
endforeach()
add_custom_target(drovanta_compressed_docs ALL DEPENDS ${DROVANTA_GZ_FILES})
install(FILES ${DROVANTA_GZ_DIR}/drovanta.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${DROVANTA_GZ_DIR}/changelog.gz packaging/copyright
  DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The package: `cmake --build build --target package` writes build/drovanta_1.3_amd64.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME drovanta)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Drovanta developers <team@drovanta.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "arcade game: strike the robots, catch the ring, save Pelko\n"
  "A small single-player arcade game for the desktop, in Russian. The hero\n"
  "Brisko has come to the base of doctor Virzo, who holds his friend Pelko\n"
  "captive. Strike the robots that pop up on a 3 x 4 grid, catch the gold\n"
  "ring, and end a 60-second round with 2000 points or more to see the\n"
  "villain's airship burn.")
string(JOIN "" CPACK_DEBIAN_PACKAGE_DESCRIPTION ${CPACK_DEBIAN_PACKAGE_DESCRIPTION})
# Dependencies come from the binary, through dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Russian texts in the toolkit's own dialogs; native windows on a Wayland desktop
# (without the plugin Qt falls back to XWayland, blurred on a HiDPI screen).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
include(CPack)
