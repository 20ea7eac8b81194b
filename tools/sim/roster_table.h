#pragma once
// Every registry Doll against every other: the raw tallies and the sums the report shows.

#include <vector>

#include "core/random.h"
#include "sim/bout.h"
#include "sim/registry_roster.h"

namespace velko::sim {

struct RosterTable {
  std::vector<RosterDoll> dolls;
  // bouts[i][j]: Doll i's view of its fights against Doll j (empty on the diagonal).
  std::vector<std::vector<BoutTally>> bouts;
};

// `fights` fights for each pair of Dolls.
RosterTable playRoster(std::vector<RosterDoll> dolls, int fights, Random& rnd);

// Doll i against all the others, and against the others of its own class.
BoutTally againstAll(const RosterTable& table, size_t i);
BoutTally againstClass(const RosterTable& table, size_t i, DollClass c);

// The Dolls of class a against those of class b, from a's side.
BoutTally classAgainstClass(const RosterTable& table, DollClass a, DollClass b);

// Every fight once.
BoutTally allFights(const RosterTable& table);

}  // namespace velko::sim
