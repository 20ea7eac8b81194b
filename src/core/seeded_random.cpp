#include "core/seeded_random.h"

namespace velko {

SeededRandom::SeededRandom(uint64_t seed) : state_(seed) {}

// splitmix64: fast, and good enough for dice.
double SeededRandom::next() {
  state_ += 0x9e3779b97f4a7c15ULL;
  uint64_t z = state_;
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
  z ^= z >> 31;
  return static_cast<double>(z >> 11) * 0x1.0p-53;
}

}  // namespace velko
