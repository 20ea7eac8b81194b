#pragma once
// League files on disk: opening one, and saving one without ever replacing a file that is
// not a league file (the game changes only files it wrote).

#include <filesystem>
#include <string>

#include "league/league_file.h"

namespace velko {

// Reads the file; a refusal names the file and the line, or says the file cannot be read.
LeagueRead openLeagueFile(const std::filesystem::path& path);

// Writes the league, replacing an existing file only when it is a league file and only once
// the new one is whole, and only a league that reads back. The reason for a refusal, or "" when
// saved.
std::string saveLeagueFile(const std::filesystem::path& path, const League& league);

}  // namespace velko
