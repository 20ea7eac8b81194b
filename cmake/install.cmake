# `cmake --install`: the game laid out as Debian's games are. The program in games/, the
# catalogue, pictures and music in share/games/velko, and what the desktop needs to list it:
# a menu entry, AppStream metadata, icons in the hicolor theme and a man page, the game's file
# kinds (MIME types) and a thumbnailer for Doll files.

set(VELKO_APP_ID io.github.velko_game.velko)
set(VELKO_INSTALLED_PROGRAM ${CMAKE_INSTALL_PREFIX}/${VELKO_INSTALL_BINDIR}/velko)
# The thumbnailer is run by file managers, never by the player: a helper program.
set(VELKO_THUMBNAILER_DIR ${CMAKE_INSTALL_LIBEXECDIR}/velko)
set(VELKO_THUMBNAILER_PROGRAM ${CMAKE_INSTALL_PREFIX}/${VELKO_THUMBNAILER_DIR}/velko-thumbnailer)
# Where software centres find a picture of the game: a placeholder until the game has a
# home page to publish it on.
set(VELKO_SCREENSHOT_URL "https://velko.example.org/screenshots/workshop.png")
set(VELKO_DIST_DIR ${CMAKE_BINARY_DIR}/dist)

configure_file(dist/velko.desktop.in ${VELKO_DIST_DIR}/velko.desktop @ONLY)
configure_file(dist/velko.metainfo.xml.in ${VELKO_DIST_DIR}/${VELKO_APP_ID}.metainfo.xml @ONLY)
configure_file(dist/velko.thumbnailer.in ${VELKO_DIST_DIR}/velko.thumbnailer @ONLY)
configure_file(dist/velko.6.in ${VELKO_DIST_DIR}/velko.6 @ONLY)
# The Japanese man page, installed where man looks for a Japanese locale.
configure_file(dist/velko.ja.6.in ${VELKO_DIST_DIR}/ja/velko.6 @ONLY)

# Debian wants the man page and the changelog compressed, reproducibly (no name, no time).
find_program(GZIP_PROGRAM gzip REQUIRED)
file(WRITE ${VELKO_DIST_DIR}/changelog
  "velko (${PROJECT_VERSION}) unstable; urgency=medium\n\n"
  "  * Release ${PROJECT_VERSION}.\n\n"
  " -- VELKO developers <velko@users.noreply.github.com>  Mon, 07 Dec 2026 12:00:00 +0000\n")
add_custom_command(
  OUTPUT ${VELKO_DIST_DIR}/velko.6.gz ${VELKO_DIST_DIR}/ja/velko.6.gz ${VELKO_DIST_DIR}/changelog.gz
  COMMAND ${GZIP_PROGRAM} -9nkf ${VELKO_DIST_DIR}/velko.6
  COMMAND ${GZIP_PROGRAM} -9nkf ${VELKO_DIST_DIR}/ja/velko.6
  COMMAND ${GZIP_PROGRAM} -9nkf ${VELKO_DIST_DIR}/changelog
  DEPENDS ${VELKO_DIST_DIR}/velko.6 ${VELKO_DIST_DIR}/ja/velko.6 ${VELKO_DIST_DIR}/changelog
  COMMENT "Compressing the man page and the changelog")
add_custom_target(velko_dist ALL DEPENDS ${VELKO_DIST_DIR}/velko.6.gz ${VELKO_DIST_DIR}/ja/velko.6.gz
  ${VELKO_DIST_DIR}/changelog.gz)

install(TARGETS velko RUNTIME DESTINATION ${VELKO_INSTALL_BINDIR})
install(TARGETS velko-thumbnailer RUNTIME DESTINATION ${VELKO_THUMBNAILER_DIR})
# save/ is the player's own and never shipped: an installed game makes it per user.
foreach(folder ini img midi translations)
  install(DIRECTORY ${VELKO_GAME_DIR}/${folder} DESTINATION ${VELKO_INSTALL_DATADIR})
endforeach()
foreach(size 48 64 128 256)
  install(FILES ${VELKO_GAME_DIR}/img/velko-icon-${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME velko.png)
endforeach()
install(FILES ${VELKO_DIST_DIR}/velko.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The game's file kinds, and the Doll pictures file managers show for Doll files.
install(FILES dist/velko-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
  RENAME velko.xml)
install(FILES ${VELKO_DIST_DIR}/velko.thumbnailer DESTINATION ${CMAKE_INSTALL_DATADIR}/thumbnailers)
install(FILES ${VELKO_DIST_DIR}/${VELKO_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${VELKO_DIST_DIR}/velko.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${VELKO_DIST_DIR}/ja/velko.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/ja/man6)
install(FILES dist/copyright ${VELKO_DIST_DIR}/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/velko)
