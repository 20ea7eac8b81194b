#pragma once
// velko-sim practice: the practice lab of the game on a saved Doll, printed.

#include <ostream>

#include "sim/sim_options.h"

namespace velko::sim {

// Loads slot o.slot's Doll and the opponents o.against names from the registry o.registry,
// runs the lab's fights and prints what the lab screen shows. Returns the exit status.
int runPracticeCommand(const SimOptions& o, std::ostream& out, std::ostream& err);

}  // namespace velko::sim
