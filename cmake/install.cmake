# Installing the game like any desktop game (cmake --install, with --prefix and
# DESTDIR); the Debian package (debian/) installs exactly this tree.
include(GNUInstallDirs)

set(DROVANTA_APP_ID org.drovanta.Drovanta)

# Debian keeps games in games/ beside bin/ (/usr/games, /usr/local/games, both on a
# user's PATH); other layouts can pass -DDROVANTA_INSTALL_BINDIR=bin.
set(DROVANTA_INSTALL_BINDIR games CACHE STRING
  "Folder for the game's binary, relative to the install prefix")
install(TARGETS drovanta RUNTIME DESTINATION ${DROVANTA_INSTALL_BINDIR})
install(FILES data/${DROVANTA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/${DROVANTA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size IN LISTS APP_ICON_SIZES)
  install(FILES data/icons/app_icon_${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
    RENAME ${DROVANTA_APP_ID}.png)
endforeach()

# The manual page and the change log go in compressed, as Debian keeps them. The
# package's helpers install the copyright file and the change log themselves, so
# its build turns them off here (debian/rules).
option(DROVANTA_INSTALL_DOCS "Install the copyright file and the change log" ON)
set(DROVANTA_GZ_DIR ${CMAKE_BINARY_DIR}/compressed)
set(DROVANTA_GZ_FILES)
foreach(pair "data/drovanta.6|drovanta.6.gz" "debian/changelog|changelog.gz")
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
if(DROVANTA_INSTALL_DOCS)
  install(FILES ${DROVANTA_GZ_DIR}/changelog.gz debian/copyright
    DESTINATION ${CMAKE_INSTALL_DOCDIR})
endif()
