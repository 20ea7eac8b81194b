// The simulator's fight series and roster table: seats, hit points, draws and the sums.

#include <gtest/gtest.h>

#include "battle/battle_fixture.h"
#include "sim/bout.h"
#include "sim/roster_table.h"
#include "sim/sim_random.h"

namespace velko::sim {
namespace {

using testing::makeDoll;
using testing::makePattern;

DollRef fighter(const std::string& name, int16_t pow, int16_t hp) {
  DollRef d = makeDoll({.name = name, .pow = pow, .motorHP = hp, .frameHP = hp});
  d->setLogics(makePattern("ダッシュパンチ", 4, {kMove, kPunch}), 0);
  d->setLogics(makePattern("ワンツー", 5, {kPunch, kPunch}), 1);
  return d;
}

TEST(SimBout, SeatsTakeTurnsAndEachFightStartsAtFullHitPoints) {
  // With no hit points at all the end phase decides at once, for fighter 0: the seat decides.
  DollRef a = fighter("甲", 5, 0);
  DollRef b = fighter("乙", 5, 0);
  SeededRandom rnd(3);
  BoutTally seats = playBout(a, b, 6, rnd);
  EXPECT_EQ(seats.fights, 6);
  EXPECT_EQ(seats.winsA, 3);
  EXPECT_EQ(seats.winsB, 3);
  EXPECT_EQ(seats.steps, 0);

  // A strong Doll left broken by an earlier fight is repaired first, so it wins the series.
  DollRef strong = fighter("剛", 30, 200);
  DollRef weak = fighter("柔", 1, 20);
  strong->Motor->HP = 0;
  const BoutTally series = playBout(strong, weak, 20, rnd);
  EXPECT_EQ(series.winsA + series.winsB + series.draws, 20);
  EXPECT_GE(series.winsA, 18);
  EXPECT_GT(series.meanSteps(), 0);
  EXPECT_EQ(series.swapped().winsB, series.winsA);
  // The series fought copies: the Dolls given come back as they went in.
  EXPECT_EQ(strong->Motor->HP, 0);
  EXPECT_EQ(weak->Motor->HP, 20);
}

TEST(SimBout, TheStepCapMakesADrawThatCountsHalf) {
  // Dolls without patterns only wait.
  SeededRandom rnd(5);
  const BoutTally idle = playBout(makeDoll({}), makeDoll({}), 4, rnd, 30);
  EXPECT_EQ(idle.draws, 4);
  EXPECT_EQ(idle.steps, 4 * 30);
  EXPECT_DOUBLE_EQ(idle.scoreA(), 0.5);
  EXPECT_DOUBLE_EQ(BoutTally{}.scoreA(), 0);
}

TEST(SimRosterTable, EachPairIsPlayedOnceAndSeenFromBothSides) {
  std::vector<RosterDoll> dolls;
  const int16_t values[] = {2500, 2501, 3500, 3501};
  for (int16_t k = 0; k < 4; ++k) {
    DollRef d = fighter("人形" + std::to_string(k), static_cast<int16_t>(3 + 4 * k), 60);
    d->value = values[k];
    dolls.push_back({static_cast<int16_t>(k + 1), d, classOf(d->value)});
  }
  EXPECT_EQ(dolls[0].dollClass, DollClass::Novice);
  EXPECT_EQ(dolls[1].dollClass, DollClass::Expert);
  EXPECT_EQ(dolls[2].dollClass, DollClass::Expert);
  EXPECT_EQ(dolls[3].dollClass, DollClass::Master);

  SeededRandom rnd(9);
  const RosterTable table = playRoster(dolls, 10, rnd);
  EXPECT_EQ(allFights(table).fights, 6 * 10);
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(table.bouts[i][i].fights, 0);
    EXPECT_EQ(againstAll(table, i).fights, 3 * 10);
    for (size_t j = 0; j < 4; ++j)
      EXPECT_EQ(table.bouts[i][j].winsA, table.bouts[j][i].winsB);
  }
  EXPECT_EQ(againstClass(table, 1, DollClass::Expert).fights, 10);
  // Both Experts' fights against each other, once from each side.
  const BoutTally experts = classAgainstClass(table, DollClass::Expert, DollClass::Expert);
  EXPECT_EQ(experts.fights, 20);
  EXPECT_DOUBLE_EQ(experts.scoreA(), 0.5);
  EXPECT_EQ(classAgainstClass(table, DollClass::Master, DollClass::Novice).fights, 10);
}

}  // namespace
}  // namespace velko::sim
