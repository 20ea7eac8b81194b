#pragma once
// The tournament classes: a Doll's class is decided by its value, and a class admits opponents
// up to its limit. The workshop shows the class, the tournament draws by it, the lab and the
// advice choose opponents by it.

#include <array>
#include <cstdint>
#include <string>

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

}  // namespace velko
