#pragma once
// The catalogue tables the shop reads each time it opens, and safe look-ups into them: an ID
// outside a table, or a slot the catalogue left empty, yields no record.

#include <cstdint>

#include "data/catalogue/catalogue.h"
#include "data/files/game_folder.h"

namespace velko {

struct ShopTables {
  MotorTable motors{};
  FrameTable frames{};
  SoftTables soft{};
  BoosterTable boosters{};
  ProtectorTable protectors{};
  HardTable hards{};
};

// Reads into `tables` in the shop's order: motors, frames, software, boosters, protectors,
// computers. A faulty file throws DataFileError; the tables read before it stay filled.
void readShopTables(const GameFolder& folder, ShopTables& tables);

// The record with this ID, or nullptr.
template <typename T, size_t N>
const T* entry(const CatalogueTable<T, N>& table, int id) {
  if (id < 0 || static_cast<size_t>(id) >= N) return nullptr;
  return table[id].get();
}

}  // namespace velko
