#include "league/league.h"

#include "core/shown_text.h"

#include <algorithm>
#include <stdexcept>

#include "data/share/doll_share.h"
#include "league/registry_entrant.h"
#include "model/shown_doll_name.h"

namespace velko {

std::string entrantName(const GameFolder& folder, const std::string& text) {
  if (isRegistryEntrant(text)) {
    try {
      return shownDollName(*registryEntrantDoll(folder, text));
    } catch (const std::invalid_argument&) {
      return {};
    }
  }
  const std::string key = "\ndoll ";
  const std::string& dollFile = text;
  const size_t at = dollFile.find(key);
  if (at == std::string::npos) return {};
  const size_t from = at + key.size();
  return dollFile.substr(from, dollFile.find('\n', from) - from);
}

int addEntrant(League& league, const std::string& dollFile) {
  const auto found = std::find(league.entrants.begin(), league.entrants.end(), dollFile);
  if (found != league.entrants.end()) return static_cast<int>(found - league.entrants.begin());
  league.entrants.push_back(dollFile);
  return static_cast<int>(league.entrants.size()) - 1;
}

DollRef entrantDoll(const GameFolder& folder, const std::string& text, size_t k) {
  const std::string who = fill(shown("参加Doll %1: "), {std::to_string(k + 1)});
  if (isRegistryEntrant(text)) {
    try {
      return registryEntrantDoll(folder, text);
    } catch (const std::invalid_argument& refusal) {
      throw std::invalid_argument(who + refusal.what());
    }
  }
  const DollImport in = readDollShare(folder, text);
  if (!in.accepted()) throw std::invalid_argument(who + in.error);
  return in.doll;
}

std::vector<DollRef> entrantDolls(const GameFolder& folder, const League& league) {
  std::vector<DollRef> dolls;
  for (size_t k = 0; k < league.entrants.size(); ++k) {
    dolls.push_back(entrantDoll(folder, league.entrants[k], k));
  }
  return dolls;
}

}  // namespace velko
