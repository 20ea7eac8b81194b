#pragma once
// Whole careers with random but legal choices, played through the game's own rules without a
// screen: shopping, mounting, programming, street fights, tournaments, work days, saving and
// loading. After every step the invariants a player relies on are checked.

#include <cstdint>
#include <string>
#include <vector>

#include "data/files/game_folder.h"

namespace velko::sim {

struct CareerTally {
  int runs = 0;
  int steps = 0;
  int fights = 0;
  int tournaments = 0;
  int championships = 0;
  int workDays = 0;
  int saves = 0;
  std::vector<std::string> violations;  // "run 12, step 40: money -5"
};

// Plays `runs` careers in a copy of the game folder (save slots are written there).
CareerTally playCareers(const GameFolder& game, int runs, uint64_t seed);

}  // namespace velko::sim
