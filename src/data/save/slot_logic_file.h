#pragma once
// The program file of a save slot ("\save\Logicsv" n ".ini"): one record per program slot,
// a header ". k", the program's name, its AP and memory, and its ten action IDs.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "data/files/text_file.h"

namespace velko {

struct LogicFileRecord {
  int16_t ID = 0;  // the header's number, 1 for program slot 0
  std::string name;
  int16_t AP = 0;
  int16_t Memory = 0;
  std::array<int16_t, 10> actions{};
};

// The records in order; each is headed with its ID.
std::vector<std::string> logicFileLines(const std::vector<LogicFileRecord>& records);

// The records up to the end of the file, at most eight. Blank lines between records are
// passed over; anything else where a header belongs, or a record cut short, throws
// DataFileError (Malformed).
std::vector<LogicFileRecord> parseLogicFile(const TextFile& file);

}  // namespace velko
