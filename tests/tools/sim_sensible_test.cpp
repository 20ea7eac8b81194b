// The sensible pilot's pieces: its six patterns, the parts it buys for its money, the readable
// roster description the factory opponents are written from, and the career sums.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>
#include <sstream>
#include <stdexcept>

#include "battle/headless_seams.h"
#include "coach/build_planner.h"
#include "coach/sensible_patterns.h"
#include "data/catalogue/catalogue.h"
#include "shop/shop_kinds.h"
#include "sim/career_report.h"
#include "sim/ladder.h"
#include "sim/novice_builds.h"
#include "sim/registry_roster.h"
#include "sim/roster_description.h"
#include "sim/svg_chart.h"
#include "tools/shipped_game.h"

namespace velko::sim {
namespace {

ActionCosts starterCosts() {
  doll d;
  d.setSoftM(0, ld_SoftM(kGame, kStarterSoftM));
  d.setSoftA(0, ld_SoftA(kGame, kStarterSoftA));
  d.setSoftD(0, ld_SoftD(kGame, kStarterSoftD));
  return costsOf(d);
}

int totalMemory(const std::vector<PatternPlan>& plans) {
  int sum = 0;
  for (const PatternPlan& p : plans)
    sum += p.Memory;
  return sum;
}

bool holds(const PatternPlan& p, int16_t id) {
  return std::find(p.actions.begin(), p.actions.end(), id) != p.actions.end();
}

TEST(SensiblePatterns, SixDistinctPatternsSizedToTheRollsAndTheMemory) {
  const ActionCosts costs = starterCosts();
  for (const auto style : {PatternStyle::Striker, PatternStyle::Grappler}) {
    for (int ap : {0, 3, 6}) {
      const auto plans = sensiblePatterns(costs, ap, 200, style, true);
      ASSERT_EQ(plans.size(), 6u);
      std::set<std::vector<int16_t>> shapes;
      int cheapest = 99;
      int dearest = 0;
      for (const PatternPlan& p : plans) {
        shapes.insert(p.actions);
        EXPECT_LE(p.actions.size(), 6u) << p.name;
        cheapest = std::min(cheapest, p.AP);
        dearest = std::max(dearest, p.AP);
      }
      EXPECT_EQ(shapes.size(), 6u) << "ap " << ap;
      EXPECT_EQ(plans[0].actions.front(), kMove);
      EXPECT_EQ(plans[1].actions.front(), kMove);
      EXPECT_TRUE(std::any_of(plans.begin(), plans.end(), [](auto& p) { return holds(p, kSpin); }));
      EXPECT_TRUE(
          std::any_of(plans.begin(), plans.end(), [](auto& p) { return holds(p, kHazusi); }));
      // The poorest roll (2) affords one pattern, the best roll (12) uses most of itself.
      EXPECT_LE(cheapest, ap + 2);
      EXPECT_LE(dearest, ap + 12);
      EXPECT_GE(dearest, ap + 7);
    }
  }
  // Every roll, with memory from plenty to less than any computer holds, keeps the patterns
  // distinct (alike ones trade a blow).
  for (const auto style : {PatternStyle::Striker, PatternStyle::Grappler}) {
    for (int ap = 0; ap <= 12; ++ap) {
      for (int memory : {200, 44, 30}) {
        for (bool jumpPays : {true, false}) {
          const auto plans = sensiblePatterns(costs, ap, memory, style, jumpPays);
          std::set<std::vector<int16_t>> shapes;
          for (const PatternPlan& p : plans)
            shapes.insert(p.actions);
          EXPECT_EQ(shapes.size(), plans.size()) << "ap " << ap << " memory " << memory;
        }
      }
    }
  }
  const auto grappler = sensiblePatterns(costs, 3, 200, PatternStyle::Grappler, false);
  EXPECT_TRUE(std::any_of(grappler.begin(), grappler.end(),
                          [](auto& p) { return holds(p, kKumi) && holds(p, kDrop); }));

  // Little memory shortens the longest patterns until all six fit; the dashes keep a blow.
  const auto roomy = sensiblePatterns(costs, 6, 200, PatternStyle::Striker, true);
  const int need = totalMemory(roomy);
  for (const int memory : {need - 8, need / 2}) {
    const auto tight = sensiblePatterns(costs, 6, memory, PatternStyle::Striker, true);
    EXPECT_LE(totalMemory(tight), memory);
    EXPECT_TRUE(holds(tight[0], kPunch) || holds(tight[0], kKick));
  }
}

TEST(SensiblePatterns, ProgrammedPatternsCarryTheNamedActionsOfTheSoftware) {
  // The shop hands out records from its tables, whose actions carry costs and no names.
  const SoftTables soft = ld_AllSoft(kGame);
  auto d = std::make_shared<doll>();
  d->setSoftM(0, soft.mobile[kStarterSoftM]);
  d->setSoftA(0, soft.attack[kStarterSoftA]);
  d->setSoftD(0, soft.defence[kStarterSoftD]);
  SilentPrompter prompter;
  programDoll(*d, sensiblePatterns(costsOf(*d), 3, 200, PatternStyle::Striker, false), prompter);
  EXPECT_TRUE(d->programed);
  // Read as empty, unnamed actions would end every pattern at its first slot.
  EXPECT_EQ(d->getLogic(0)->getActionsname(0), "移動");
  EXPECT_EQ(d->getLogic(0)->getActions(1)->ID, kPunch);
  EXPECT_GT(d->getLogic(5)->AP, 0);
}

TEST(BuildPlanner, StaysWithinTheMoneyAndTheClassAndPricesOwnedPartsAtTheirResale) {
  const BuildPlanner planner(kGame);
  const auto rivals = rivalsOf(loadRoster(kGame, RegistrySource::Factory));
  for (const int budget : {600, 1100, 2300, 4000}) {
    const BuildPlan plan = planner.best(budget, kNoviceLimit, 10, rivals[0]);
    ASSERT_TRUE(plan.complete()) << budget;
    EXPECT_LE(plan.price, budget);
    EXPECT_LE(plan.value, kNoviceLimit);
    EXPECT_GT(plan.score, 0) << "a Doll that cannot close in";
    SilentPrompter prompter;
    const DollRef d = planner.assemble(plan, 10, prompter);
    EXPECT_EQ(d->value, plan.value);
  }
  EXPECT_FALSE(planner.best(100, kNoviceLimit, 10, rivals[0]).complete());

  BuildPlan plan = planner.best(1500, kNoviceLimit, 10, rivals[0]);
  const int full = plan.price;
  PartCount owned{
      {{kKindMotor, plan.motor}, 1}, {{kKindFrame, plan.frame}, 1}, {{kKindHard, plan.hard}, 1}};
  planner.evaluate(plan, 10, rivals[0], owned);
  const auto& t = planner.tables();
  const int kept = t.motors[plan.motor]->Rl + t.frames[plan.frame]->Rl + t.hards[plan.hard]->Rl;
  EXPECT_NEAR(plan.price, full - kept / 2.0, 2);
  EXPECT_EQ(plan.value, full + planner.softwareValue());
}

TEST(RosterDescription, ReadsEachColumnAndNamesTheLineOfAFault) {
  const auto entries = parseRosterDescription(
      "# comment\n\n甲 12 4 1 7 2/5/1 1,3 - striker\r\n乙 9 7 3 8 1/2/6 - 7,7 grappler\n");
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].name, "甲");
  EXPECT_EQ(entries[0].skill, 12);
  EXPECT_EQ(entries[0].boosters, (std::vector<int16_t>{1, 3}));
  EXPECT_TRUE(entries[0].protectors.empty());
  EXPECT_EQ(entries[1].softM, 1);
  EXPECT_EQ(entries[1].softD, 6);
  EXPECT_EQ(entries[1].style, PatternStyle::Grappler);
  EXPECT_EQ(parseRosterDescription(describe(entries[1]))[0].protectors, entries[1].protectors);

