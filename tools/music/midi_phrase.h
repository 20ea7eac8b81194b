#pragma once
// Parts written as text, the way a musician jots them down: "D5:q. A4:e r:e F5:h".
// Durations: w h q e s (whole to sixteenth), a dot adds half again; "r" is a rest; notes
// joined by "+" sound together ("D4+F4+A4:w").

#include <string>

#include "music/midi_score.h"

namespace velko::midi {

// "C4" is 60 (middle C); sharps "#", flats "b". Throws std::invalid_argument on a bad name.
int noteNumber(const std::string& name);

// Ticks of a duration code ("q", "e.", ...). Throws std::invalid_argument on a bad code.
int durationTicks(const std::string& code);

// Swung eighths: the second eighth of a beat falls on the last third of the beat.
int swingTick(int tick);

struct PhraseStyle {
  int velocity = 90;
  double legato = 0.92;  // share of each note's time it sounds
  bool swing = false;
  int transpose = 0;
  int accent = 0;  // added to notes that start on a beat, so a line has a pulse
};

// Writes the phrase from startTick (on a beat) and returns the tick after it.
int phrase(Track& track, int startTick, const std::string& notes, const PhraseStyle& style);

// A drum line on a grid, one character a step: 'X' accent, 'x' hit, 'o' ghost, '.' rest.
void steps(Track& track, int startTick, int key, const std::string& pattern, int velocity,
           int stepTicks = kTicksPerQuarter / 4);

// Program and mix of a track, set at the start of the piece.
void instrument(Track& track, int program, int volume, int pan, int reverb);

}  // namespace velko::midi
