// The MIDI file reader on damaged files: it must refuse or read, never crash; what it reads
// is in time order and ends no earlier than its last message.

#include <cstdlib>
#include <vector>

#include "audio/midi_file.h"

using namespace velko::audio;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::optional<MidiSong> song = readMidiSong(std::vector<uint8_t>(data, data + size));
  if (!song) return 0;
  double last = 0;
  for (const MidiMessage& message : song->messages) {
    if (message.ms < last || message.status < 0x80) std::abort();
    last = message.ms;
  }
  if (song->lengthMs < last) std::abort();
  return 0;
}
