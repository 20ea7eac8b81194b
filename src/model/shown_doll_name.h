#pragma once
// A Doll's name and its patterns' names as the player reads them: a factory opponent's in the
// player's language, any other Doll's as they were typed.

#include <string>

#include "model/doll.h"

namespace velko {

std::string shownDollName(const doll& d);
std::string shownPatternName(const doll& d, const std::string& patternName);

}  // namespace velko
