#pragma once
// The dice of the game: a die is Int(r * 6) + 1; two dice add two fresh numbers.

#include "core/random.h"

namespace velko {

int die(Random& rnd);
int roll2D6(Random& rnd);
int roll2D8(Random& rnd);

}  // namespace velko
