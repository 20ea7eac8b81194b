#pragma once
// The slots of save/ that hold a game: what the save and load screen lists beside its keypad.

#include <cstdint>
#include <vector>

#include "core/prompter.h"
#include "data/files/game_folder.h"
#include "data/save/slot_preview.h"

namespace velko {

struct UsedSlot {
  int16_t number = 0;
  SlotPreview preview;
};

// Every slot whose player file is in save/ under the name the game writes ("Playersv12.ini",
// never "Playersv012.ini") and whose preview reads, in number order.
std::vector<UsedSlot> usedSlots(const GameFolder& folder, Prompter& prompter);

}  // namespace velko
