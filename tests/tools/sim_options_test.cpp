// The simulator's command line and its column alignment for Japanese names.

#include <gtest/gtest.h>

#include <stdexcept>

#include "sim/sim_options.h"
#include "sim/text_width.h"

namespace velko::sim {
namespace {

TEST(SimOptions, CommandsAndOptionsInAnyOrder) {
  const SimOptions roster = parseOptions({"game", "roster"});
  EXPECT_EQ(roster.game, "game");
  EXPECT_EQ(roster.command, SimCommand::Roster);
  EXPECT_EQ(roster.fights, 40);
  EXPECT_EQ(roster.registry, RegistrySource::Factory);

  const SimOptions slot =
      parseOptions({"--fights", "12", "game", "slot", "3", "--seed", "99", "--registry", "save"});
  EXPECT_EQ(slot.command, SimCommand::Slot);
  EXPECT_EQ(slot.slot, 3);
  EXPECT_EQ(slot.fights, 12);
  EXPECT_EQ(slot.seed, 99u);
  EXPECT_EQ(slot.registry, RegistrySource::Save);

  const SimOptions build = parseOptions({"game", "novice-build", "--skill", "18"});
  EXPECT_EQ(build.command, SimCommand::NoviceBuild);
  EXPECT_EQ(build.skill, 18);

  const SimOptions soak = parseOptions({"game", "career"});
  EXPECT_EQ(soak.policy, CareerPolicy::Random);
  EXPECT_TRUE(soak.csv.empty());
  const SimOptions career =
      parseOptions({"game", "career", "--policy", "sensible", "--csv", "out", "--runs", "50"});
  EXPECT_EQ(career.policy, CareerPolicy::Sensible);
  EXPECT_EQ(career.csv, "out");
  EXPECT_EQ(career.runs, 50);
  EXPECT_EQ(parseOptions({"game", "ladder"}).command, SimCommand::Ladder);

  // --registry stands alone or names which registry.
  const SimOptions league = parseOptions({"game", "league", "--registry", "--dolls", "d"});
  EXPECT_EQ(league.command, SimCommand::League);
  EXPECT_TRUE(league.withRegistry);
  EXPECT_EQ(league.dolls, "d");
  EXPECT_FALSE(parseOptions({"game", "league", "--dolls", "d"}).withRegistry);
  EXPECT_EQ(parseOptions({"game", "league", "--registry", "save"}).registry, RegistrySource::Save);
}

TEST(SimOptions, RefusesWhatItCannotRun) {
  const std::vector<std::vector<std::string>> bad = {
      {},
      {"game"},
      {"game", "tournament"},
      {"game", "slot"},
      {"game", "slot", "x"},
      {"game", "roster", "extra"},
      {"game", "roster", "--fights"},
      {"game", "roster", "--fights", "0"},
      {"game", "roster", "--fights", "12x"},
      {"game", "novice-build", "--skill", "19"},
      {"game", "roster", "--registry", "ini"},
      {"game", "roster", "--speed", "2"},
      {"game", "career", "--policy", "clever"},
      {"game", "career", "--csv"},
      {"game", "league"},
  };
  for (const auto& args : bad)
    EXPECT_THROW(parseOptions(args), std::invalid_argument) << ::testing::PrintToString(args);
}

TEST(SimTextWidth, FullWidthCharactersTakeTwoColumns) {
  EXPECT_EQ(displayWidth("Doll"), 4);
  EXPECT_EQ(displayWidth("ブリキ丸"), 8);
  EXPECT_EQ(fitColumns("ブリキ丸", 10), "ブリキ丸  ");
  // A character that would not fit whole is left out, and the gap is padded.
  EXPECT_EQ(fitColumns("シルバーファング", 7), "シルバ ");
  EXPECT_EQ(fitColumns("AB", 1), "A");
}

}  // namespace
}  // namespace velko::sim
