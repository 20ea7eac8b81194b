#pragma once
// A Doll's derived values: the recomputation shared by the screens and the file loaders (so
// that both agree on AP, memory, value and picture code), and the numbers the screens show.

#include <cstdint>
#include <optional>
#include <string>

namespace velko {

class doll;
class Owner;

// refresh, then AP from the pilot's skill and the computer, memory from the computer, the
// value of the mounted parts, and the picture code from the frame and the armour.
void resetDollParam(doll& d, const Owner& pilot);

// The Doll's numbers as the workshop shows them, after its recomputation.
struct DollStats {
  int16_t pow = 0, offence = 0, defence = 0;
  int16_t move = 0, jump = 0, spin = 0;  // raw, before dividing by the weight
  double AC = 0;
  double weight = 0;
  int16_t AP = 0, memory = 0, value = 0;
  int16_t motorHP = 0, frameHP = 0;  // the hit points the parts have now
  std::string className;
};

// A statistic as the workshop writes it: the shortest decimal form (1.5, 40).
std::string statText(double v);

// move, jump or spin divided by the weight and rounded down; nothing when the weight is not
// above 0 (the workshop shows "--").
std::optional<int> mobilityQuotient(int16_t raw, double weight);

}  // namespace velko
