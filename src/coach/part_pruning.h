#pragma once
// The catalogue thinned before a build search: a part is left out when another costs no more
// and is no worse in anything a fight uses (power, hit points, the frame's and boosters'
// values, armour, CPU and memory, and weight, where lighter is better). An owned part costs
// what selling it would bring, so it stays in when buying a better one would cost more.

#include "coach/build_planner.h"
#include "shop/shop_tables.h"

namespace velko {

// A Doll wears at most this many boosters worth counting, one of each model: a booster
// dominated by fewer than this many others may still be worth wearing beside them.
inline constexpr int kBoostersWorn = 4;

// For each shop kind, the catalogue IDs on sale (IDs 1-19, frames 1-4) that no other part
// dominates; `owned` parts cost half their price.
PartChoices undominatedParts(const ShopTables& tables, const PartCount& owned);

}  // namespace velko
