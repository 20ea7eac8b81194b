#include "sim/player_bouts.h"

namespace velko::sim {

std::vector<BoutTally> playAgainstRoster(const DollRef& player,
                                         const std::vector<RosterDoll>& roster, int fights,
                                         Random& rnd) {
  std::vector<BoutTally> tallies;
  for (const RosterDoll& opponent : roster)
    tallies.push_back(playBout(player, opponent.doll, fights, rnd));
  return tallies;
}

BoutTally againstClassOf(const std::vector<RosterDoll>& roster,
                         const std::vector<BoutTally>& tallies, DollClass c) {
  BoutTally sum;
  for (size_t i = 0; i < roster.size() && i < tallies.size(); ++i) {
    if (roster[i].dollClass == c) sum += tallies[i];
  }
  return sum;
}

}  // namespace velko::sim
