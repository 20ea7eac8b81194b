// "fanfare", the moment a tournament is won: brass in C major at 112 beats a minute, a
// rising call in triplets, a held chord over a timpani roll and a crash. About four seconds;
// it plays once, as the sound effect does.

#include "music/general_midi.h"
#include "music/midi_score.h"

namespace velko::midi {

namespace {

constexpr int kTriplet = kQuarter / 3;
constexpr int kBar = 4 * kQuarter;

}  // namespace

Score fanfare() {
  Score score(112, 4);
  score.setLength(2 * kBar);

  Track& brass = score.track("Brass", 0);
  brass.program(0, gm::kSynthBrass1);
  brass.controller(0, gm::kVolume, 96);
  // The call: G G G | C, then E G, and the held C major chord.
  const int call[] = {67, 67, 67};
  for (int k = 0; k < 3; ++k)
    brass.note(k * kTriplet, kTriplet - 10, call[k], 112);
  brass.note(kQuarter, kQuarter - 20, 72, 118);
  brass.note(2 * kQuarter, kEighth, 76, 112);
  brass.note(2 * kQuarter + kEighth, kEighth, 79, 116);
  for (const int key : {72, 76, 79, 84})
    brass.note(3 * kQuarter, kBar + kQuarter, key, 120);

  Track& strings = score.track("Strings", 1);
  strings.program(0, gm::kStringEnsemble1);
  strings.controller(0, gm::kVolume, 76);
  for (const int key : {48, 55, 60, 64})
    strings.note(3 * kQuarter, kBar + kQuarter, key, 100);

  Track& timpani = score.track("Timpani", 2);
  timpani.program(0, gm::kTimpani);
  timpani.controller(0, gm::kVolume, 88);
  for (int tick = 3 * kQuarter; tick < kBar + 3 * kQuarter; tick += kSixteenth)
    timpani.note(tick, kSixteenth, 48, 70 + (tick / kSixteenth) % 4 * 8);

  Track& drums = score.track("Cymbal", gm::kDrumChannel);
  drums.program(0, 0);
  drums.controller(0, gm::kVolume, 90);
  drums.note(3 * kQuarter, kQuarter, gm::kCrash, 120);
  drums.note(kBar + 3 * kQuarter, kQuarter, gm::kCrash, 110);
  drums.note(kBar + 3 * kQuarter, kQuarter, gm::kBassDrum, 120);
  return score;
}

}  // namespace velko::midi
