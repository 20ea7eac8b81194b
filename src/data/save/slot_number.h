#pragma once
// Slot numbers and the names of a slot's three files under save/.

#include <cstdint>
#include <filesystem>
#include <string>

#include "core/prompter.h"
#include "data/files/game_folder.h"

namespace velko {

// What the save/load screen may do with the digits typed so far.
struct SlotNumberCheck {
  bool ok = false;
  int16_t number = 0;
  std::string message;  // why the digits were refused; empty when ok
};

// No digits name slot 0. A number that does not fit 16 bits (above 32767) or anything but
// digits is refused with a message for the player.
SlotNumberCheck checkSlotDigits(const std::string& typed);

// "\save\Playersv" n ".ini" and its two companions, n in decimal without leading zeros.
std::filesystem::path playerFilePath(const GameFolder& folder, int16_t n);
std::filesystem::path dollFilePath(const GameFolder& folder, int16_t n);
std::filesystem::path logicFilePath(const GameFolder& folder, int16_t n);

// The save/ folder, created when it is missing; false when it cannot be made.
[[nodiscard]] bool ensureSaveFolder(const GameFolder& folder);

// Finishes or undoes a save a crash cut short and removes its leftovers (settleFolder on
// save/). False when save/ holds a commit record that could not be carried out.
[[nodiscard]] bool settleSaveFolder(const GameFolder& folder);

// The same, where the player can be told: a commit record the game cannot carry out is first
// set aside under a new name with one message naming it, so that saves and loads go on.
[[nodiscard]] bool settleSaveFolder(const GameFolder& folder, Prompter& prompter);

}  // namespace velko
