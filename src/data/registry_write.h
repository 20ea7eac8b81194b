#pragma once
// Registering the player's Doll as a computer opponent (menu "敵として登録").

#include <cstdint>

#include "core/prompter.h"
#include "data/game_folder.h"
#include "model/doll.h"

namespace velko {

// Appends the Doll to the registry Doll file under the number after the last Doll header and
// returns that number. The file as it was is kept in EDollsv.img first. Returns 0 when the
// registry is full (the last Doll carries 100 or more; the game's message is shown) or when
// the file is missing or cannot be written (the player is told).
int16_t saveEnemyDoll(const GameFolder& folder, const doll& d, Prompter& prompter);

// Appends program slots 0-5 of the Doll (empty ones too) to the registry program file,
// numbered after its last header and tied to Doll number n. The file as it was is kept in
// ELogicsv.img first. False (the player is told) when it could not be written.
bool saveEnemyLogic(const GameFolder& folder, const doll& d, int16_t n, Prompter& prompter);

// saveEnemyDoll, then saveEnemyLogic with the new number. When the programs cannot be written
// the Doll file is put back from its copy, so no opponent is left without its patterns.
// Returns the new number, or 0.
int16_t entryEnemy(const GameFolder& folder, const doll& d, Prompter& prompter);

}  // namespace velko
