#pragma once
// A league: its entrants, each kept as the text of its Doll file so that the league can be
// fought again after the registry or the player's Doll changed, and every run's results.

#include <string>
#include <vector>

#include "data/files/game_folder.h"
#include "league/round_robin.h"
#include "model/doll.h"

namespace velko {

struct League {
  // Each entrant's Doll file, or its registry records (registry_entrant.h); an entrant's
  // number is its index.
  std::vector<std::string> entrants;
  std::vector<LeagueRun> runs;

  bool operator==(const League&) const = default;
};

// The Doll's name as the player reads it (a factory opponent's in the player's language), or
// "" for a text that has none.
std::string entrantName(const GameFolder& folder, const std::string& text);

// The entrant's number, adding it when the league does not hold that text yet.
int addEntrant(League& league, const std::string& text);

// Entrant k's Doll rebuilt from its text with the game folder's catalogue. Throws
// std::invalid_argument naming the entrant when the text is refused.
DollRef entrantDoll(const GameFolder& folder, const std::string& text, size_t k);

// Every entrant's Doll, likewise.
std::vector<DollRef> entrantDolls(const GameFolder& folder, const League& league);

}  // namespace velko
