#include "music/midi_score.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <utility>

namespace velko::midi {

namespace {

void putVariable(std::vector<uint8_t>& out, uint32_t value) {
  uint8_t groups[4];
  int count = 0;
  do {
    groups[count++] = value & 0x7F;
    value >>= 7;
  } while (value != 0 && count < 4);
  while (count > 1)
    out.push_back(groups[--count] | 0x80);
  out.push_back(groups[0]);
}

void putNumber(std::vector<uint8_t>& out, uint32_t value, int size) {
  for (int shift = (size - 1) * 8; shift >= 0; shift -= 8)
    out.push_back((value >> shift) & 0xFF);
}

void putChunk(std::vector<uint8_t>& out, const char* tag, const std::vector<uint8_t>& body) {
  out.insert(out.end(), tag, tag + 4);
  putNumber(out, body.size(), 4);
  out.insert(out.end(), body.begin(), body.end());
}

std::vector<uint8_t> meta(uint8_t type, const std::vector<uint8_t>& data) {
  std::vector<uint8_t> bytes = {0xFF, type};
  putVariable(bytes, data.size());
  bytes.insert(bytes.end(), data.begin(), data.end());
  return bytes;
}

std::vector<uint8_t> text(const std::string& s) {
  return std::vector<uint8_t>(s.begin(), s.end());
}

uint8_t data7(int value) {
  return static_cast<uint8_t>(std::clamp(value, 0, 127));
}

// Events sorted by time, each after its delta time, closed by the end of the track.
std::vector<uint8_t> eventsBody(std::vector<std::pair<int, std::vector<uint8_t>>> events,
                                int endTick) {
  std::vector<uint8_t> body;
  int last = 0;
  for (const auto& [tick, bytes] : events) {
    if (tick > endTick) break;
    putVariable(body, tick - last);
    body.insert(body.end(), bytes.begin(), bytes.end());
    last = tick;
  }
  putVariable(body, std::max(0, endTick - last));
  const std::vector<uint8_t> end = meta(0x2F, {});
  body.insert(body.end(), end.begin(), end.end());
  return body;
}

}  // namespace

void Track::add(int tick, int order, std::vector<uint8_t> bytes) {
  events_.push_back({std::max(0, tick), order, std::move(bytes)});
}

void Track::program(int tick, int program) {
  add(tick, 0, {static_cast<uint8_t>(0xC0 | channel_), data7(program)});
}

void Track::controller(int tick, int number, int value) {
  add(tick, 0, {static_cast<uint8_t>(0xB0 | channel_), data7(number), data7(value)});
}

void Track::pitchBend(int tick, int value) {
  const int raw = std::clamp(value + 8192, 0, 16383);
  add(tick, 0, {static_cast<uint8_t>(0xE0 | channel_), data7(raw & 0x7F), data7(raw >> 7)});
}

void Track::note(int tick, int length, int key, int velocity) {
  if (length <= 0 || velocity <= 0) return;
  add(tick, 2, {static_cast<uint8_t>(0x90 | channel_), data7(key), data7(velocity)});
  add(tick + length, 1, {static_cast<uint8_t>(0x80 | channel_), data7(key), 0});
}

std::vector<uint8_t> Track::body(int endTick) const {
  std::vector<Event> sorted = events_;
  std::stable_sort(sorted.begin(), sorted.end(), [](const Event& a, const Event& b) {
    return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
  });
  std::vector<std::pair<int, std::vector<uint8_t>>> events;
  events.push_back({0, meta(0x03, text(name_))});
  for (const Event& event : sorted) {
    // A note still held at the end is let go there, so that nothing hangs over a loop.
    if (event.tick > endTick && event.order == 1) {
      events.push_back({endTick, event.bytes});
      continue;
    }
    events.push_back({event.tick, event.bytes});
  }
  return eventsBody(std::move(events), endTick);
}

Score::Score(double bpm, int beatsPerBar) : beatsPerBar_(beatsPerBar) {
  tempo(0, bpm);
}

void Score::tempo(int tick, double bpm) {
  tempos_.push_back({tick, bpm});
}

Track& Score::track(const std::string& name, int channel) {
  return tracks_.emplace_back(name, channel);
}

std::vector<uint8_t> Score::smf() const {
  std::vector<uint8_t> out;
  std::vector<uint8_t> header;
  putNumber(header, 1, 2);  // format 1
  putNumber(header, tracks_.size() + 1, 2);
  putNumber(header, kTicksPerQuarter, 2);
  putChunk(out, "MThd", header);

  std::vector<std::pair<int, std::vector<uint8_t>>> conductor;
  conductor.push_back({0, meta(0x58, {static_cast<uint8_t>(beatsPerBar_), 2, 24, 8})});
  for (const auto& [tick, bpm] : tempos_) {
    std::vector<uint8_t> micros;
    putNumber(micros, static_cast<uint32_t>(std::lround(60000000.0 / bpm)), 3);
    conductor.push_back({tick, meta(0x51, micros)});
  }
  std::stable_sort(conductor.begin(), conductor.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  putChunk(out, "MTrk", eventsBody(std::move(conductor), length_));

  for (const Track& track : tracks_)
    putChunk(out, "MTrk", track.body(length_));
  return out;
}

bool Score::write(const std::string& path) const {
  const std::vector<uint8_t> bytes = smf();
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  out.close();
  return static_cast<bool>(out);
}

}  // namespace velko::midi
