#pragma once
// What is decided for a fighter: the pattern of this action and the direction of each move.
// The player's dialogs and the computer answer through the same interface.

#include <cstdint>

#include "battle/battle_state.h"
#include "model/action.h"

namespace velko {

// Move directions.
inline constexpr int16_t kCloseIn = 0;
inline constexpr int16_t kBackAway = 1;

class FightController {
 public:
  virtual ~FightController() = default;
  // The pattern fighter i runs now (it may be the empty pattern), or nullptr to pass.
  virtual const Logic* choosePattern(const BattleState& state, int i) = 0;
  // Direction of fighter i's move in `slot` of `pattern`: 0 closes in, anything else backs away.
  // A player's controller writes its dialog's state line with setDMove before asking.
  virtual int16_t chooseMove(const BattleState& state, int i, int slot, const Logic& pattern) = 0;
};

// The pattern a pattern dialog's answer names: n is the pattern number plus 1; 0 or less, or a
// number beyond the Doll's patterns, is no order.
const Logic* chosenPattern(const doll& d, int n);

}  // namespace velko
