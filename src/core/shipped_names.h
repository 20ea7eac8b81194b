#pragma once
// Part names of the catalogue, the factory opponents' names and the names of their action
// patterns, in the player's language.
// Files keep the Japanese names; any other name (one the player typed) is shown as it is.

#include <string>

namespace velko {

std::string shownPartName(const std::string& name);
std::string shownDollName(const std::string& name);
// A pattern of a factory opponent in the player's language; the patterns of a Doll with any
// other name are the player's own and are shown as typed.
std::string shownPatternName(const std::string& dollName, const std::string& patternName);

}  // namespace velko
