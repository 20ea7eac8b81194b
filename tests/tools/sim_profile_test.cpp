// The quick measures the sensible pilot shops by, the ladder's class edges, and the files the
// balance commands write.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "battle/headless_seams.h"
#include "sim/career_report.h"
#include "coach/fighter_profile.h"
#include "sim/ladder.h"
#include "sim/roster_description.h"
#include "support/temp_folder.h"

namespace velko::sim {
namespace {

FighterStats plain(double offence, double defence) {
  FighterStats s;
  s.offence = offence;
  s.defence = defence;
  s.pow = 8;
  s.motorHP = 60;
  s.frameHP = 60;
  s.move = 6;
  s.jump = 4;
  s.weight = 2;
  s.AP = 2;
  return s;
}

TEST(FighterProfile, HitsBlowsAndBonusesAsTheComputerWouldRunThePatterns) {
  // Equal values: half the rolls beat the other, and ties go to the attacker.
  EXPECT_NEAR(hitChance(6, 6), 0.5 + 146.0 / 1296 / 2, 1e-9);
  EXPECT_GT(hitChance(7, 6), hitChance(6, 6));
  EXPECT_DOUBLE_EQ(hitChance(0, 10), 1.0 / 1296);
  EXPECT_DOUBLE_EQ(hitChance(0, 11), 0);

  // Rolls 2-12 plus AP 2: a pattern of AP 4 fits every roll, one of AP 14 only the twelve.
  const std::vector<PatternShape> shapes = {{4, {kJump, kPunch}}, {14, {kPunch, kKick, kPunch}}};
  const FighterProfile p = profileOf(plain(6, 6), shapes);
  EXPECT_NEAR(p.blows, 35.0 / 36 * 1 + 1.0 / 36 * 3, 1e-9);
  // The jump adds Int(4 / 2) = 2 to the blow after it.
  EXPECT_NEAR(p.bonus, 35.0 / 36 * 2, 1e-9);
  EXPECT_DOUBLE_EQ(p.hitPoints, 60);
  EXPECT_TRUE(p.closesIn);

  // A throw pattern is not a plain pattern: in contact the computer never runs it.
  const FighterProfile grappler = profileOf(plain(6, 6), {{4, {kKumi, kDrop, kPunch}}});
  EXPECT_DOUBLE_EQ(grappler.blows, 0);

  FighterStats heavy = plain(6, 6);
  heavy.weight = 7;
  EXPECT_FALSE(profileOf(heavy, shapes).closesIn);
  EXPECT_DOUBLE_EQ(advantage(profileOf(heavy, shapes), p), 0);

  // The odds run both ways: better armour helps one side and not the other.
  FighterStats armoured = plain(6, 6);
  armoured.AC = 3;
  const FighterProfile a = profileOf(armoured, shapes);
  EXPECT_NEAR(advantage(p, p), 1, 1e-9);
  EXPECT_GT(advantage(a, p), 1);
  EXPECT_NEAR(advantage(a, p) * advantage(p, a), 1, 1e-9);
  EXPECT_DOUBLE_EQ(averageOf({p, a}).stats.AC, 1.5);
}

LadderRung rung(int value, double novice, double expert, double master) {
  LadderRung r;
  r.budget = value;
  r.plan.value = value;
  const double rates[] = {novice, expert, master};
  for (int c = 0; c < kClassCount; ++c) {
    r.against[c].fights = 100;
    r.against[c].winsA = static_cast<int>(rates[c] * 100);
  }
  return r;
}

TEST(Ladder, EdgesAreTheFirstAndLastRungOfEachClassAndTheSteepestStepCountsEveryClass) {
  const std::vector<LadderRung> ladder = {
      rung(800, 0.30, 0.00, 0.00),  rung(1050, 0.45, 0.05, 0.00), rung(2500, 0.70, 0.20, 0.00),
      rung(2750, 0.80, 0.35, 0.05), rung(3500, 0.90, 0.65, 0.30), rung(3750, 0.92, 0.70, 0.55)};
  const auto edges = edgesOf(ladder);
  EXPECT_DOUBLE_EQ(edges[0].lower, 0.30);
  EXPECT_EQ(edges[0].lowerValue, 800);
  EXPECT_DOUBLE_EQ(edges[0].upper, 0.70);
  EXPECT_EQ(edges[0].upperValue, 2500);
  EXPECT_DOUBLE_EQ(edges[1].lower, 0.35);
  EXPECT_DOUBLE_EQ(edges[1].upper, 0.65);
  EXPECT_EQ(edges[2].lowerValue, 3750);
  // 0.45 -> 0.70 against Novice; 0.35 -> 0.65 against Expert; 0.30 -> 0.55 against Master.
  EXPECT_NEAR(edges[0].steepest, 0.25, 1e-9);
  EXPECT_NEAR(edges[1].steepest, 0.30, 1e-9);
  EXPECT_NEAR(edges[2].steepest, 0.25, 1e-9);
}

TEST(BalanceFiles, CsvRowsForEveryMonthAndEveryRungAndAClearFaultForAMissingFolder) {
  velko::testing::TempFolder out;
  CareerSummary s;
  s.runs = 2;
  s.firstWins[0][4] = 2;
  writeCareerCsv(out.path().string(), s);
  std::ifstream months(out.path() / "careers-months.csv");
  std::string line;
  int rows = 0;
  std::string fifth;
  while (std::getline(months, line))
    if (++rows == 6) fifth = line;
  EXPECT_EQ(rows, 1 + kCareerMonths);
  EXPECT_EQ(fifth, "5,2,0,0");
  EXPECT_TRUE(std::filesystem::exists(out.path() / "careers-classes.csv"));
  EXPECT_TRUE(std::filesystem::exists(out.path() / "careers-money.csv"));

  writeLadderCsv(out.path().string(), {rung(800, 0.25, 0, 0)});
  std::ifstream ladder(out.path() / "ladder.csv");
  std::getline(ladder, line);
  std::getline(ladder, line);
  EXPECT_EQ(line.rfind("800,800,Novice,0.25,0,0,", 0), 0u) << line;

  EXPECT_THROW(writeCareerCsv((out.path() / "no" / "such").string(), s), std::runtime_error);
}

TEST(RosterFiles, SixProgramRecordsPerDollNumberedOnThroughTheFile) {
  std::vector<DollRef> dolls;
  for (const char* name : {"甲", "乙"}) {
    auto d = std::make_shared<doll>();
    d->name = name;
    for (int k = 0; k < 6; ++k) {
      auto logic = std::make_shared<Logic>();
      logic->name = "技" + std::to_string(k);
      d->setLogics(logic, k);
    }
    dolls.push_back(d);
  }
  const RosterFiles files = writeRoster(dolls);
  std::vector<std::string> dollHeaders;
  for (const std::string& line : files.dolls)
    if (line[0] == '.') dollHeaders.push_back(line);
  EXPECT_EQ(dollHeaders, (std::vector<std::string>{".1", ".2"}));
  std::vector<std::string> programHeaders;
  std::vector<std::string> owners;
  for (size_t i = 0; i + 1 < files.logics.size(); ++i) {
    if (files.logics[i][0] != '.') continue;
    programHeaders.push_back(files.logics[i]);
    owners.push_back(files.logics[i + 1]);
  }
  ASSERT_EQ(programHeaders.size(), 12u);
  EXPECT_EQ(programHeaders.front(), ".1");
  EXPECT_EQ(programHeaders.back(), ".12");
  EXPECT_EQ(owners[5], "1");
  EXPECT_EQ(owners[6], "2");
  EXPECT_EQ(files.dolls.front().rfind("#", 0), 0u);
}

}  // namespace
}  // namespace velko::sim
