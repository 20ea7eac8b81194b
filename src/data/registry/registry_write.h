#pragma once
// Registering the player's Doll as a computer opponent (menu "敵として登録").

#include <cstdint>

#include "core/prompter.h"
#include "data/files/game_folder.h"
#include "model/doll.h"

namespace velko {

// Appends the Doll to the registry Doll file under the number after the last Doll header and
// returns that number; the file as it was goes to EDollsv.img in the same commit. Returns 0
// when the registry is full (the last Doll carries 100 or more; the game's message is shown),
// when its last Doll header is negative (a damaged file), or when the file is missing or
// cannot be written (the player is told).
[[nodiscard]] int16_t saveEnemyDoll(const GameFolder& folder, const doll& d, Prompter& prompter);

// Appends program slots 0-5 of the Doll (empty ones too) to the registry program file,
// numbered after its last header and tied to Doll number n; the file as it was goes to
// ELogicsv.img in the same commit. False (the player is told) when it could not be written.
[[nodiscard]] bool saveEnemyLogic(const GameFolder& folder, const doll& d, int16_t n,
                                  Prompter& prompter);

// saveEnemyDoll and saveEnemyLogic as one commit of both registry files and both copies, so
// a failure or a crash never leaves a Doll without its patterns. Returns the new number, or 0.
int16_t entryEnemy(const GameFolder& folder, const doll& d, Prompter& prompter);

}  // namespace velko
