#include "model/shown_doll_name.h"

#include "core/shipped_names.h"

namespace velko {

// The registry number tells a factory opponent from a player's Doll of the same name.
std::string shownDollName(const doll& d) {
  return shownDollName(d.ID, d.name);
}

std::string shownPatternName(const doll& d, const std::string& patternName) {
  return shownPatternName(d.ID, d.name, patternName);
}

}  // namespace velko
