#include "core/random.h"

#include <bit>
#include <chrono>
#include <random>
#include <stdexcept>

namespace velko {

namespace {

uint64_t clockTicks() {
  return static_cast<uint64_t>(
      std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

// Spreads a seed over 64 bits; advances the seed as it goes.
uint64_t splitMix(uint64_t& x) {
  uint64_t z = (x += 0x9e3779b97f4a7c15ULL);
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
  return z ^ (z >> 31);
}

}  // namespace

ClockRandom::ClockRandom() {
  std::random_device device;
  seed((static_cast<uint64_t>(device()) << 32) ^ device() ^ clockTicks());
}

ClockRandom::ClockRandom(uint64_t seedValue) {
  seed(seedValue);
}

void ClockRandom::seed(uint64_t seedValue) {
  for (uint64_t& word : state_)
    word = splitMix(seedValue);
}

uint64_t ClockRandom::nextBits() {
  const uint64_t result = std::rotl(state_[1] * 5, 7) * 9;
  const uint64_t t = state_[1] << 17;
  state_[2] ^= state_[0];
  state_[3] ^= state_[1];
  state_[1] ^= state_[2];
  state_[0] ^= state_[3];
  state_[2] ^= t;
  state_[3] = std::rotl(state_[3], 45);
  return result;
}

double ClockRandom::next() {
  // 53 random bits give every double in [0, 1) with equal spacing; never 1.0.
  return static_cast<double>(nextBits() >> 11) * 0x1.0p-53;
}

void ClockRandom::reseedFromClock() {
  uint64_t mix = clockTicks();
  state_[0] ^= splitMix(mix);
  state_[1] ^= splitMix(mix);
  // An all-zero state would stick; it cannot come back from a xor with fresh clock bits
  // in practice, but guard it all the same.
  if ((state_[0] | state_[1] | state_[2] | state_[3]) == 0) seed(mix);
  nextBits();
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
