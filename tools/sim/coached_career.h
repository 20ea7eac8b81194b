#pragma once
// Careers of a coached pilot and of a newcomer, summed up like the sensible pilot's.
// The coached pilot follows the coach: it buys the Doll the build advice ranks first for the
// class it will enter, registers the program advice's patterns, lets its Doll's own program
// choose in fights (the computer's rule), has the automatic give-up on at 25%, and works the
// month instead of entering while the coach gives its Doll less than 60% a bout. The newcomer
// buys the first part of each kind the shop lists that it can afford, writes six patterns at
// random from its software's actions within the limits, and in a fight always runs the
// pattern with the most AP it can pay for; it never gives up.

#include <cstdint>
#include <vector>

#include "data/files/game_folder.h"
#include "sim/sensible_career.h"

namespace velko::sim {

std::vector<SensibleCareer> playCoachedCareers(const GameFolder& game, int runs, uint64_t seed);
std::vector<SensibleCareer> playNewcomerCareers(const GameFolder& game, int runs, uint64_t seed);

}  // namespace velko::sim
