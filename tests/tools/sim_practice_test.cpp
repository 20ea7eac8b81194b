// velko-sim practice: the practice lab on a saved Doll, printed.

#include <gtest/gtest.h>

#include <sstream>

#include "data/files/file_bytes.h"
#include "data/save/slot_save.h"
#include "data/slot_fixture.h"
#include "replay/replay_file.h"
#include "sim/practice_run.h"

namespace velko::sim {
namespace {

TEST(SimPractice, RunsTheLabOnASavedDollAgainstAClassOrOneOpponent) {
  testing::SlotFixture f;
  f.equipPlayer();
  ASSERT_TRUE(save_rtn(f.folder, 2, f.state, f.prompter));
  const std::string game = f.folder.root().string();

  SimOptions o = parseOptions(
      {game, "practice", "--slot", "2", "--against", "Novice", "--fights", "60", "--seed", "4"});
  EXPECT_EQ(o.command, SimCommand::Practice);
  std::ostringstream out;
  std::ostringstream err;
  ASSERT_EQ(runPracticeCommand(o, out, err), 0) << err.str();
  const std::string text = out.str();
  EXPECT_NE(text.find("60 fights, seed 4"), std::string::npos) << text;
  EXPECT_NE(text.find("win rate "), std::string::npos);
  EXPECT_NE(text.find("(様子見)"), std::string::npos);
  // The same seed, the same table; another seed, other fights.
  std::ostringstream again;
  ASSERT_EQ(runPracticeCommand(o, again, err), 0) << err.str();
  EXPECT_EQ(again.str(), text);
  o.seed = 5;
  std::ostringstream other;
  ASSERT_EQ(runPracticeCommand(o, other, err), 0) << err.str();
  EXPECT_NE(other.str().substr(other.str().find('\n')), text.substr(text.find('\n')));
  o.seed = 4;

  // The worst lost fight, as a replay file the game's inspector reads.
  const std::filesystem::path replay = f.folder.root() / "worst.replay";
  o.replay = replay.string();
  std::ostringstream written;
  ASSERT_EQ(runPracticeCommand(o, written, err), 0) << err.str();
  std::string bytes;
  ASSERT_TRUE(readBytes(replay, bytes));
  const ReplayParse parse = parseReplay(bytes);
  ASSERT_TRUE(parse.recording) << parse.error;
  EXPECT_EQ(parse.recording->winner, 1);
  o.replay.clear();

  o.against = "1";
  std::ostringstream one;
  ASSERT_EQ(runPracticeCommand(o, one, err), 0) << err.str();
  EXPECT_NE(one.str().find(": 1 opponents"), std::string::npos) << one.str();

  o.against = "Grand";
  std::ostringstream refused;
  EXPECT_EQ(runPracticeCommand(o, out, refused), 1);
  EXPECT_NE(refused.str().find("Grand"), std::string::npos);
  EXPECT_THROW(parseOptions({game, "practice", "--slot", "2"}), std::invalid_argument);
}

}  // namespace
}  // namespace velko::sim
