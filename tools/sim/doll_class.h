#pragma once
// The tournament classes by the Doll's value, as the tournament draws its entrants.

#include <cstdint>

#include "model/doll_class.h"

namespace velko::sim {

// In the order of the game's class table.
enum class DollClass { Novice = 0, Expert = 1, Master = 2 };
inline constexpr int kClassCount = static_cast<int>(kDollClasses.size());

inline constexpr int16_t kNoviceLimit = kDollClasses[0].limit;
inline constexpr int16_t kExpertLimit = kDollClasses[1].limit;

DollClass classOf(int16_t value);
const char* className(DollClass c);

}  // namespace velko::sim
