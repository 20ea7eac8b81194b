#pragma once
// The game folder the build assembles, read by the simulator's tests.

#include "data/files/game_folder.h"

namespace velko::sim {

inline const GameFolder kGame{VELKO_GAME_DIR};

}  // namespace velko::sim
