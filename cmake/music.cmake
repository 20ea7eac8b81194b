# The music of the game folder: five MIDI tracks composed by a program at build time, so the
# repository holds their source rather than opaque files.

# The composer's notation (tools/music) is built only for the music tools and their tests;
# the game plays the finished files and never composes.
add_library(velko_music_score STATIC tools/music/midi_score.cpp tools/music/midi_phrase.cpp)
target_include_directories(velko_music_score PUBLIC tools)

add_executable(velko-midi
  tools/velko_midi.cpp
  tools/velko_midi_ind30xg.cpp
  tools/velko_midi_jzz33xg.cpp
  tools/velko_midi_fight.cpp
  tools/velko_midi_se.cpp
  tools/velko_midi_fanfare.cpp)
target_link_libraries(velko-midi PRIVATE velko_music_score)

set(VELKO_MIDI_OUTPUTS)
foreach(track ind30xg jzz33xg fight SE fanfare)
  list(APPEND VELKO_MIDI_OUTPUTS ${VELKO_GAME_DIR}/midi/${track}.mid)
endforeach()
add_custom_command(
  OUTPUT ${VELKO_MIDI_OUTPUTS}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${VELKO_GAME_DIR}/midi
  COMMAND velko-midi ${VELKO_GAME_DIR}/midi
  DEPENDS velko-midi
  COMMENT "Composing midi/*.mid")
add_custom_target(velko_music ALL DEPENDS ${VELKO_MIDI_OUTPUTS})
# The game folder holds the music, so whatever waits for the folder (tests, `make run`)
# finds the tracks there.
add_dependencies(velko_game_folder velko_music)

# Plays a track through the game's player and tells its cost: velko-midi-play <track> [seconds]
add_executable(velko-midi-play tools/velko_midi_play.cpp)
target_link_libraries(velko-midi-play PRIVATE velko_ui)
