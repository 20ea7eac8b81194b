#pragma once
// Which way a move goes: the computer's rule, and the state line of the player's move dialog.

#include <cstdint>
#include <string>

#include "battle/battle_state.h"
#include "model/action.h"

namespace velko {

// Direction of the move in slot `index` of `logic`: 0 close in, 1 back away.
int16_t getHitAway(const BattleState& s, int index, const Logic& logic);

// Writes the move dialog's state line for fighter i; leaves it as it was when fighter i stands
// and nobody holds anybody.
void setDMove(const BattleState& s, int i, std::string& stateLabel);

}  // namespace velko
