#include "sim/bout.h"

namespace velko::sim {

BoutTally playBout(const DollRef& a, const DollRef& b, int fights, Random& rnd, int stepCap) {
  return playSeries(*a, *b, fights, rnd, stepCap).tally;
}

}  // namespace velko::sim
