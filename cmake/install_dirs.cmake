# Where an installed game lives, as Debian's games are laid out: the program in games/, its
# read-only data in share/games/velko. The game is told its data directory at build time.

if(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT)
  set(CMAKE_INSTALL_PREFIX /usr CACHE PATH "Install prefix" FORCE)
endif()
include(GNUInstallDirs)

set(VELKO_INSTALL_BINDIR games)
set(VELKO_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/games/velko)
set(VELKO_INSTALLED_DATA_DIR ${CMAKE_INSTALL_PREFIX}/${VELKO_INSTALL_DATADIR})
