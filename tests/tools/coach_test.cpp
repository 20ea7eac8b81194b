// The coach on the shipped catalogue and factory opponents: its build proposals are Dolls the
// player can pay for and build, its patterns fit the Doll, and it works on copies only.

#include <gtest/gtest.h>

#include "coach/build_advice.h"
#include "coach/program_advice.h"
#include "core/silent_prompter.h"
#include "model/doll_class.h"
#include "shop/shop_kinds.h"
#include "sim/registry_roster.h"
#include "tools/shipped_game.h"

namespace velko::sim {
namespace {

std::vector<PracticeOpponent> factoryOpponents() {
  std::vector<PracticeOpponent> all;
  for (const RosterDoll& d : loadRoster(kGame, RegistrySource::Factory))
    all.push_back({d.number, d.doll});
  return all;
}

int countOf(const std::vector<PartTrade>& trades, int kind) {
  int n = 0;
  for (const PartTrade& t : trades)
    n += t.kindNumber == kind;
  return n;
}

// A new pilot with a used motor of its own: every proposal is a whole Doll of the class that the
// money pays for, sells what it does not use, and is ranked best first.
TEST(BuildAdvice, ProposesWholeAffordableDollsOfTheClassBestFirst) {
  const BuildPlanner planner(kGame);
  Owner player;
  player.Rl = 1100;
  player.skillPlay = 10;
  auto used = std::make_shared<Motor>(*planner.tables().motors[19]);
  used->isNew = false;  // dearer than any Novice Doll could carry: it must be sold
  ASSERT_TRUE(player.setMotor(used));
  const BuildQuestion q = buildQuestion(player, planner.tables(), 0, factoryOpponents());
  const BuildAdvice advice = adviseBuilds(planner, q);

  ASSERT_FALSE(advice.proposals.empty());
  EXPECT_LE(advice.proposals.size(), 3u);
  for (size_t k = 0; k < advice.proposals.size(); ++k) {
    const BuildProposal& p = advice.proposals[k];
    const doll& d = *p.doll;
    EXPECT_FALSE(d.Motor->name.empty() || d.frame->name.empty() || d.Hard->name.empty());
    // Every planned booster and protector really went on the Doll.
    int boosters = 0;
    int protectors = 0;
    for (int i = 0; i < doll::kBoosterSlots; ++i)
      boosters += !d.getBoost(i)->name.empty();
    for (int i = 0; i < doll::kProtectorSlots; ++i)
      protectors += !d.getProtector(i)->name.empty();
    EXPECT_EQ(boosters, static_cast<int>(p.plan.boosters.size()));
    EXPECT_EQ(protectors, static_cast<int>(p.plan.protectors.size()));
    EXPECT_EQ(classIndex(p.value), 0) << p.value;
    EXPECT_GE(p.moneyAfter, 0);
    EXPECT_EQ(p.moneyAfter, moneyAfterTrades(player.Rl, p.trades));
    EXPECT_EQ(countOf(p.trades.sales, kKindMotor), p.plan.motor == 19 ? 0 : 1);
    EXPECT_EQ(countOf(p.trades.purchases, kKindFrame), 1);
    EXPECT_GT(p.measure.fights, 0);
    if (k > 0) {
      const WinMeasure& before = advice.proposals[k - 1].measure;
      EXPECT_GE(before.wins * p.measure.fights, p.measure.wins * before.fights);
    }
  }
  EXPECT_EQ(player.Rl, 1100);
  EXPECT_EQ(player.getMotor(0), used);
}

// The program advice keeps every pattern within the Doll's memory and action points, even on a
// computer with little memory, never touches the Doll it advises, and a fight given up at the
// line counts as lost.
TEST(ProgramAdvice, FitsTheDollsLimitsAndLeavesTheDollAsItWas) {
  const BuildPlanner planner(kGame);
  const auto opponents = factoryOpponents();
  std::vector<PracticeOpponent> novice;
  for (const PracticeOpponent& o : opponents)
    if (o.doll->value <= kDollClasses[0].limit) novice.push_back(o);
  BuildPlan plan;
  plan.motor = 4;
  plan.frame = 3;
  plan.hard = 1;
  SilentPrompter quiet;
  const DollRef d = planner.assemble(plan, 10, quiet);
  d->Memory = 30;  // tighter than the sensible patterns need
  const std::vector<PatternPlan> before = registeredPatterns(*d);
  d->Motor->HP = 5;

  const ProgramProposal proposal = adviseProgram(*d, novice);
  ASSERT_EQ(proposal.patterns.size(), 6u);
  EXPECT_TRUE(patternsFit(*d, proposal.patterns));
  const ActionCosts costs = costsOf(*d);
  int memory = 0;
  for (const PatternPlan& p : proposal.patterns) {
    EXPECT_LE(p.actions.size(), 6u);
    EXPECT_LE(p.AP, d->AP + 12);
    for (int16_t id : p.actions)
      memory += costs.Memory[id];
  }
  EXPECT_LE(memory, d->Memory);
  EXPECT_EQ(d->Motor->HP, 5);
  const std::vector<PatternPlan> after = registeredPatterns(*d);
  ASSERT_EQ(after.size(), before.size());
  for (size_t k = 0; k < after.size(); ++k)
    EXPECT_EQ(after[k].actions, before[k].actions);

  const WinMeasure plain = measureWins(*d, novice, 20, 5, nullptr);
  const WinMeasure line = measureWins(*d, novice, 20, 5, nullptr, AutoGiveUp::Below60);
  EXPECT_EQ(plain.fights, line.fights);
  EXPECT_LT(line.wins, plain.wins);
}

}  // namespace
}  // namespace velko::sim
