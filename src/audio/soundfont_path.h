#pragma once
// Which General MIDI soundfont the synthesizer loads.

#include <string>

namespace velko::audio {

// The first usable General MIDI soundfont of the system; empty when there is none or FluidSynth
// cannot be loaded (asking loads it). The small TimGM6mb comes first: a large font (FluidR3 is
// 140 MB) would take the game far past its memory budget and its loading time.
std::string findSoundfont();

}  // namespace velko::audio
