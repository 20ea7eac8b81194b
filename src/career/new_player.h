#pragma once
// The rolls of a new player: the default name, three dice of piloting skill (3 to 18) and
// 1000 to 1600 Rl of starting money.

#include "core/random.h"
#include "model/owner.h"

namespace velko {

void initPlayer(Owner& player, Random& rnd);

}  // namespace velko
