#pragma once
// A plain seeded sequence for runs that must repeat: the simulator, the practice lab and the
// tests. The game reseeds from the clock before rolls; this source ignores that, so the same
// seed always gives the same fights.

#include <cstdint>

#include "core/random.h"

namespace velko {

class SeededRandom : public Random {
 public:
  explicit SeededRandom(uint64_t seed);
  double next() override;
  void reseedFromClock() override {}

 private:
  uint64_t state_;
};

}  // namespace velko
