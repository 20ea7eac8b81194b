#pragma once
// One action pattern of the registry program file, tied to an opponent Doll by its number.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "data/files/text_file.h"
#include "model/action.h"

namespace velko {

struct EnemyLogicRecord {
  int16_t dollNumber = 0;
  std::string name;
  int16_t AP = 0;
  int16_t Memory = 0;
  std::array<int16_t, 10> actions{};  // a reader fills only the first six
};

// The record of a pattern as it stands (empty patterns are written too).
EnemyLogicRecord enemyLogicRecordOf(const Logic& logic, int dollNumber);

// The five lines of the record headed with its number; the action IDs end with a 0.
std::vector<std::string> enemyLogicLines(const EnemyLogicRecord& r, int number);

// The record whose header is the line before `first`, with the first six action IDs; the rest
// of that line is passed over. On success `next` is the line after the record; a missing or
// unreadable value throws DataFileError and leaves `next` alone.
EnemyLogicRecord readEnemyLogicRecord(const TextFile& file, size_t first, size_t& next);

}  // namespace velko
