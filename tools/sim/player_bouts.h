#pragma once
// One Doll (a save slot's, or a fresh build) against each registry Doll in turn.

#include <vector>

#include "core/random.h"
#include "sim/bout.h"
#include "sim/registry_roster.h"

namespace velko::sim {

// The player's view of its fights against each roster Doll, in roster order.
std::vector<BoutTally> playAgainstRoster(const DollRef& player,
                                         const std::vector<RosterDoll>& roster, int fights,
                                         Random& rnd);

// The sum over the opponents of one class.
BoutTally againstClassOf(const std::vector<RosterDoll>& roster,
                         const std::vector<BoutTally>& tallies, DollClass c);

}  // namespace velko::sim
