# `make package`: a Debian package of the installed game. Its dependencies are the shared
# libraries the program links (found by dpkg-shlibdeps), plus what it opens at run time:
# FluidSynth (loaded when the first track plays), a General MIDI soundfont and a Japanese font.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velko)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "VELKO developers")
set(CPACK_PACKAGE_CONTACT "VELKO developers <velko@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "build a fighting machine and program its moves")
set(CPACK_PACKAGE_DESCRIPTION
  "A single-player game of building and fighting machines, with a Japanese\n"
  "user interface. You buy parts in the shop, assemble a fighting machine\n"
  "called a Doll, write its action patterns by drag and drop and send it\n"
  "into turn-based dice fights: practice bouts, class tournaments and duels,\n"
  "over a career of 24 months.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR})

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# One string: CMake would join two quoted pieces with a ";" that dpkg cannot read.
set(VELKO_RUNTIME_PACKAGES "libfluidsynth3, timgm6mb-soundfont | fluid-soundfont-gm")
string(APPEND VELKO_RUNTIME_PACKAGES ", fonts-noto-cjk, qt6-qpa-plugins, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${VELKO_RUNTIME_PACKAGES}")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
