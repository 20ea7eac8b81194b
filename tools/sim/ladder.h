#pragma once
// The Doll-against-class win-rate curve: the strongest Doll a pilot can buy at value steps of
// 250 Rl, from the cheapest complete Doll to the dearest, each fought against every registry
// opponent, so that the edges of the classes can be seen.

#include <array>
#include <ostream>
#include <string>
#include <vector>

#include "coach/build_planner.h"
#include "core/random.h"
#include "sim/bout.h"
#include "sim/registry_roster.h"

namespace velko::sim {

inline constexpr int kLadderStep = 250;

struct LadderRung {
  int budget = 0;  // the value the Doll may reach
  BuildPlan plan;
  std::array<BoutTally, kClassCount> against;
};

// The rival of each class: the mean profile of its opponents in the roster.
std::array<FighterProfile, kClassCount> rivalsOf(const std::vector<RosterDoll>& roster);

std::vector<LadderRung> climbLadder(const BuildPlanner& planner,
                                    const std::vector<RosterDoll>& roster, int fights,
                                    int16_t skill, Random& rnd);

// Each class's lower and upper edge (its first and last rung) and the largest change between
// neighbouring rungs against it.
struct ClassEdges {
  double lower = 0;
  double upper = 0;
  double steepest = 0;
  int lowerValue = 0;
  int upperValue = 0;
};
std::array<ClassEdges, kClassCount> edgesOf(const std::vector<LadderRung>& ladder);

void printLadder(std::ostream& out, const std::vector<LadderRung>& ladder,
                 const BuildPlanner& planner);
void writeLadderCsv(const std::string& folder, const std::vector<LadderRung>& ladder);

}  // namespace velko::sim
