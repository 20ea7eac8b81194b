#pragma once
// The registry's opponents, each loaded once with the battle screen's reader.

#include <string>
#include <vector>

#include "data/files/game_folder.h"
#include "model/doll.h"
#include "sim/doll_class.h"

namespace velko::sim {

// Which pair of registry files to read: the factory files under ini/ (what a reset restores)
// or the live registry under save/ (with the pilots' own registrations).
enum class RegistrySource { Factory, Save };

struct RosterDoll {
  int16_t number = 0;  // registry number
  DollRef doll;
  DollClass dollClass = DollClass::Novice;
};

// Every loadable Doll of the registry, in file order. Throws DataFileError when a file is
// missing.
std::vector<RosterDoll> loadRoster(const GameFolder& folder, RegistrySource source);

}  // namespace velko::sim
