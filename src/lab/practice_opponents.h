#pragma once
// Whom the practice lab fights: one registered opponent by number, every opponent a class's
// tournament may draw, or the loaded duel opponent.

#include <cstdint>
#include <string>
#include <vector>

#include "data/files/game_folder.h"
#include "model/doll.h"

namespace velko {

struct PracticeOpponent {
  int16_t id = 0;  // the registry number; 0 for the duel opponent
  DollRef doll;
};

// Every opponent of the game's registry (save/EDollsv.ini), read only. Throws DataFileError
// when the registry cannot be read.
std::vector<PracticeOpponent> registryOpponents(const GameFolder& folder);

// "Novice", "Expert" or "Master": the opponents worth at most the class's limit, as its
// tournament draws them; a number: that opponent. Throws std::invalid_argument with a message
// when nothing matches.
std::vector<PracticeOpponent> selectOpponents(const std::vector<PracticeOpponent>& all,
                                              const std::string& against);

}  // namespace velko
