#pragma once
// A registry opponent as a league entrant. The registry keeps an opponent's statistics ready
// made rather than its parts, so it cannot become a Doll file; the league keeps its registry
// records instead, as the registry files write them, after a line `VELKO-REGISTRY-DOLL 1`.

#include <string>

#include "data/files/game_folder.h"
#include "model/doll.h"

namespace velko {

inline constexpr const char* kRegistryEntrantMagic = "VELKO-REGISTRY-DOLL 1";

// The text of registry Doll `number` as loaded (its statistics and patterns).
std::string registryEntrantText(const doll& d, int number);

bool isRegistryEntrant(const std::string& text);

// The Doll the text describes, built as the battle screen builds a registry opponent. Throws
// std::invalid_argument with the reason for a text it cannot read.
DollRef registryEntrantDoll(const GameFolder& folder, const std::string& text);

}  // namespace velko
