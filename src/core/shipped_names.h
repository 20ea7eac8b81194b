#pragma once
// Part names of the catalogue and the factory opponents' names, in the player's language.
// Files keep the Japanese names; any other name (one the player typed) is shown as it is.

#include <string>

namespace velko {

std::string shownPartName(const std::string& name);
std::string shownDollName(const std::string& name);

}  // namespace velko
