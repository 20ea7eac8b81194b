#pragma once
// A Standard MIDI File read into timed channel messages, tempo changes already applied, so
// a player can hand every message to the synthesizer's sequencer at its millisecond.

#include <cstdint>
#include <optional>
#include <vector>

namespace velko::audio {

struct MidiMessage {
  double ms = 0;  // from the start of the song
  uint8_t status = 0;
  uint8_t data1 = 0;
  uint8_t data2 = 0;
};

struct MidiSong {
  std::vector<MidiMessage> messages;  // in time order
  double lengthMs = 0;                // to the end of the longest track
};

// Nothing when the bytes are not a MIDI file this player can play (a cut-off file, SMPTE
// time, a track without its end).
std::optional<MidiSong> readMidiSong(const std::vector<uint8_t>& bytes);

}  // namespace velko::audio
