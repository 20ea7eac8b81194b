#pragma once
// Drawing a tournament: seven computer entrants from the registered opponents that fit the
// class, the player in a random seat, and computer bouts decided by weighted dice.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/random.h"
#include "model/doll.h"

namespace velko {

// A tournament class and the highest Doll value it admits.
struct DollClassBound {
  const char* name;
  int16_t limit;
};

// The classes from the lowest; a Doll belongs to the first whose limit its value does not pass.
// Master's limit is the highest value a registered opponent can have.
inline constexpr std::array<DollClassBound, 3> kDollClasses{
    {{"Novice", 2500}, {"Expert", 3500}, {"Master", 9999}}};

// The highest Doll value an opponent of the class may have: Novice 2500, Expert 3500, else 9999.
int16_t classLimit(const std::string& className);

// The index in kDollClasses of the class a Doll of this value belongs to (Master above 3500).
int classIndex(int16_t value);

// The class of a Doll by its value, as the workshop shows it.
std::string className(int16_t value);

// A tournament needs seven computer entrants.
inline constexpr int kTournamentOpponents = 7;

// Slots 0-7 of the bracket: seven distinct IDs drawn uniformly from the eligible ones (the
// registry's Dolls of the class, each once), and 0 (the player) in a uniformly drawn seat.
// With fewer than seven eligible IDs the draw cannot fill the bracket: the caller refuses the
// tournament first. Every eligible ID can be drawn, however many there are.
std::array<int16_t, 17> makeKumiawase(const std::vector<int16_t>& eligible, Random& rnd);

// Two computer entrants: each adds two rolls of 0-149 to its value; ties go to fighter 0.
const DollRef& getAutoWinner(const DollRef& fighter0, const DollRef& fighter1, Random& rnd);

}  // namespace velko
