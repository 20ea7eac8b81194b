#pragma once
// A pilot's saved Doll, loaded as the game loads a slot, for fights against the registry.

#include <cstdint>

#include "data/files/game_folder.h"
#include "model/doll.h"

namespace velko::sim {

// Slot svNum into index 0 with the game's loaders, recomputed for its pilot. Whatever the
// loaders report goes to stderr. Null when the slot gives no Doll that can fight.
DollRef loadSlotDoll(const GameFolder& folder, int16_t svNum);

}  // namespace velko::sim
