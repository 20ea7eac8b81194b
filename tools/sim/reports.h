#pragma once
// The simulator's printed tables.

#include <ostream>
#include <string>
#include <vector>

#include "sim/bout.h"
#include "sim/novice_builds.h"
#include "sim/registry_roster.h"
#include "sim/roster_table.h"

namespace velko::sim {

// Class win rates outside this band are flagged in the roster table.
inline constexpr double kLowestClassRate = 0.10;
inline constexpr double kHighestClassRate = 0.90;

// Per Doll: class, value, win rate against all, within its class, draws, mean steps; then
// the class-by-class matrix and the totals.
void printRosterTable(std::ostream& out, const RosterTable& table);

// One Doll against each opponent, then per class.
void printPlayerTable(std::ostream& out, const std::vector<RosterDoll>& roster,
                      const std::vector<BoutTally>& tallies);

// One starter Doll: price, value, AP, memory, win rates per class and against each Novice.
void printBuildHeading(std::ostream& out);
void printBuildRow(std::ostream& out, const AssembledBuild& build,
                   const std::vector<RosterDoll>& roster, const std::vector<BoutTally>& tallies);

// A percentage with one decimal, right-aligned in `width` columns.
std::string percent(double rate, int width);
// A percentage rounded to a whole number, for compact rows.
std::string wholePercent(double rate, int width);

}  // namespace velko::sim
