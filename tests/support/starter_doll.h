#pragma once
// The Doll as a new pilot has it: the starter software and the first computer of the catalogue,
// with the AP and memory the workshop would give it.

#include "career/career_state.h"
#include "data/catalogue/catalogue.h"

namespace velko::testing {

inline void starterDoll(CareerState& state, const GameFolder& folder) {
  doll& d = state.playerDoll();
  d.setSoftM(0, ld_SoftM(folder, 2));
  d.setSoftA(0, ld_SoftA(folder, 5));
  d.setSoftD(0, ld_SoftD(folder, 1));
  d.Hard = ld_Hard(folder, 1);
  d.AP = static_cast<int16_t>(state.player().skillPlay / 5 + d.Hard->CPU);
  d.Memory = d.Hard->Memory;
}

}  // namespace velko::testing
