#pragma once
// Reads every record of the eight catalogue files, as the game would, and lists them or the
// faults found (with file and line), going on past a fault to report all of them.

#include <string>
#include <vector>

#include "data/files/game_folder.h"

namespace velko {

struct CatalogueFileCheck {
  std::string file;                  // "ini/Motor.ini"
  std::vector<std::string> records;  // one line per record read
  std::vector<std::string> errors;   // "ini/Motor.ini 12行目: ..."
};

std::vector<CatalogueFileCheck> checkCatalogue(const GameFolder& folder);

}  // namespace velko
