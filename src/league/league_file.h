#pragma once
// The league file (`.velkoleague`, docs/league-file-format.md): versioned UTF-8 text holding a
// league's entrants and every run's results. The reader takes its bytes as untrusted and
// refuses anything damaged with the file's name and the line.

#include <string>
#include <string_view>

#include "league/league.h"

namespace velko {

inline constexpr const char* kLeagueMagic = "VELKO-LEAGUE";
inline constexpr int kLeagueVersion = 1;
inline constexpr size_t kLeagueMaxBytes = 16 * 1024 * 1024;
inline constexpr int kLeagueMaxEntrantLines = 100;
inline constexpr int kLeagueMaxEntrants = 200;
inline constexpr int kLeagueMaxFights = 100000;  // per pair and run

std::string writeLeague(const League& league);

struct LeagueRead {
  League league;
  std::string error;  // "<file>が壊れています（<line>行目: <reason>）"...; empty when accepted
  bool accepted() const { return error.empty(); }
};

// The refusal of a file above kLeagueMaxBytes.
std::string leagueTooLarge(const std::string& fileName);

// Never throws; `fileName` is what the refusal names.
LeagueRead readLeague(std::string_view bytes, const std::string& fileName);

}  // namespace velko
