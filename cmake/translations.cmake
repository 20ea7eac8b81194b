# The game in other languages. translations/velko_<language>.ts hold the game's Japanese texts
# (the screens' and the rules' messages) with their translations; the build turns each into a
# .qm file in the game folder's translations/, which the installed game ships with its data.
# `cmake --build build --target update_translations` adds new texts to the .ts files.

find_package(Qt6 REQUIRED COMPONENTS LinguistTools)

set(VELKO_TS_FILES ${PROJECT_SOURCE_DIR}/translations/velko_en.ts)
set_source_files_properties(${VELKO_TS_FILES} PROPERTIES
  OUTPUT_LOCATION ${VELKO_GAME_DIR}/translations)

# Every text is keyed by its Japanese self, in one table without contexts: the screens call
# qtTrId("..."), the rules shown("..."), which the tools read as qtTrId.
add_custom_target(update_translations
  COMMAND ${CMAKE_COMMAND} -DLUPDATE=$<TARGET_FILE:Qt6::lupdate> -DSOURCE_DIR=${PROJECT_SOURCE_DIR}
          -DTS=${VELKO_TS_FILES} -P ${PROJECT_SOURCE_DIR}/cmake/update_translations.cmake
  VERBATIM)
qt_add_lrelease(velko TS_FILES ${VELKO_TS_FILES} OPTIONS -idbased
  QM_FILES_OUTPUT_VARIABLE VELKO_QM_FILES)
