#include "music/midi_phrase.h"

#include <sstream>
#include <stdexcept>
#include <vector>

#include "music/general_midi.h"

namespace velko::midi {

namespace {

std::vector<std::string> split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::string part;
  std::istringstream in(text);
  while (std::getline(in, part, separator))
    if (!part.empty()) parts.push_back(part);
  return parts;
}

}  // namespace

int noteNumber(const std::string& name) {
  static const int kSteps[7] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
  if (name.size() < 2 || name[0] < 'A' || name[0] > 'G')
    throw std::invalid_argument("bad note: " + name);
  int key = kSteps[name[0] - 'A'];
  size_t at = 1;
  if (name[at] == '#') {
    ++key;
    ++at;
  } else if (name[at] == 'b') {
    --key;
    ++at;
  }
  if (at >= name.size()) throw std::invalid_argument("bad note: " + name);
  const int octave = std::stoi(name.substr(at));
  return key + (octave + 1) * 12;
}

int durationTicks(const std::string& code) {
  if (code.empty()) throw std::invalid_argument("empty duration");
  int ticks = 0;
  switch (code[0]) {
    case 'w':
      ticks = kTicksPerQuarter * 4;
      break;
    case 'h':
      ticks = kTicksPerQuarter * 2;
      break;
    case 'q':
      ticks = kTicksPerQuarter;
      break;
    case 'e':
      ticks = kTicksPerQuarter / 2;
      break;
    case 's':
      ticks = kTicksPerQuarter / 4;
      break;
    default:
      throw std::invalid_argument("bad duration: " + code);
  }
  if (code.size() == 2 && code[1] == '.') return ticks + ticks / 2;
  if (code.size() != 1) throw std::invalid_argument("bad duration: " + code);
  return ticks;
}

int swingTick(int tick) {
  const int beat = tick / kTicksPerQuarter;
  const int within = tick % kTicksPerQuarter;
  const int half = kTicksPerQuarter / 2;
  const int swung = kTicksPerQuarter * 2 / 3;
  if (within < half) return beat * kTicksPerQuarter + within * swung / half;
  return beat * kTicksPerQuarter + swung + (within - half) * (kTicksPerQuarter - swung) / half;
}

int phrase(Track& track, int startTick, const std::string& notes, const PhraseStyle& style) {
  int tick = startTick;
  for (const std::string& token : split(notes, ' ')) {
    const size_t colon = token.find(':');
    if (colon == std::string::npos) throw std::invalid_argument("bad token: " + token);
    const int length = durationTicks(token.substr(colon + 1));
    const std::string pitches = token.substr(0, colon);
    if (pitches != "r") {
      int begin = tick;
      int end = tick + static_cast<int>(length * style.legato);
      if (style.swing) {
        begin = swingTick(tick - startTick) + startTick;
        end = swingTick(tick - startTick + static_cast<int>(length * style.legato)) + startTick;
      }
      const bool onBeat = (tick - startTick) % kTicksPerQuarter == 0;
      const int velocity = style.velocity + (onBeat ? style.accent : 0);
      for (const std::string& pitch : split(pitches, '+'))
        track.note(begin, end - begin, noteNumber(pitch) + style.transpose, velocity);
    }
    tick += length;
  }
  return tick;
}

void steps(Track& track, int startTick, int key, const std::string& pattern, int velocity,
           int stepTicks) {
  for (size_t i = 0; i < pattern.size(); ++i) {
    const int tick = startTick + static_cast<int>(i) * stepTicks;
    if (pattern[i] == 'X') track.note(tick, stepTicks / 2, key, velocity + 25);
    if (pattern[i] == 'x') track.note(tick, stepTicks / 2, key, velocity);
    if (pattern[i] == 'o') track.note(tick, stepTicks / 2, key, velocity * 55 / 100);
  }
}

void instrument(Track& track, int program, int volume, int pan, int reverb) {
  track.program(0, program);
  track.controller(0, gm::kVolume, volume);
  track.controller(0, gm::kExpression, 127);
  track.controller(0, gm::kPan, pan);
  track.controller(0, gm::kReverb, reverb);
}

}  // namespace velko::midi
