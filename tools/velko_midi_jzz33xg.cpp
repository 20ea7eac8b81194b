// "jzz33xg", the shop's music: a small swing combo in F at 126 beats a minute. A walking
// bass and a comping piano under a ride cymbal; the vibraphone plays the tune's A sections,
// a tenor sax the bridge (AABA after a four-bar vamp). 36 bars, about 69 seconds, looping
// from the end of the last A back into the vamp.

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "music/general_midi.h"
#include "music/midi_phrase.h"
#include "music/midi_score.h"

namespace velko::midi {

namespace {

constexpr int kBar = 4 * kQuarter;

// A chord of the chart: its root (0 = C) and the notes above it the piano may play.
struct Chord {
  int root;
  std::vector<int> voicing;  // without the root: the bass has it
  int third;
  int fifth;
};

const std::vector<int> kMaj7 = {4, 7, 11, 14};
const std::vector<int> kSix = {4, 7, 9, 14};
const std::vector<int> kDom7 = {4, 7, 10, 14};
const std::vector<int> kMin7 = {3, 7, 10, 14};

Chord chord(int root, const std::vector<int>& voicing) {
  return {root, voicing, voicing[0], 7};
}

const Chord Fmaj7 = chord(5, kMaj7);
const Chord F6 = chord(5, kSix);
const Chord D7 = chord(2, kDom7);
const Chord Gm7 = chord(7, kMin7);
const Chord C7 = chord(0, kDom7);
const Chord Am7 = chord(9, kMin7);
const Chord A7 = chord(9, kDom7);
const Chord G7 = chord(7, kDom7);

// A bar holds one chord for four beats or two for two beats each.
using Bar = std::vector<Chord>;

std::vector<Bar> chart() {
  const std::vector<Bar> vamp = {{Gm7, C7}, {Gm7, C7}, {Gm7, C7}, {Gm7, C7}};
  const std::vector<Bar> a1 = {{Fmaj7},   {D7},      {Gm7},    {C7},
                               {Am7, D7}, {Gm7, C7}, {F6, D7}, {Gm7, C7}};
  const std::vector<Bar> a2 = {{Fmaj7}, {D7}, {Gm7}, {C7}, {Am7, D7}, {Gm7, C7}, {F6}, {F6}};
  const std::vector<Bar> bridge = {{A7}, {A7}, {D7}, {D7}, {G7}, {G7}, {C7}, {C7}};
  std::vector<Bar> bars;
  for (const auto* part : {&vamp, &a1, &a2, &bridge, &a1})
    bars.insert(bars.end(), part->begin(), part->end());
  return bars;
}

const char* kA =
    "r:q A4:e C5:e E5:q. C5:e  D5:e F#5:e A5:q F#5:q D5:q  Bb5:q. A5:e G5:q F5:q "
    "E5:q C5:e D5:e E5:q G5:q  A5:q G5:e E5:e F#5:q D5:q  G5:q Bb5:q A5:e G5:e E5:q";
const char* kAEndFirst = "F5:h r:e F#5:e A5:e C6:e  Bb5:q A5:e G5:e E5:q C5:q";
const char* kAEndSecond = "F5:h. r:q  r:q E5:e F5:e G5:e A5:e B5:q";
const char* kBridge =
    "C#6:q. A5:e E5:q G5:q  A5:h G5:q E5:q  F#5:q. D5:e A4:q C5:q  D5:h r:q C5:e D5:e "
    "B4:q. D5:e F5:q G5:q  A5:q G5:q F5:q D5:q  E5:q. G5:e Bb5:q G5:q  E5:h D5:q C5:q";

// One chord held for some beats from a tick.
struct Span {
  Chord chord;
  int tick;
  int beats;
};

std::vector<Span> spans(const std::vector<Bar>& bars) {
  std::vector<Span> all;
  for (size_t bar = 0; bar < bars.size(); ++bar) {
    const int beats = 4 / static_cast<int>(bars[bar].size());
    for (size_t i = 0; i < bars[bar].size(); ++i)
      all.push_back({bars[bar][i],
                     static_cast<int>(bar) * kBar + static_cast<int>(i) * beats * kQuarter, beats});
  }
  return all;
}

// The bass note of a pitch class nearest to `from`, in the double bass's range (E1 to D3).
int nearest(int pitchClass, int from) {
  int best = 28 + ((pitchClass - 28) % 12 + 12) % 12;
  for (int key = best + 12; key <= 50; key += 12)
    if (std::abs(key - from) < std::abs(best - from)) best = key;
  return best;
}

// Walking quarters: the root on the chord's first beat, chord or scale tones after it, and
// a half step into the next chord's root on the last beat. Returns the last note.
int walk(Track& track, const Span& span, const Chord& next, int from, bool scaleWise) {
  const int root = nearest(span.chord.root, from);
  std::vector<int> line = {root};
  if (span.beats == 4) {
    const bool down = root >= 43;  // high up the neck: walk down to stay in range
    if (down) {
      line.push_back(root - 5);
      line.push_back(root - 12 + span.chord.third);
    } else if (scaleWise) {
      line.push_back(root + 2);
      line.push_back(root + span.chord.third);
    } else {
      line.push_back(root + span.chord.third);
      line.push_back(root + span.chord.fifth);
    }
  }
  const int target = nearest(next.root, line.back());
  int approach = line.back() > target ? target + 1 : target - 1;
  if (approach == line.back())
    approach = 2 * target - approach;  // no repeated note: the other side
  line.push_back(approach);
  for (size_t beat = 0; beat < line.size(); ++beat)
    track.note(span.tick + static_cast<int>(beat) * kQuarter, kQuarter * 9 / 10, line[beat],
               beat == 0 ? 100 : 88);
  return line.back();
}

// The piano's shell voicing of a chord, between F3 and C5.
std::vector<int> voicing(const Chord& chord) {
  std::vector<int> keys;
  for (int interval : chord.voicing) {
    int key = 48 + chord.root + interval;
    while (key < 53)
      key += 12;
    while (key > 72)
      key -= 12;
    keys.push_back(key);
  }
  return keys;
}

// Comping on the swung offbeats: a Charleston figure one bar, an anticipation the next.
void comp(Track& track, const Span& span, bool charleston) {
  constexpr int kSwungOff = kQuarter * 2 / 3;
  std::vector<std::pair<int, int>> hits;  // (offset, length)
  if (span.beats == 2) {
    hits = {{0, kQuarter * 4 / 5}};
  } else if (charleston) {
    hits = {{0, kQuarter * 3 / 4}, {kQuarter + kSwungOff, kQuarter * 3 / 2}};
  } else {
    hits = {{kSwungOff, kQuarter / 2}, {2 * kQuarter, kQuarter}};
  }
  for (const auto& [offset, length] : hits)
    for (int key : voicing(span.chord))
      track.note(span.tick + offset, length, key, offset == 0 ? 66 : 60);
}

// Ride, hi-hat and a feathered bass drum on a grid of swung triplet eighths.
void drums(Track& track, int bar, bool sectionStart, bool sectionEnd) {
  constexpr int kTriplet = kQuarter / 3;
  const int start = bar * kBar;
  if (sectionStart) {
    steps(track, start, gm::kCrash, "x", 80, kTriplet);
    steps(track, start, gm::kBassDrum, "x", 75, kTriplet);
  }
  steps(track, start, gm::kRide, "x..x.xx..x.x", 72, kTriplet);
  steps(track, start, gm::kPedalHiHat, "...x.....x..", 70, kTriplet);
  steps(track, start, gm::kBassDrum, "o..o..o..o..", 60, kTriplet);
  if (sectionEnd) {
    steps(track, start, gm::kSnare, "......o.ox.X", 70, kTriplet);
    return;
  }
  const std::vector<std::string> comping = {"............", ".....o......", "...........o",
                                            "..o.....o..."};
  steps(track, start, gm::kSnare, comping[bar % 4], 70, kTriplet);
}

}  // namespace

Score jzz33xg() {
  Score score(126, 4);
  const std::vector<Bar> bars = chart();
  const int barCount = static_cast<int>(bars.size());
  score.setLength(barCount * kBar);

  Track& drumTrack = score.track("Drums", gm::kDrumChannel);
  instrument(drumTrack, 0, 96, 64, 45);
  Track& bassTrack = score.track("Bass", 0);
  instrument(bassTrack, gm::kAcousticBass, 120, 60, 25);
  Track& pianoTrack = score.track("Piano", 1);
  instrument(pianoTrack, gm::kAcousticGrandPiano, 84, 48, 45);
  Track& vibesTrack = score.track("Vibraphone", 2);
  instrument(vibesTrack, gm::kVibraphone, 100, 80, 55);
  Track& saxTrack = score.track("Tenor Sax", 3);
  instrument(saxTrack, gm::kTenorSax, 96, 76, 55);

  const std::vector<Span> all = spans(bars);
  int bassNote = 41;
  for (size_t i = 0; i < all.size(); ++i) {
    const Span& span = all[i];
    const Chord& next = all[(i + 1) % all.size()].chord;  // the last bar walks into the vamp
    const int bar = span.tick / kBar;
    bassNote = walk(bassTrack, span, next, bassNote, bar % 2 == 1);
    comp(pianoTrack, span, bar % 2 == 0);
  }
  for (int bar = 0; bar < barCount; ++bar) {
    const bool sectionStart = bar == 0 || (bar - 4) % 8 == 0;
    const bool sectionEnd = bar == 3 || (bar - 4) % 8 == 7;
    drums(drumTrack, bar, sectionStart, sectionEnd);
  }

  const PhraseStyle tune{.velocity = 88, .legato = 0.9, .swing = true, .accent = 6};
  for (int section : {4, 12, 28}) {
    const int tick = phrase(vibesTrack, section * kBar, kA, tune);
    phrase(vibesTrack, tick, section == 12 ? kAEndSecond : kAEndFirst, tune);
  }
  phrase(saxTrack, 20 * kBar, kBridge, tune);
  return score;
}

}  // namespace velko::midi
