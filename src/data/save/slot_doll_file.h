#pragma once
// The Doll file of a save slot ("\save\PlayDollsv" n ".ini"): the Doll's name, its parts as
// catalogue IDs, the hit points of motor and frame and whether it is programmed.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "data/files/text_file.h"
#include "model/doll.h"

namespace velko {

struct DollFile {
  std::string name;
  int16_t ownerID = 0;
  int16_t motor = 0;
  int16_t frame = 0;
  std::array<int16_t, 5> boosters{};
  std::array<int16_t, 4> protectors{};
  int16_t hard = 0;
  std::array<int16_t, 4> softM{};
  std::array<int16_t, 4> softA{};
  std::array<int16_t, 4> softD{};
  int16_t junkParts = 0;
  int16_t motorHP = 0;
  int16_t frameHP = 0;
  bool programed = false;
};

// The Doll's parts as catalogue IDs (boosters 0-4, protectors 0-3, software slots 0-3), its
// name, hit points and programmed flag, as a save writes them.
DollFile dollFileOf(const doll& dl);

std::vector<std::string> dollFileLines(const DollFile& data);

// Throws DataFileError (Malformed) for a missing value or a value that is not a number.
DollFile parseDollFile(const TextFile& file);

}  // namespace velko
