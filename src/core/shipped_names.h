#pragma once
// Part names of the catalogue, the factory opponents' names and the names of their action
// patterns, in the player's language.
// Files keep the Japanese names; any other name (one a player typed) is shown as it is, even
// when it is spelt like a shipped one.

#include <string>

namespace velko {

std::string shownPartName(const std::string& name);

// Whether registry Doll `number` named `name` is a factory opponent: the factory gives that
// number that name. The player's Doll (number 0), a Doll file's and a Doll a player registered
// (numbered after the factory's) are not, whatever their names.
bool isFactoryDoll(int number, const std::string& name);

// A factory opponent's name in the player's language; any other Doll's name as it was typed.
std::string shownDollName(int number, const std::string& name);
// A factory opponent's pattern in the player's language; the patterns of any other Doll are
// a player's own and are shown as typed.
std::string shownPatternName(int dollNumber, const std::string& dollName,
                             const std::string& patternName);

}  // namespace velko
