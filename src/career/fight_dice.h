#pragma once
// Where a fight session's dice come from: a clock-seeded source of its own, unless a test or
// the simulator has put other dice in place for a while. The draws, the bracket and the rolls
// after a fight stay on the game's own source either way.

#include "core/random.h"

namespace velko {

// While one lives, fight sessions opened on this thread roll these dice. Overrides nest: the
// newest one holds until it ends.
class FightDiceOverride {
 public:
  explicit FightDiceOverride(Random& dice);
  ~FightDiceOverride();
  FightDiceOverride(const FightDiceOverride&) = delete;
  FightDiceOverride& operator=(const FightDiceOverride&) = delete;

  // The dice in place, or nullptr when a session should use its own.
  static Random* current();

 private:
  Random* previous_;
};

}  // namespace velko
