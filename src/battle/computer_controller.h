#pragma once
// The computer fighter: the pattern search and the move rule, for either side.

#include "battle/fight_controller.h"

namespace velko {

class ComputerController : public FightController {
 public:
  const Logic* choosePattern(const BattleState& state, int i) override;
  int16_t chooseMove(const BattleState& state, int i, int slot, const Logic& pattern) override;
};

}  // namespace velko
