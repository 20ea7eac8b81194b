#include "core/random.h"

#include <chrono>
#include <stdexcept>

namespace velko {

namespace {

uint64_t clockTicks() {
  return static_cast<uint64_t>(
      std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

}  // namespace

ClockRandom::ClockRandom() {
  std::random_device device;
  std::seed_seq seq{device(), device(), static_cast<unsigned>(clockTicks()),
                    static_cast<unsigned>(clockTicks() >> 32)};
  engine_.seed(seq);
}

ClockRandom::ClockRandom(uint64_t seed) : engine_(seed) {}

double ClockRandom::next() {
  // 53 random bits give every double in [0, 1) with equal spacing; never 1.0.
  return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

void ClockRandom::reseedFromClock() {
  std::seed_seq seq{static_cast<unsigned>(engine_()), static_cast<unsigned>(engine_() >> 32),
                    static_cast<unsigned>(clockTicks()), static_cast<unsigned>(clockTicks() >> 32)};
  engine_.seed(seq);
}

ScriptedRandom::ScriptedRandom(std::vector<double> numbers) : numbers_(std::move(numbers)) {}

void ScriptedRandom::push(double r) {
  numbers_.push_back(r);
}

void ScriptedRandom::pushFace(int face, int sides) {
  // The middle of the face's interval, so Int(r * sides) + 1 gives exactly `face`.
  numbers_.push_back((face - 0.5) / sides);
}

double ScriptedRandom::next() {
  if (pos_ >= numbers_.size()) throw std::logic_error("scripted random source ran out of numbers");
  return numbers_[pos_++];
}

}  // namespace velko
