#pragma once
// Drawing a tournament: seven computer entrants from the registered opponents that fit the
// class, the player in a random seat, and computer bouts decided by weighted dice.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/random.h"
#include "model/doll_class.h"
#include "model/doll.h"

namespace velko {

// A tournament needs seven computer entrants.
inline constexpr int kTournamentOpponents = 7;

// The draw's list of entrants, indexes 0-16 as the bracket has always kept it: slots 0-7 hold
// the eight seats, and each round writes its winners over the first slots.
inline constexpr size_t kKumiawaseSlots = 17;
using Kumiawase = std::array<int16_t, kKumiawaseSlots>;

// The bouts of round 1, 2 and 3 of the eight-seat bracket: 4, 2 and 1.
inline constexpr int boutsInRound(int roundNo) {
  return 8 >> roundNo;
}

// Slots 0-7 of the bracket: seven distinct IDs drawn uniformly from the eligible ones (the
// registry's Dolls of the class, each once), and 0 (the player) in a uniformly drawn seat.
// With fewer than seven eligible IDs the draw cannot fill the bracket: the caller refuses the
// tournament first. Every eligible ID can be drawn, however many there are.
Kumiawase makeKumiawase(const std::vector<int16_t>& eligible, Random& rnd);

// Two computer entrants: each adds two rolls of 0-149 to its value; ties go to fighter 0.
const DollRef& getAutoWinner(const DollRef& fighter0, const DollRef& fighter1, Random& rnd);

}  // namespace velko
