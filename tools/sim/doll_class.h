#pragma once
// The tournament classes by the Doll's value, as the tournament draws its entrants.

#include <cstdint>

namespace velko::sim {

enum class DollClass { Novice = 0, Expert = 1, Master = 2 };
inline constexpr int kClassCount = 3;

inline constexpr int16_t kNoviceLimit = 2500;
inline constexpr int16_t kExpertLimit = 3500;

DollClass classOf(int16_t value);
const char* className(DollClass c);

}  // namespace velko::sim
