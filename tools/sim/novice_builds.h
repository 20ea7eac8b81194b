#pragma once
// First Dolls a new pilot could buy: shop parts within a starting purse, the starter software
// the shop hands out, and six patterns written the way the program editor's guide advises
// (a move to close in, a spin to get up, an escape from a hold).

#include <cstdint>
#include <string>
#include <vector>

#include "data/files/game_folder.h"
#include "model/doll.h"
#include "shop/starter_software.h"

namespace velko::sim {

// The middle of the new player's purse (1000-1600 Rl).
inline constexpr int kNoviceBudget = 1300;

struct PatternRecipe {
  std::string name;
  std::vector<int16_t> actions;
};

struct BuildRecipe {
  std::string name;
  int16_t motor = 0;
  int16_t frame = 0;
  int16_t hard = 0;
  std::vector<int16_t> boosters;
  std::vector<int16_t> protectors;
  std::vector<PatternRecipe> patterns;
};

const std::vector<BuildRecipe>& noviceBuilds();

struct AssembledBuild {
  DollRef doll;
  int price = 0;                    // what the shop charges (the software is free)
  int memoryUsed = 0;               // by the six patterns
  std::vector<std::string> faults;  // what would stop a pilot building it
};

// The Doll as the workshop assembles and programs it for a pilot of this skill.
AssembledBuild assemble(const GameFolder& folder, const BuildRecipe& recipe, int16_t skillPlay);

}  // namespace velko::sim
