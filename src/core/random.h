#pragma once
// The random source behind every die of the game, behind a small interface so that tests
// can script each number.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace velko {

class Random {
 public:
  virtual ~Random() = default;
  // A uniform number in [0, 1).
  virtual double next() = 0;
  // Where the rules reseed from the clock.
  virtual void reseedFromClock() = 0;
};

// The game's own source (xoshiro256**). Reseeding mixes the clock into the running state, so
// two reseeds within one clock tick never restart the same sequence; it is cheap, as a fight
// reseeds before every roll of two dice.
class ClockRandom : public Random {
 public:
  ClockRandom();
  explicit ClockRandom(uint64_t seed);
  double next() override;
  void reseedFromClock() override;

 private:
  uint64_t nextBits();
  void seed(uint64_t seed);

  uint64_t state_[4] = {};
};

// A source that returns the given numbers in order; running past the end is a test error.
class ScriptedRandom : public Random {
 public:
  ScriptedRandom() = default;
  explicit ScriptedRandom(std::vector<double> numbers);
  void push(double r);
  // Queues the number that makes a die of `sides` show `face` (1-based).
  void pushFace(int face, int sides = 6);
  double next() override;
  void reseedFromClock() override { ++reseeds_; }
  int reseeds() const { return reseeds_; }
  size_t remaining() const { return numbers_.size() - pos_; }

 private:
  std::vector<double> numbers_;
  size_t pos_ = 0;
  int reseeds_ = 0;
};

}  // namespace velko
