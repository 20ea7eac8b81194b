#pragma once
// Sharing Dolls between players without copying save folders: the player's Doll written to a
// Doll file, and a friend's Doll file read in as the duel opponent (the second Doll and
// player record, as loading a duel opponent from a save slot does).

#include <filesystem>

#include "career/career_state.h"

namespace velko {

// Writes the player's Doll with its parts and six patterns. A Doll the reader would refuse
// (not complete, not programmed, more memory than its computer) is not written; the player
// is told why. An existing file is replaced only once the new one is whole.
bool exportPlayerDoll(const GameFolder& folder, const std::filesystem::path& path,
                      const CareerState& state, Prompter& prompter);

// Reads a Doll file as the duel opponent. A refused file is reported with its reason and
// changes nothing: the previous opponent, if any, stays.
bool importDuelOpponent(const GameFolder& folder, const std::filesystem::path& path,
                        CareerState& state, Prompter& prompter);

}  // namespace velko
