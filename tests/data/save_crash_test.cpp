// A save cut short at any step, by a failure or by the end of the process, leaves its slot
// all old or all new once the game starts again, and no file of the attempt behind.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <random>
#include <thread>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "commit_script.h"
#include "data/commit_record.h"
#include "data/save_commit.h"
#include "data/slot_load.h"
#include "data/slot_number.h"
#include "data/slot_save.h"
#include "slot_fixture.h"

namespace velko {
namespace {

using testing::FileSet;
using testing::SlotFixture;
using testing::StepScript;

const std::vector<std::string> kSlot3 = {"Playersv3.ini", "PlayDollsv3.ini", "Logicsv3.ini"};

class SaveCrash : public ::testing::Test {
 protected:
  void SetUp() override {
    f.equipPlayer();
    ASSERT_TRUE(save_rtn(f.folder, 3, f.state, f.prompter));
    before = slot();
    // The same save again with another name and motor: its files are what slot 3 turns into.
    f.Owners[0]->name = "二回目";
    f.Dolls[0]->Motor->HP = 30;
    ASSERT_TRUE(save_rtn(f.folder, 9, f.state, f.prompter));
    const FileSet nine =
        testing::filesIn(save(), {"Playersv9.ini", "PlayDollsv9.ini", "Logicsv9.ini"});
    after = {{"Playersv3.ini", nine.at("Playersv9.ini")},
             {"PlayDollsv3.ini", nine.at("PlayDollsv9.ini")},
             {"Logicsv3.ini", nine.at("Logicsv9.ini")}};
    ASSERT_NE(before, after);
  }

  std::filesystem::path save() const { return f.temp.path() / "save"; }
  FileSet slot() const { return testing::filesIn(save(), kSlot3); }
  std::string state() const { return testing::stateOf(slot(), before, after); }

  // Slot 3 as it was, and nothing else of an earlier attempt.
  void startOver() { testing::startOver(save(), before); }

  void saveStoppedAt(int step) {
    StepScript script;
    script.stopping = step;
    EXPECT_THROW((void)save_rtn(f.folder, 3, f.state, f.prompter), CommitStopped);
  }

  int stepsOf(const std::function<void()>& run) {
    StepScript script;
    run();
    return script.steps;
  }

  // The next start: settled, all old or all new, nothing left over, and it loads.
  std::string afterRestart() {
    EXPECT_TRUE(settleSaveFolder(f.folder));
    EXPECT_EQ(testing::leftoversIn(save()), std::vector<std::string>{});
    return state();
  }

