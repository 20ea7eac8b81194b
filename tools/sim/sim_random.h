#pragma once
// The simulator's dice: a plain seeded sequence. The game reseeds from the clock before every
// roll; here that is ignored so that a run with the same seed gives the same table.

#include <cstdint>

#include "core/random.h"

namespace velko::sim {

class SeededRandom : public Random {
 public:
  explicit SeededRandom(uint64_t seed);
  double next() override;
  void reseedFromClock() override {}

 private:
  uint64_t state_;
};

}  // namespace velko::sim
