#pragma once
// The simulator's dice are the rules library's seeded source.

#include "core/seeded_random.h"

namespace velko::sim {

using velko::SeededRandom;

}  // namespace velko::sim