  SlotFixture f;
  FileSet before;
  FileSet after;
};

TEST_F(SaveCrash, StoppedAfterAnyStepEvenDuringItsRecoveryTheSlotIsAllOldOrAllNew) {
  const int saveSteps = stepsOf([&] { EXPECT_TRUE(save_rtn(f.folder, 3, f.state, f.prompter)); });
  std::map<std::string, int> found;
  int tried = 0;
  for (int k = 0; k < saveSteps; ++k) {
    startOver();
    saveStoppedAt(k);
    const int recoverySteps = stepsOf([&] { ++found[afterRestart()]; });
    ++tried;
    // The recovery itself dies at each of its steps; the start after that finishes the job.
    for (int j = 0; j < recoverySteps; ++j) {
      startOver();
      saveStoppedAt(k);
      {
        StepScript script;
        script.stopping = j;
        EXPECT_THROW((void)settleSaveFolder(f.folder), CommitStopped);
      }
      ++found[afterRestart()];
      ++tried;
    }
  }
  std::cout << "[ figures  ] save stopped at " << tried << " points: " << found["old"] << " old, "
            << found["new"] << " new, " << found["mixed"] << " mixed\n";
  EXPECT_EQ(found["mixed"], 0);
  // The commit is made at one step: before it every stop leaves the old slot, after it the new.
  EXPECT_GT(found["old"], 0);
  EXPECT_GT(found["new"], 0);
}

TEST_F(SaveCrash, AFailureAtAnyStepOrTwoIsReportedAsTheSlotEndsUp) {
  const int saveSteps = stepsOf([&] { EXPECT_TRUE(save_rtn(f.folder, 3, f.state, f.prompter)); });
  int tried = 0;
  int asReported = 0;
  // One failure, or a second one during what the first sets off (the rollback, the clean-up).
  for (int k = 0; k < saveSteps; ++k) {
    for (int j = k; j <= k + 4; ++j) {
      startOver();
      bool saved = false;
      {
        StepScript script;
        script.failing = {k, j};
        saved = save_rtn(f.folder, 3, f.state, f.prompter);
      }
      // Told it failed: the previous slot; told it worked: the new one. Only when the second
      // failure kept the commit from even recording its rollback does its record stay, and
      // the next start carries it out as recorded: never a mixed slot.
      const bool recordLeft = std::filesystem::exists(save() / "commit.rec") ||
                              std::filesystem::exists(save() / "rollback.rec");
      const std::string expected = saved ? "new" : "old";
      if (!recordLeft) {
        EXPECT_EQ(state(), expected) << "failing steps " << k << " and " << j;
      }
      const std::string end = afterRestart();
      EXPECT_NE(end, "mixed") << "failing steps " << k << " and " << j;
      if (k == j) {
        EXPECT_EQ(end, expected) << "failing step " << k;
      }
      ++tried;
      asReported += end == expected;
    }
  }
  std::cout << "[ figures  ] save failed at " << tried << " steps or step pairs: " << asReported
            << " left the slot as reported\n";
}

// A real process, ended with SIGKILL at each step of a save and at random moments of saves
// slowed down (1 ms a step); VELKO_KILLS sets how many random kills (30 unless given).
TEST_F(SaveCrash, KilledChildProcessesLeaveWholeSlots) {
  using Clock = std::chrono::steady_clock;
  const int saveSteps = stepsOf([&] { EXPECT_TRUE(save_rtn(f.folder, 3, f.state, f.prompter)); });
  // A child that saves slot 3, killing itself at one step or going slowly (killAt -1).
  const auto startSave = [&](int killAt) {
    const pid_t child = ::fork();
    if (child != 0) return child;
    int step = 0;
    setCommitProbe([&](CommitStep, const std::filesystem::path&) {
      if (step++ == killAt) ::raise(SIGKILL);
      if (killAt < 0) std::this_thread::sleep_for(std::chrono::milliseconds(1));
      return StepAnswer::Go;
    });
    ::_exit(save_rtn(f.folder, 3, f.state, f.prompter) ? 0 : 1);
  };
  const auto finish = [&](pid_t child) {
    int status = 0;
    EXPECT_EQ(::waitpid(child, &status, 0), child);
    return afterRestart();
  };

  std::map<std::string, int> found;
  for (int k = 0; k < saveSteps; ++k) {
    startOver();
    ++found[finish(startSave(k))];
  }
  // How long a slowed save takes, so the kills fall anywhere in it.
  startOver();
  const auto begun = Clock::now();
  ASSERT_EQ(finish(startSave(-1)), "new");
  const auto span = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - begun);
  const char* env = std::getenv("VELKO_KILLS");
  const int randomKills = env ? std::atoi(env) : 30;
  std::mt19937 random(11);
  for (int kill = 0; kill < randomKills; ++kill) {
    startOver();
    const pid_t child = startSave(-1);
    std::this_thread::sleep_for(std::chrono::microseconds(random() % span.count()));
    ::kill(child, SIGKILL);
    ++found[finish(child)];
  }
  std::cout << "[ figures  ] " << saveSteps + randomKills << " killed saves (" << randomKills
            << " at random in " << span.count() / 1000 << " ms): " << found["old"] << " old, "
            << found["new"] << " new, " << found["mixed"] << " mixed\n";
  EXPECT_EQ(found["mixed"], 0);
  EXPECT_GT(found["old"], 0);
  EXPECT_GT(found["new"], 0);
}

TEST_F(SaveCrash, ARecordTheGameCannotCarryOutStopsSavesAndLoadsAndChangesNothing) {
  EXPECT_FALSE(parseCommitRecord("VELKO commit 1\n1 ../Playersv3.ini\n"));
  EXPECT_FALSE(parseCommitRecord("VELKO commit 1\n1 Playersv3.ini"));  // cut short
  EXPECT_FALSE(parseCommitRecord("VELKO commit 2\n1 Playersv3.ini\n"));
  EXPECT_FALSE(parseCommitRecord("VELKO commit 1\n"));
  const auto record = parseCommitRecord(commitRecordBytes({{"a b.ini", true}, {"c.ini", false}}));
  ASSERT_TRUE(record);
  EXPECT_EQ((*record)[0].name, "a b.ini");
  EXPECT_FALSE((*record)[1].hadOld);

  f.temp.writeBytes("save/Playersv3.ini.tmp", "new bytes");
  f.temp.writeBytes("save/commit.rec", "VELKO commit 1\n1 ../../Playersv3.ini\n");
  EXPECT_FALSE(settleSaveFolder(f.folder));
  EXPECT_EQ(f.bytesOf("save/Playersv3.ini.tmp"), "new bytes");
  EXPECT_FALSE(save_rtn(f.folder, 3, f.state, f.prompter));
  EXPECT_EQ(slot(), before);
  f.dialog.shown.clear();
  EXPECT_FALSE(load_rtn(f.folder, 3, f.state, f.rnd, f.prompter));
  EXPECT_EQ(f.dialog.texts(), std::vector<std::string>(3, "ファイルが見つかりません"));
}

}  // namespace
}  // namespace velko
