#pragma once
// A series of computer-against-computer fights between two Dolls, the seats taking turns: the
// rules library's series, for the simulator's tables.

#include "core/random.h"
#include "lab/bout.h"
#include "model/doll.h"

namespace velko::sim {

using velko::BoutTally;
using velko::kDefaultStepCap;
using velko::restoreHitPoints;

// `fights` fights; a sits in seat 0 in the even-numbered ones. Each fight is fought by copies
// of a and b at full hit points; a and b themselves are left as they are.
BoutTally playBout(const DollRef& a, const DollRef& b, int fights, Random& rnd,
                   int stepCap = kDefaultStepCap);

}  // namespace velko::sim
