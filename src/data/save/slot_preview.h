#pragma once
// What the save/load screen shows of a slot before it is saved over or loaded.

#include <cstdint>
#include <optional>
#include <string>

#include "core/prompter.h"
#include "data/files/game_folder.h"

namespace velko {

struct SlotPreview {
  std::string gameDate;  // the first line of the player file: "yyyy/mm/dd" when the game wrote it
  std::string playerName;
  std::string dollName;
  // The money the player file holds, when its third line reads as numbers; only shown.
  std::optional<int16_t> money;
};

// The preview of slot n (Rinload_rtn and Rinload_rtn2 read it alike; the load screen reports
// a failure, the save screen does not): the player file's date and name and the Doll file's
// name, and the money when it reads. Nothing when a file is missing or unreadable; a first line
// that is not a date is shown as it is (the load refuses the slot, the save asks before writing
// over it). It reads the files of the number itself, the same files the save then writes, so typed
// leading zeros cannot hide a slot that would be overwritten.
std::optional<SlotPreview> Rinload_rtn(const GameFolder& folder, int16_t n, Prompter& prompter);

}  // namespace velko
