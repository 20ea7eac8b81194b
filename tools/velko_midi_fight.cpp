// "fight", the battle music: driving and tense, E minor at 150 beats a minute. Palm-muted
// guitar and a picked bass pound eighths under strings; a square lead and synth brass take
// the tune; a breakdown of war drums and timpani builds the tension again before the
// Phrygian F pulls back to E. 40 bars, about 64 seconds, looping on the B chord's pull to E.

#include <string>
#include <vector>

#include "music/general_midi.h"
#include "music/midi_phrase.h"
#include "music/midi_score.h"

namespace velko::midi {

namespace {

constexpr int kBar = 4 * kQuarter;

struct Chord {
  int bassRoot;         // in the bass register
  std::string strings;  // the strings' voicing
};

const Chord kEm{40, "E4+G4+B4"};
const Chord kC{36, "E4+G4+C5"};
const Chord kD{38, "D4+F#4+A4"};
const Chord kB{35, "D#4+F#4+B4"};
const Chord kAm{33, "E4+A4+C5"};
const Chord kF{41, "F4+A4+C5"};

const std::vector<Chord> kVerse = {kEm, kEm, kC, kD, kEm, kEm, kC, kB};
const std::vector<Chord> kRise = {kAm, kEm, kF, kEm, kAm, kEm, kF, kB};
const std::vector<Chord> kBreak = {kEm, kC, kEm, kD, kEm, kC, kF, kB};

enum class Section { Verse, Rise, Tune, Break, TuneHigh };

// Eight bars each: verse, rise, the tune over the verse, breakdown, the tune over the rise.
const std::vector<Section> kForm = {Section::Verse, Section::Rise, Section::Tune, Section::Break,
                                    Section::TuneHigh};

const std::vector<Chord>& chordsOf(Section section) {
  if (section == Section::Rise || section == Section::TuneHigh) return kRise;
  if (section == Section::Break) return kBreak;
  return kVerse;
}

const char* kTune =
    "E5:q G5:q B5:q. A5:e  G5:e F#5:e E5:q B4:h  C5:q E5:q G5:q E5:q  F#5:q. A5:e D6:h "
    "E6:q D6:e B5:e G5:q E5:q  F#5:q G5:q A5:q B5:q  C6:h B5:q G5:q  D#6:h F#5:h";
const char* kTuneHigh =
    "A5:q. C6:e E6:h  D6:e C6:e B5:q G5:h  F5:q A5:q C6:q A5:q  B5:h. G5:q "
    "C6:q B5:q A5:q E5:q  G5:q. F#5:e E5:h  F5:q A5:q C6:q F6:q  D#6:q F#6:q B5:h";

void drums(Track& track, int start, Section section, bool lastBar) {
  if (section == Section::Break) {
    // War drums: floor toms and bass drum, no cymbals until the last bar's roll.
    steps(track, start, gm::kBassDrum, "X.......X.......", 100);
    steps(track, start, gm::kLowFloorTom, "x..x..x.x..x..x.", 95);
    steps(track, start, gm::kHighFloorTom, "....x.......x..x", 85);
    if (lastBar) steps(track, start, gm::kSnare, "........xxxxXXXX", 85);
    return;
  }
  const bool tune = section == Section::Tune || section == Section::TuneHigh;
  steps(track, start, gm::kBassDrum, "X..x..x.X..x..x.", 105);
  steps(track, start, gm::kSnare, lastBar ? "....X.......XxXX" : "....X.......X...", 100);
  steps(track, start, gm::kClosedHiHat, tune ? "xoxoxoxoxoxoxoxo" : "x.x.x.x.x.x.x.x.", 75);
}

void bass(Track& track, int start, Section section, const Chord& chord) {
  if (section == Section::Break) {
    track.note(start, kBar - kEighth, chord.bassRoot, 100);
    return;
  }
  // Eighths on the root, the octave thrown in before the next bar.
  const std::vector<int> eighths = {0, 0, 0, 0, 0, 0, 12, 0};
  const std::vector<int> accents = {115, 80, 90, 100, 84, 90, 105, 88};
  for (int i = 0; i < 8; ++i)
    track.note(start + i * kEighth, kEighth * 3 / 4, chord.bassRoot + eighths[i], accents[i]);
}

void guitar(Track& track, int start, Section section, const Chord& chord) {
  const int root = chord.bassRoot + 12;
  if (section == Section::Break) return;
  if (section == Section::Rise) {
    // Held power chords: the rise breathes before the tune comes in.
    for (int interval : {0, 7, 12})
      track.note(start, kBar - kSixteenth, root + interval, 96);
    return;
  }
  // Palm-muted eighths that follow the bass drum's accents.
  const std::vector<int> accents = {112, 70, 75, 104, 70, 75, 104, 78};
  for (int i = 0; i < 8; ++i)
    for (int interval : {0, 7})
      track.note(start + i * kEighth, kEighth / 2, root + interval, accents[i]);
}

}  // namespace

Score fight() {
  Score score(150, 4);
  score.setLength(static_cast<int>(kForm.size()) * 8 * kBar);

  Track& drumTrack = score.track("Drums", gm::kDrumChannel);
  instrument(drumTrack, 0, 104, 64, 35);
  Track& bassTrack = score.track("Bass", 0);
  instrument(bassTrack, gm::kPickedBass, 110, 64, 10);
  Track& guitarTrack = score.track("Guitar", 1);
  instrument(guitarTrack, gm::kDistortionGuitar, 78, 44, 25);
  Track& stringTrack = score.track("Strings", 2);
  instrument(stringTrack, gm::kStringEnsemble1, 80, 84, 70);
  Track& tremoloTrack = score.track("Tremolo Strings", 3);
  instrument(tremoloTrack, gm::kTremoloStrings, 84, 64, 70);
  Track& leadTrack = score.track("Lead", 4);
  instrument(leadTrack, gm::kSquareLead, 82, 70, 45);
  Track& brassTrack = score.track("Brass", 5);
  instrument(brassTrack, gm::kSynthBrass1, 96, 58, 50);
  Track& timpaniTrack = score.track("Timpani", 6);
  instrument(timpaniTrack, gm::kTimpani, 100, 64, 60);
  Track& hitTrack = score.track("Orchestra Hit", 7);
  instrument(hitTrack, gm::kOrchestraHit, 80, 64, 50);

  for (size_t part = 0; part < kForm.size(); ++part) {
    const Section section = kForm[part];
    const std::vector<Chord>& chords = chordsOf(section);
    for (int i = 0; i < 8; ++i) {
      const int start = (static_cast<int>(part) * 8 + i) * kBar;
      const Chord& chord = chords[i];
      if (i == 0) drumTrack.note(start, kEighth, gm::kCrash, 110);
      drums(drumTrack, start, section, i == 7);
      bass(bassTrack, start, section, chord);
      guitar(guitarTrack, start, section, chord);
      if (section == Section::Break) {
        phrase(tremoloTrack, start, chord.strings + ":w", {.velocity = 70 + i * 5, .legato = 1});
        // Timpani: the root on the downbeat, a roll into the next bar at the end.
        timpaniTrack.note(start, kQuarter, chord.bassRoot + 12, 110);
        if (i % 2 == 1)
          for (int roll = 0; roll < 8; ++roll)
            timpaniTrack.note(start + 2 * kQuarter + roll * kSixteenth, kSixteenth,
                              chord.bassRoot + 12, 70 + roll * 6);
        continue;
      }
      if (section != Section::Verse)
        phrase(stringTrack, start, chord.strings + ":w", {.velocity = 72, .legato = 0.98});
      if (section == Section::Rise && i % 2 == 0) {
        phrase(hitTrack, start, chord.strings + ":e", {.velocity = 100});
        timpaniTrack.note(start, kQuarter, chord.bassRoot + 12, 105);
      }
    }
  }
  const PhraseStyle lead{.velocity = 96, .legato = 0.88, .accent = 8};
  phrase(leadTrack, 16 * kBar, kTune, lead);
  phrase(brassTrack, 32 * kBar, kTuneHigh, lead);
  return score;
}

}  // namespace velko::midi