  const std::vector<std::string> bad = {
      "甲 12 4 1 7 2/5/1 1 - striker extra", "甲 x 4 1 7 2/5/1 1 - striker",
      "甲 12 4 1 7 2/5 1 - striker", "甲 12 4 1 7 2/5/1 1 - boxer"};
  for (const std::string& line : bad) {
    try {
      parseRosterDescription("# heading\n" + line + "\n");
      ADD_FAILURE() << line;
    } catch (const std::invalid_argument& e) {
      EXPECT_NE(std::string(e.what()).find("line 2"), std::string::npos) << e.what();
    }
  }
  SilentPrompter prompter;
  // A warrior frame with nothing to move it could never close in.
  EXPECT_THROW(
      buildRosterDoll(kGame, parseRosterDescription("甲 9 1 1 1 2/5/1 - - striker")[0], prompter),
      std::invalid_argument);
  EXPECT_THROW(
      buildRosterDoll(kGame, parseRosterDescription("甲 9 1 99 1 2/5/1 - - striker")[0], prompter),
      std::invalid_argument);
}

std::vector<std::string> linesOf(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);)
    lines.push_back(line);
  return lines;
}

TEST(RosterDescription, TheShippedOpponentsAreWhatTheDescriptionGives) {
  const std::string source = VELKO_SOURCE_DIR;
  std::ifstream in(source + "/assets/factory_roster.txt", std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  SilentPrompter prompter;
  std::vector<DollRef> dolls;
  for (const RosterEntry& entry : parseRosterDescription(text.str()))
    dolls.push_back(buildRosterDoll(kGame, entry, prompter));
  const RosterFiles files = writeRoster(dolls);
  EXPECT_EQ(files.dolls, linesOf(source + "/assets/ini/Dollsv.ini"));
  EXPECT_EQ(files.logics, linesOf(source + "/assets/ini/Logicsv.ini"));
}

TEST(CareerSummary, SharesMediansAndLossesPerEntry) {
  EXPECT_DOUBLE_EQ(quantile({}, 0.5), 0);
  EXPECT_DOUBLE_EQ(quantile({4, 1, 3, 2}, 0.5), 2.5);
  EXPECT_DOUBLE_EQ(quantile({4, 1, 3, 2}, 0.25), 1.75);

  std::vector<SensibleCareer> careers(4);
  careers[0].classes[0] = {.entered = 4,
                           .championships = 1,
                           .fightsWon = 5,
                           .partsDestroyed = 2,
                           .entriesWithLoss = 1,
                           .firstWinMonth = 3};
  careers[1].classes[0] = {.entered = 6,
                           .championships = 2,
                           .fightsWon = 9,
                           .partsDestroyed = 0,
                           .entriesWithLoss = 0,
                           .firstWinMonth = 7};
  careers[2].classes[0] = {.entered = 10};
  careers[3].moneyAtMonthEnd[23] = 800;
  careers[0].firstNoviceBout = 1;
  careers[1].firstNoviceBout = -1;
  careers[2].firstNoviceBout = -1;
  const CareerSummary s = summarize(careers);
  EXPECT_DOUBLE_EQ(s.classes[0].winnerShare, 0.5);
  EXPECT_DOUBLE_EQ(s.classes[0].medianFirstWin, 5);
  EXPECT_EQ(s.classes[0].entered, 20);
  EXPECT_DOUBLE_EQ(s.classes[0].destroyedPerEntry, 0.1);
  EXPECT_DOUBLE_EQ(s.classes[0].entriesWithLoss, 0.05);
  EXPECT_EQ(s.firstWins[0][2], 1);
  EXPECT_EQ(s.firstWins[0][6], 1);
  EXPECT_DOUBLE_EQ(s.money[23][2], 200);
  EXPECT_DOUBLE_EQ(s.firstNoviceBoutWon, 1.0 / 3);  // of the three that entered
  EXPECT_EQ(s.classes[1].entered, 0);
}

TEST(SvgChart, OnePolylinePerSeriesAndTheMarksAsDashedLines) {
  const LineChart chart{
      "a < b", "x", {1, 2, 3}, {{"one", "#000", {0, 0.5, 1}}, {"two", "#111", {1, 1, 1}}}, {2}};
  const std::string svg = svgOf(chart);
  EXPECT_EQ(svg.rfind("<svg", 0), 0u);
  size_t polylines = 0;
  for (size_t at = svg.find("<polyline"); at != std::string::npos;
       at = svg.find("<polyline", at + 1))
    ++polylines;
  EXPECT_EQ(polylines, 2u);
  EXPECT_NE(svg.find("a &lt; b"), std::string::npos);
  EXPECT_NE(svg.find("stroke-dasharray"), std::string::npos);
  // The first series starts at the bottom left and ends at the top right of the plot.
  EXPECT_NE(svg.find("points=\"60.0,350.0 "), std::string::npos);
  EXPECT_NE(svg.find("570.0,40.0 \""), std::string::npos);
}

}  // namespace
}  // namespace velko::sim
