#pragma once
// One opponent Doll of the registry Doll file: its statistics stored ready-made, its motor and
// frame by catalogue ID, and the IDs of some other parts that no reader uses.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "data/files/text_file.h"
#include "model/doll.h"

namespace velko {

struct EnemyDollRecord {
  std::string name;
  int16_t ownerID = 0;
  int16_t pow = 0;
  int16_t offence = 0;
  int16_t defence = 0;
  int16_t move = 0;
  int16_t jump = 0;
  int16_t spin = 0;
  double AC = 0;
  int16_t AP = 0;
  int16_t Memory = 0;
  int16_t motor = 0;
  int16_t frame = 0;
  std::array<int16_t, 3> boosters{};    // Doll booster slots 1-3
  std::array<int16_t, 3> protectors{};  // Doll protector slots 1-3
  int16_t hard = 0;
  int16_t softM = 0;
  int16_t softA = 0;
  int16_t softD = 0;
  int16_t junkParts = 0;
  int16_t value = 0;
  double weight = 0;
  std::string image;
};

// The record of a Doll as it stands (the player's Doll at registration). The booster and
// protector IDs are those of slots 1-3, as the registry has always listed them.
EnemyDollRecord enemyDollRecordOf(const doll& d);

// The eleven lines of the record, headed with its registry number.
std::vector<std::string> enemyDollLines(const EnemyDollRecord& r, int number);

// The record whose header is the line before `first`. On success `next` is the line after the
// record; a missing or unreadable value throws DataFileError and leaves `next` alone.
EnemyDollRecord readEnemyDollRecord(const TextFile& file, size_t first, size_t& next);

}  // namespace velko
