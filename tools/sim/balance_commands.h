#pragma once
// The balance commands of the simulator: the sensible pilot's careers and the ladder curve,
// each printed as tables and, when asked, written as CSV files and SVG charts.

#include "sim/sim_options.h"

namespace velko::sim {

int runSensibleCareers(const SimOptions& o);
int runLadder(const SimOptions& o);

}  // namespace velko::sim
