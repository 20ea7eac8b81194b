// The shipped catalogue and opponents make a ladder a player can climb: a small sample of
// sensible careers and a coarse ladder, with loose bounds, so a data change that brings back a
// cliff between the classes or a Novice class nobody wins fails here.

#include <gtest/gtest.h>

#include "sim/career_report.h"
#include "sim/ladder.h"
#include "sim/registry_roster.h"
#include "sim/roster_table.h"
#include "sim/scratch_folder.h"
#include "sim/sensible_career.h"
#include "sim/sim_random.h"
#include "tools/shipped_game.h"

namespace velko::sim {
namespace {

TEST(ShippedBalance, SensibleCareersWinNoviceTournamentsEarlyAndSomeClimbHigher) {
  const ScratchGameFolder scratch(kGame);
  const CareerSummary s = summarize(playSensibleCareers(scratch.folder(), 40, 20130101));
  const ClassSummary& novice = s.classes[static_cast<int>(DollClass::Novice)];
  // Over 1000 careers: the first Novice title in month 6 at the median, about one entry in
  // seven costs a part, and half the first bouts are won; 40 careers scatter widely.
  EXPECT_GE(novice.winnerShare, 0.5);
  EXPECT_LE(novice.medianFirstWin, 7);
  EXPECT_LE(novice.entriesWithLoss, 0.22);
  EXPECT_GE(s.firstNoviceBoutWon, 0.4);
  // Many get past the Novice class; a Master title stays for fewer (about one in three).
  const ClassSummary& expert = s.classes[static_cast<int>(DollClass::Expert)];
  const ClassSummary& master = s.classes[static_cast<int>(DollClass::Master)];
  EXPECT_GE(expert.winnerShare, 0.4);
  EXPECT_GT(master.entered, 0);
  EXPECT_LE(master.winnerShare, 0.6);
}

// A class's Dolls beat the class below most of the time, never nearly always: the top of a
// class has a chance one class up.
TEST(ShippedBalance, EachClassOverlapsTheOneBelow) {
  SeededRandom rnd(20130101);
  const RosterTable table = playRoster(loadRoster(kGame, RegistrySource::Factory), 30, rnd);
  const double expertOverNovice =
      classAgainstClass(table, DollClass::Expert, DollClass::Novice).scoreA();
  const double masterOverExpert =
      classAgainstClass(table, DollClass::Master, DollClass::Expert).scoreA();
  EXPECT_GE(expertOverNovice, 0.6);
  EXPECT_LE(expertOverNovice, 0.8);
  EXPECT_GE(masterOverExpert, 0.6);
  EXPECT_LE(masterOverExpert, 0.8);
}

TEST(ShippedBalance, TheLadderRisesWithoutCliffsAcrossEveryClass) {
  const BuildPlanner planner(kGame);
  const auto roster = loadRoster(kGame, RegistrySource::Factory);
  SeededRandom rnd(20130101);
  const auto ladder = climbLadder(planner, roster, 40, 10, rnd);
  ASSERT_GE(ladder.size(), 12u);
  const auto edges = edgesOf(ladder);
  for (int c = 0; c < kClassCount; ++c) {
    SCOPED_TRACE(className(static_cast<DollClass>(c)));
    // The bottom of a class is beatable, the top of it is not a certainty.
    EXPECT_GE(edges[c].lower, 0.15);
    EXPECT_LE(edges[c].lower, 0.65);
    EXPECT_GE(edges[c].upper, 0.45);
    EXPECT_LE(edges[c].upper, 0.95);
    EXPECT_LE(edges[c].steepest, 0.35);
  }
  // Each class begins where the one below it ends.
  EXPECT_LE(edges[1].lowerValue - edges[0].upperValue, kLadderStep);
  EXPECT_LE(edges[2].lowerValue - edges[1].upperValue, kLadderStep);
}

}  // namespace
}  // namespace velko::sim
