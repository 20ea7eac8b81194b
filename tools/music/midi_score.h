#pragma once
// A piece of music as tracks of timed MIDI events, written out as a Standard MIDI File
// (format 1: a tempo track, then one track per instrument). The game's tracks are composed
// with it at build time, and tests make short tracks with it.

#include <cstdint>
#include <deque>
#include <string>
#include <utility>
#include <vector>

namespace velko::midi {

inline constexpr int kTicksPerQuarter = 480;
inline constexpr int kQuarter = kTicksPerQuarter;
inline constexpr int kEighth = kQuarter / 2;
inline constexpr int kSixteenth = kQuarter / 4;

class Track {
 public:
  Track(std::string name, int channel) : name_(std::move(name)), channel_(channel) {}

  const std::string& name() const { return name_; }
  int channel() const { return channel_; }

  void program(int tick, int program);
  void controller(int tick, int number, int value);
  // -8192 (down) to 8191 (up); 0 is no bend.
  void pitchBend(int tick, int value);
  void note(int tick, int length, int key, int velocity);

  // The track chunk's body, ending at endTick; events past it are left out.
  std::vector<uint8_t> body(int endTick) const;

 private:
  struct Event {
    int tick;
    int order;  // at one tick: settings, then note-offs, then note-ons
    std::vector<uint8_t> bytes;
  };
  void add(int tick, int order, std::vector<uint8_t> bytes);

  std::string name_;
  int channel_;
  std::vector<Event> events_;
};

class Score {
 public:
  Score(double bpm, int beatsPerBar);

  void tempo(int tick, double bpm);
  // Tracks stay where they are while more are added.
  Track& track(const std::string& name, int channel);
  // Where every track ends: the end of the last bar, so that a loop starts on the beat.
  void setLength(int ticks) { length_ = ticks; }
  int length() const { return length_; }
  int ticksPerBar() const { return beatsPerBar_ * kTicksPerQuarter; }

  std::vector<uint8_t> smf() const;
  bool write(const std::string& path) const;

 private:
  int beatsPerBar_;
  int length_ = 0;
  std::vector<std::pair<int, double>> tempos_;
  std::deque<Track> tracks_;
};

}  // namespace velko::midi
