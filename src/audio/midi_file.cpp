#include "audio/midi_file.h"

#include <algorithm>
#include <cstring>

namespace velko::audio {

namespace {

// Reads big-endian numbers and variable-length quantities; fails past the end of its range.
class Reader {
 public:
  Reader(const std::vector<uint8_t>& bytes, size_t begin, size_t end)
      : bytes_(bytes), at_(begin), end_(end) {}

  bool done() const { return at_ >= end_; }
  bool failed() const { return failed_; }
  size_t at() const { return at_; }

  uint32_t byte() {
    if (at_ >= end_) {
      failed_ = true;
      return 0;
    }
    return bytes_[at_++];
  }
  uint32_t number(int size) {
    uint32_t value = 0;
    for (int i = 0; i < size; ++i)
      value = (value << 8) | byte();
    return value;
  }
  uint32_t variable() {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i) {
      const uint32_t b = byte();
      value = (value << 7) | (b & 0x7F);
      if ((b & 0x80) == 0) return value;
    }
    failed_ = true;
    return value;
  }
  void skip(uint32_t count) {
    if (count > end_ - at_) {
      failed_ = true;
      at_ = end_;
      return;
    }
    at_ += count;
  }
  bool tag(const char* name) {
    if (end_ - at_ < 4 || std::memcmp(&bytes_[at_], name, 4) != 0) return false;
    at_ += 4;
    return true;
  }

 private:
  const std::vector<uint8_t>& bytes_;
  size_t at_;
  size_t end_;
  bool failed_ = false;
};

// One event of a track, in ticks; a tempo change when tempo is not 0. Ticks are counted in 64
// bits: a track's delta times may add up past 32.
struct TickEvent {
  uint64_t tick;
  uint32_t tempo;  // microseconds a quarter
  MidiMessage message;
};

int dataBytes(uint32_t status) {
  const uint32_t kind = status & 0xF0;
  return (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
}

// Reads one track's events; returns the tick of its end, nothing when it is broken.
std::optional<uint64_t> readTrack(Reader& reader, std::vector<TickEvent>& events) {
  uint64_t tick = 0;
  uint32_t running = 0;
  while (!reader.done()) {
    tick += reader.variable();
    uint32_t status = reader.byte();
    if (status == 0xFF) {
      const uint32_t type = reader.byte();
      const uint32_t size = reader.variable();
      if (type == 0x51 && size == 3) {
        // A tempo of 0 has no meaning; taken as one it would become a message of status 0.
        const uint32_t tempo = reader.number(3);
        if (tempo != 0) events.push_back({tick, tempo, {}});
      } else {
        reader.skip(size);
      }
      if (reader.failed()) return std::nullopt;
      if (type == 0x2F) return tick;
      continue;
    }
    if (status == 0xF0 || status == 0xF7) {
      reader.skip(reader.variable());
      continue;
    }
    MidiMessage message;
    if (status & 0x80) {
      running = status;
      message.data1 = reader.byte();
    } else {
      if (running == 0) return std::nullopt;
      message.data1 = status;  // running status: this was already the first data byte
    }
    message.status = running;
    if (dataBytes(running) == 2) message.data2 = reader.byte();
    if (reader.failed()) return std::nullopt;
    events.push_back({tick, 0, message});
  }
  return std::nullopt;  // a track must close with its end-of-track event
}

}  // namespace

std::optional<MidiSong> readMidiSong(const std::vector<uint8_t>& bytes) {
  Reader header(bytes, 0, bytes.size());
  if (!header.tag("MThd")) return std::nullopt;
  const uint32_t headerSize = header.number(4);
  header.skip(2);  // the format: the chunks themselves say what there is
  const uint32_t trackCount = header.number(2);
  const uint32_t division = header.number(2);
  if (header.failed() || headerSize < 6 || division == 0 || (division & 0x8000))
    return std::nullopt;
  header.skip(headerSize - 6);
  if (header.failed()) return std::nullopt;

  std::vector<TickEvent> events;
  uint64_t endTick = 0;
  int tracks = 0;
  size_t at = header.at();
  while (at + 8 <= bytes.size()) {
    Reader chunk(bytes, at, bytes.size());
    const bool isTrack = chunk.tag("MTrk");
    if (!isTrack) chunk.skip(4);
    const uint32_t size = chunk.number(4);
    const size_t begin = chunk.at();
    if (size > bytes.size() - begin) return std::nullopt;
    at = begin + size;
    if (!isTrack) continue;
    Reader track(bytes, begin, at);
    const std::optional<uint64_t> end = readTrack(track, events);
    if (!end) return std::nullopt;
    endTick = std::max(endTick, *end);
    ++tracks;
  }
  // Fewer tracks than the header promises: the file was cut off.
  if (tracks == 0 || static_cast<uint32_t>(tracks) < trackCount) return std::nullopt;

  // Ticks to milliseconds along the tempo changes of every track (120 a minute at first).
  std::stable_sort(events.begin(), events.end(),
                   [](const TickEvent& a, const TickEvent& b) { return a.tick < b.tick; });
  MidiSong song;
  uint32_t tempo = 500000;
  uint64_t lastTick = 0;
  double lastMs = 0;
  auto msAt = [&](uint64_t tick) {
    return lastMs + static_cast<double>(tick - lastTick) * (tempo / 1000.0) / division;
  };
  for (const TickEvent& event : events) {
    const double ms = msAt(event.tick);
    if (event.tempo != 0) {
      lastMs = ms;
      lastTick = event.tick;
      tempo = event.tempo;
      continue;
    }
    MidiMessage message = event.message;
    message.ms = ms;
    song.messages.push_back(message);
  }
  song.lengthMs = msAt(std::max(endTick, lastTick));
  return song;
}

}  // namespace velko::audio
