#include "battle/computer_controller.h"

#include "battle/action_search.h"
#include "battle/move_direction.h"

namespace velko {

// The computer never passes: with nothing that fits it runs the empty pattern and waits.
const Logic* ComputerController::choosePattern(const BattleState& state, int i) {
  return &searchLogic(state, i);
}

int16_t ComputerController::chooseMove(const BattleState& state, int, int slot,
                                       const Logic& pattern) {
  return getHitAway(state, slot, pattern);
}

}  // namespace velko
