#pragma once
// velko-sim league: a round robin of the Doll files of a folder (and the registry's Dolls), on
// every core, printed as a rating table; with --csv also the table and the cross table as CSV.

#include <ostream>

#include "sim/sim_options.h"

namespace velko::sim {

int runLeagueCommand(const SimOptions& o, std::ostream& out, std::ostream& err);

}  // namespace velko::sim
