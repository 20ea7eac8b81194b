#pragma once
// The hall of fame: the best finished careers of every pilot who played in this folder, by
// titles, then wins. One file, halloffame.txt, in the player's own folder beside
// preferences.ini (docs/hall-of-fame-format.md); versioned, checksummed, read as untrusted.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/files/game_folder.h"

namespace velko {

inline constexpr const char* kHallMagic = "VELKO-HALL-OF-FAME";
inline constexpr int kHallVersion = 1;
inline constexpr size_t kHallKept = 20;
inline constexpr size_t kHallMaxBytes = 64 * 1024;
inline constexpr const char* kHallFileName = "halloffame.txt";

struct HallEntry {
  int titles = 0;
  int wins = 0;
  int losses = 0;
  int givenUp = 0;
  std::string date;  // the day the career ended, "yyyy-mm-dd"
  std::string pilot;
  std::string doll;

  friend bool operator==(const HallEntry&, const HallEntry&) = default;
};

// Whether `a` stands above `b`: more titles, then more wins, then the earlier career (the
// first to reach a record keeps the place).
bool ranksAbove(const HallEntry& a, const HallEntry& b);

// The entries with `entry` in its place, the best kHallKept kept.
std::vector<HallEntry> enterHall(std::vector<HallEntry> hall, const HallEntry& entry);

std::string writeHall(const std::vector<HallEntry>& hall);

struct HallRead {
  std::vector<HallEntry> hall;
  std::string error;  // names the file and the line; empty when accepted
  bool accepted() const { return error.empty(); }
};

HallRead readHall(std::string_view bytes, const std::string& fileName);

std::filesystem::path hallFilePath(const GameFolder& folder);

// The folder's hall of fame; an absent file is an empty hall.
HallRead loadHall(const GameFolder& folder);

// Writes the career into the folder's hall. A hall that cannot be read is never written over:
// the refusal is returned and the file stays as it is. Empty when the career was entered.
std::string recordInHall(const GameFolder& folder, const HallEntry& entry);

// Today's date in the player's time, "yyyy-mm-dd".
std::string todayText();

}  // namespace velko
