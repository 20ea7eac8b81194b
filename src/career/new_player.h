#pragma once
// The rolls of a new player: the default name, three dice of piloting skill (3 to 18) and
// 1000 to 1600 Rl of starting money.

#include <memory>

#include "core/random.h"
#include "model/owner.h"

namespace velko {

void initPlayer(Owner& player, Random& rnd);

// A fresh record as the title screen makes one for each seat: no parts, and money rolled 1400 to
// 2400 (the new player's own money is rolled again by initPlayer).
std::shared_ptr<Owner> freshOwner(Random& rnd);

}  // namespace velko
