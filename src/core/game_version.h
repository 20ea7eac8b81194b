#pragma once
// The game's own version, as the build names it (0.2.0): for the version box and --version.

#include <string>

namespace velko {

std::string gameVersion();

}  // namespace velko
