// "SE", the sound of damage landing: one blow of bass drum, snare, low tom and a taiko, over
// in half a second, so that blows in quick succession each sound clean.

#include "music/general_midi.h"
#include "music/midi_score.h"

namespace velko::midi {

Score se() {
  Score score(120, 4);
  score.setLength(kQuarter);  // half a second at 120 beats a minute

  Track& drums = score.track("Hit", gm::kDrumChannel);
  drums.program(0, 0);
  drums.controller(0, gm::kVolume, 120);
  drums.note(0, kEighth, gm::kBassDrum2, 127);
  drums.note(0, kEighth, gm::kElectricSnare, 118);
  drums.note(0, kEighth, gm::kLowFloorTom, 110);

  Track& taiko = score.track("Taiko", 0);
  taiko.program(0, gm::kTaikoDrum);
  taiko.controller(0, gm::kVolume, 120);
  taiko.note(0, kEighth, 43, 120);  // G2: low and heavy
  return score;
}

}  // namespace velko::midi
