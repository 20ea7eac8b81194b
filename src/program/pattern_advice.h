#pragma once
// The pattern dialog's 「おすすめ」: the pattern the Doll's own program would choose now, by the
// computer's rule, and why in one line. It reads the fight and rolls no dice, so showing it
// never changes what happens.

#include <string>

#include "battle/battle_state.h"

namespace velko {

struct PatternAdvice {
  int row = -1;     // the dialog's row (0-5), or -1 when the rule would wait with no pattern
  std::string why;  // the action points, the distance and the rule that chose
};

PatternAdvice advisePattern(const BattleState& s, int me);

}  // namespace velko
