#pragma once
// The software the shop hands a pilot on the first visit, by catalogue ID: mobility 2,
// attack 5, defence 1.

#include <cstdint>

namespace velko {

inline constexpr int16_t kStarterSoftM = 2;
inline constexpr int16_t kStarterSoftA = 5;
inline constexpr int16_t kStarterSoftD = 1;

}  // namespace velko
