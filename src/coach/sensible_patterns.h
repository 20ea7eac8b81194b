#pragma once
// Six sound action patterns for a Doll, written the way the program editor's guide advises:
// a long and a short dash to close in, a long and a short attack for the rolls in between, a
// spin to get up and an escape from a hold, each sized to the Doll's action points so that most
// rolls find a pattern that uses them, and all six together within its memory. The sensible
// pilot programs its Doll with them, and the factory opponents are written with them.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/prompter.h"
#include "model/doll.h"

namespace velko {

// What each basic action (1-11) costs with the installed software.
struct ActionCosts {
  std::array<int16_t, 12> AP{};
  std::array<int16_t, 12> Memory{};
};

// The costs of the software in slot 0 of the Doll.
ActionCosts costsOf(const doll& d);

// A striker keeps to blows; a grappler trades the short attack for a grapple and throw, which
// the computer reaches for when the foe outpaces it.
enum class PatternStyle { Striker, Grappler };

struct PatternPlan {
  std::string name;
  std::vector<int16_t> actions;
  int AP = 0;
  int Memory = 0;
};

// Six distinct patterns for a Doll of these action points and memory. `jumpPays` puts a jump
// before the long attack (worth it when the jump adds power).
std::vector<PatternPlan> sensiblePatterns(const ActionCosts& costs, int ap, int memory,
                                          PatternStyle style, bool jumpPays);

// The six patterns for the Doll's installed software, action points and memory.
std::vector<PatternPlan> sensiblePatternsFor(const doll& d, PatternStyle style);
// Registers the patterns in slots 0-5 as the program editor does.
void programDoll(doll& d, const std::vector<PatternPlan>& plans, Prompter& prompter);

// The name a plate is worn under: plates of one kind are told apart by a number, as the shop
// names them (X, X1, X2).
std::string pieceName(const std::string& name, const std::vector<int16_t>& ids, size_t k);

}  // namespace velko
