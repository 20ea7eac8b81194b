// "ind30xg", the workshop's theme: a machine shop in D minor at 100 beats a minute. A
// synth-bass ostinato and clanking agogos run under a pad; a saw lead states the tune, synth
// brass takes a bridge in G minor, guitars stab under the tune's return. 32 bars, about 77
// seconds, built to loop: the last bar's fill lands on the first bar's downbeat.

#include <string>
#include <vector>

#include "music/general_midi.h"
#include "music/midi_phrase.h"
#include "music/midi_score.h"

namespace velko::midi {

namespace {

constexpr int kBar = 4 * kQuarter;

struct Chord {
  int bassRoot;       // the root in the bass register
  std::string voice;  // the pad's voicing, close to its neighbours
};

const Chord kDm{38, "A3+D4+F4"};
const Chord kBb{34, "Bb3+D4+F4"};
const Chord kC{36, "G3+C4+E4"};
const Chord kA{33, "A3+C#4+E4"};
const Chord kF{41, "A3+C4+F4"};
const Chord kGm{31, "G3+Bb3+D4"};
const Chord kEb{39, "G3+Bb3+Eb4"};

// One chord a bar: intro, tune, bridge, tune again.
const std::vector<Chord> kChart = {
    kDm, kDm, kBb, kC, kDm, kDm, kBb, kA,  // 1-8
    kDm, kBb, kF,  kC, kDm, kBb, kGm, kA,  // 9-16
    kGm, kGm, kEb, kF, kGm, kBb, kC,  kA,  // 17-24
    kDm, kBb, kF,  kC, kDm, kBb, kA,  kA,  // 25-32
};

const char* kTune =
    "D5:q. A4:e D5:e E5:e F5:q  F5:q E5:e D5:e F5:h  C5:q. A4:e C5:q F5:q  E5:q G5:q E5:q C5:q "
    "D5:e F5:e A5:q G5:e F5:e E5:e D5:e  F5:q. D5:e Bb4:h";
const char* kTuneEndFirst = "G4:q Bb4:q D5:q G5:q  E5:q C#5:q A4:h";
const char* kTuneEndLast = "A5:h. G5:e F5:e  E5:h C#5:h";
const char* kBridge =
    "G4:h Bb4:q D5:q  C5:q. Bb4:e A4:h  G4:h Bb4:q Eb5:q  F5:h. C5:q "
    "D5:q G5:q F5:q D5:q  F5:h D5:h  E5:q G5:q C6:q G5:q  C#5:q E5:q A5:h";

void bass(Track& track, int bar, const Chord& chord) {
  const int start = bar * kBar;
  const bool bridge = bar >= 16 && bar < 24;
  // Root, octave and fifth only: the same figure fits every chord of the chart.
  const std::vector<int> eighths = {0, 0, 12, 0, 7, 0, 12, 7};
  const std::vector<int> accents = {112, 78, 96, 80, 102, 78, 96, 86};
  if (bridge) {
    const std::vector<int> quarters = {0, 12, 0, 7};
    for (int i = 0; i < 4; ++i)
      track.note(start + i * kQuarter, kQuarter * 5 / 6, chord.bassRoot + quarters[i],
                 i == 0 ? 108 : 90);
    return;
  }
  for (int i = 0; i < 8; ++i)
    track.note(start + i * kEighth, kSixteenth + kSixteenth / 4, chord.bassRoot + eighths[i],
               accents[i]);
}

void drums(Track& track, int bar) {
  const int start = bar * kBar;
  const bool sectionEnd = bar % 8 == 7;
  const bool bridge = bar >= 16 && bar < 24;
  if (bar % 8 == 0) steps(track, start, gm::kCrash, "x", 95);

  // Two agogos, three beats against four: the clank of the machines.
  steps(track, start, gm::kHighAgogo, "x.....x.....x...", 70);
  steps(track, start, gm::kLowAgogo, "...x.....x....x.", 62);

  if (bridge) {
    steps(track, start, gm::kBassDrum, "X.......x.x.....", 95);
    steps(track, start, gm::kElectricSnare, "........X.......", 95);
    steps(track, start, gm::kRide, "x.o.x.o.x.o.x.o.", 70);
  } else {
    steps(track, start, gm::kBassDrum, "X..x..x.X.....x.", 100);
    steps(track, start, gm::kClosedHiHat, "xoxoxoxoxoxoxoxo", 72);
    if (bar >= 4) {
      steps(track, start, gm::kElectricSnare, "....X.......X...", 95);
      steps(track, start, gm::kHandClap, "....x.......x...", 70);
    }
  }
  if (!sectionEnd) return;
  // The fill of a section's last beat, high tom to floor tom.
  const int fill = start + 3 * kQuarter;
  const std::vector<int> toms = {gm::kHighTom, gm::kHighMidTom, gm::kLowTom, gm::kLowFloorTom};
  for (int i = 0; i < 4; ++i)
    track.note(fill + i * kSixteenth, kSixteenth / 2, toms[i], 100 + i * 5);
}

void guitar(Track& track, int bar, const Chord& chord) {
  const int root = chord.bassRoot + 12;
  const int start = bar * kBar;
  const std::vector<int> hits = {0, 6, 10};  // sixteenths: 1, the "and" of 2, 3-and
  for (int step : hits) {
    for (int interval : {0, 7, 12})
      track.note(start + step * kSixteenth, kEighth * 5 / 6, root + interval, step == 0 ? 105 : 92);
  }
}

}  // namespace

Score ind30xg() {
  Score score(100, 4);
  score.setLength(32 * kBar);

  Track& drumTrack = score.track("Drums", gm::kDrumChannel);
  instrument(drumTrack, 0, 100, 64, 40);
  Track& bassTrack = score.track("Bass", 0);
  instrument(bassTrack, gm::kSynthBass1, 104, 64, 12);
  Track& padTrack = score.track("Pad", 1);
  instrument(padTrack, gm::kSweepPad, 72, 64, 80);
  Track& leadTrack = score.track("Lead", 2);
  instrument(leadTrack, gm::kSawLead, 84, 74, 55);
  Track& brassTrack = score.track("Brass", 3);
  instrument(brassTrack, gm::kSynthBrass1, 92, 54, 55);
  Track& guitarTrack = score.track("Guitar", 4);
  instrument(guitarTrack, gm::kDistortionGuitar, 70, 40, 30);

  for (int bar = 0; bar < 32; ++bar) {
    const Chord& chord = kChart[bar];
    drums(drumTrack, bar);
    bass(bassTrack, bar, chord);
    phrase(padTrack, bar * kBar, chord.voice + ":w", {.velocity = 58, .legato = 0.98});
    if (bar >= 24) guitar(guitarTrack, bar, chord);
  }

  const PhraseStyle lead{.velocity = 92, .legato = 0.9, .accent = 8};
  int tick = phrase(leadTrack, 8 * kBar, kTune, lead);
  phrase(leadTrack, tick, kTuneEndFirst, lead);
  tick = phrase(leadTrack, 24 * kBar, kTune, lead);
  phrase(leadTrack, tick, kTuneEndLast, lead);
  phrase(brassTrack, 16 * kBar, kBridge, {.velocity = 96, .legato = 0.85, .accent = 6});
  return score;
}

}  // namespace velko::midi
