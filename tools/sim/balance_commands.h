#pragma once
// The balance commands of the simulator: the summed-up careers (sensible, coached, newcomer)
// and the ladder curve,
// each printed as tables and, when asked, written as CSV files and SVG charts.

#include "sim/sim_options.h"

namespace velko::sim {

int runPolicyCareers(const SimOptions& o);
int runLadder(const SimOptions& o);

}  // namespace velko::sim
