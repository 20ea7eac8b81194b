#pragma once
// The player file of a save slot ("\save\Playersv" n ".ini"): the game date, the player
// record, the inventory as catalogue IDs (0 for an empty slot), the two options and the fight
// record, fourteen lines in a fixed order.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/game_date.h"
#include "data/files/text_file.h"

namespace velko {

struct PlayerFile {
  GameDate date;
  std::string name;
  int16_t Lv = 0;
  int16_t exp = 0;
  int16_t Rl = 0;
  int16_t skillPlay = 0;
  int16_t skillHard = 0;
  int16_t skillSoft = 0;
  std::array<int16_t, 4> motors{};
  std::array<int16_t, 4> frames{};
  std::array<int16_t, 10> boosters{};
  std::array<int16_t, 10> protectors{};
  std::array<int16_t, 4> hards{};
  std::array<int16_t, 4> softM{};
  std::array<int16_t, 4> softA{};
  std::array<int16_t, 4> softD{};
  bool music = false;
  bool guide = false;
  int16_t recWin = 0;
  int16_t recLoose = 0;
  int16_t recChamp = 0;
};

std::vector<std::string> playerFileLines(const PlayerFile& data);

// Throws DataFileError (Malformed) for a missing value, a value that is not a number or a
// first line that is not a date.
PlayerFile parsePlayerFile(const TextFile& file);

}  // namespace velko
