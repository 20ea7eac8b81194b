// A save cut short at any step, by a failure or by the end of the process, leaves its slot
// all old or all new once the game starts again, and no file of the attempt behind.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <random>
#include <thread>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "career/doll_exchange.h"
#include "commit_script.h"
#include "data/registry/registry_reset.h"
#include "data/registry/registry_write.h"
#include "data/save/commit_record.h"
#include "data/save/save_commit.h"
#include "data/save/slot_load.h"
#include "data/save/slot_number.h"
#include "data/save/slot_preview.h"
#include "data/save/slot_save.h"
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

  // The next start: settled, all old or all new, no record left over.
  std::string afterRestart() {
    EXPECT_TRUE(settleSaveFolder(f.folder));
    EXPECT_EQ(testing::strayLeftoversIn(save(), kSlot3), std::vector<std::string>{});
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

// A first save into an empty slot that fails at any step leaves no file of the slot; a failed
// sync of a new file or of the record is a failure. Files of two folders are never committed.
TEST_F(SaveCrash, AFailedFirstSaveLeavesTheSlotEmpty) {
  const std::vector<std::string> slot5 = {"Playersv5.ini", "PlayDollsv5.ini", "Logicsv5.ini"};
  const FileSet empty = {{slot5[0], ""}, {slot5[1], ""}, {slot5[2], ""}};
  std::vector<CommitStep> kinds;
  {
    StepScript script;
    ASSERT_TRUE(save_rtn(f.folder, 5, f.state, f.prompter));
    kinds = script.kinds;
  }
  ASSERT_GE(std::count(kinds.begin(), kinds.end(), CommitStep::Sync), 4);
  for (size_t k = 0; k < kinds.size(); ++k) {
    for (const std::string& name : slot5)
      std::filesystem::remove(save() / name);
    bool saved = false;
    {
      StepScript script;
      script.failing = {static_cast<int>(k)};
      saved = save_rtn(f.folder, 5, f.state, f.prompter);
    }
    const FileSet now = testing::filesIn(save(), slot5);
    if (!saved) {
      EXPECT_EQ(now, empty) << "failing step " << k;
    }
    if (kinds[k] == CommitStep::Sync) {
      EXPECT_FALSE(saved) << "failing sync " << k;
    }
  }

  const std::filesystem::path elsewhere = f.temp.path() / "elsewhere";
  std::filesystem::create_directory(elsewhere);
  EXPECT_FALSE(commitFiles({{save() / "a.ini", "a"}, {elsewhere / "b.ini", "b"}}));
  EXPECT_FALSE(std::filesystem::exists(save() / "a.ini"));
  EXPECT_FALSE(std::filesystem::exists(save() / "b.ini"));
  EXPECT_TRUE(std::filesystem::is_empty(elsewhere));
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

// Names like the game's temporaries and backups that are somebody else's, in save/ and in the
// folder a Doll is exported to, outlive everything the game writes or reads there.
TEST_F(SaveCrash, FilesTheGameDidNotWriteSurviveItsWrites) {
  const std::vector<std::string> foreign = {"notes.ini.bak", "app.ini.tmp", "photo.img.tmp",
                                            "photo.img.bak", "diary.rec.tmp"};
  for (const std::string& name : foreign) {
    f.temp.writeBytes("save/" + name, "mine: " + name);
    f.temp.writeBytes("exports/" + name, "mine: " + name);
  }
  f.temp.writeBytes("exports/commit.rec", "not the game's");
  const auto untouched = [&](const std::string& folder) {
    for (const std::string& name : foreign)
      EXPECT_EQ(f.bytesOf(folder + name), "mine: " + name) << folder << name;
  };

  EXPECT_TRUE(prepareSaveFolder(f.folder));
  EXPECT_TRUE(save_rtn(f.folder, 3, f.state, f.prompter));
  EXPECT_TRUE(Rinload_rtn(f.folder, 3, f.prompter));
  EXPECT_GT(entryEnemy(f.folder, *f.Dolls[0], f.prompter), 0);
  CareerState career(f.rnd);
  career.Owners[0] = f.Owners[0];
  career.Dolls[0] = f.Dolls[0];
  EXPECT_TRUE(
      exportPlayerDoll(f.folder, f.temp.path() / "exports" / "mine.velkodoll", career, f.prompter));
  EXPECT_TRUE(load_rtn(f.folder, 3, f.state, f.prompter));
  untouched("save/");
  untouched("exports/");
  EXPECT_EQ(f.bytesOf("exports/commit.rec"), "not the game's");
  EXPECT_FALSE(std::filesystem::exists(f.temp.path() / "exports" / "mine.velkodoll.tmp"));
}

// A damaged record (a commit's or a rollback's), somebody else's and a newer version's: nothing
// acts on it unasked; where the player can be told, it is set aside under a new name with one
// message, the files it names stay as they are, and the slot loads, previews and saves.
TEST_F(SaveCrash, ARecordTheGameCannotCarryOutIsSetAsideAndPlayGoesOn) {
  EXPECT_FALSE(parseCommitRecord("VELKO commit 1\n1 ../Playersv3.ini\n"));
  EXPECT_FALSE(parseCommitRecord("VELKO commit 1\n1 Playersv3.ini"));  // cut short
  EXPECT_FALSE(parseCommitRecord("VELKO commit 2\n1 Playersv3.ini\n"));
  EXPECT_FALSE(parseCommitRecord("VELKO commit 1\n"));
  const auto record = parseCommitRecord(commitRecordBytes({{"a b.ini", true}, {"c.ini", false}}));
  ASSERT_TRUE(record);
  EXPECT_EQ((*record)[0].name, "a b.ini");
  EXPECT_FALSE((*record)[1].hadOld);

  const std::vector<std::array<std::string, 4>> cases = {
      {"commit.rec", "VELKO commit 1\n1 ../../Playersv3.ini\n", "は壊れています",
       "commit.rec.unread"},
      {"commit.rec", "PK\x03\x04 Playersv3.ini\n", "はこのゲームの書き込み記録ではありません",
       "commit.rec.unread-2"},
      {"commit.rec", "VELKO commit 12\n1 Playersv3.ini\n", "は新しい版のVELKOが書いた記録",
       "commit.rec.unread-3"},
      {"rollback.rec", "VELKO commit 1\n1 ../Playersv3.ini\n", "は壊れています",
       "rollback.rec.unread"}};
  for (const auto& [record, bytes, why, aside] : cases) {
    f.temp.writeBytes("save/Playersv3.ini.tmp", "new bytes");
    f.temp.writeBytes("save/" + record, bytes);
    EXPECT_FALSE(settleSaveFolder(f.folder));
    EXPECT_EQ(f.bytesOf("save/" + record), bytes);
    f.dialog.shown.clear();
    EXPECT_TRUE(load_rtn(f.folder, 3, f.state, f.prompter));
    ASSERT_EQ(f.dialog.texts().size(), 1u) << why;
    const std::string told = f.dialog.texts()[0];
    EXPECT_EQ(told.find("save/" + record + " " + why), 0u) << told;
    EXPECT_NE(told.find("save/" + aside + " に名前を変えて残しました"), std::string::npos) << told;
    EXPECT_EQ(f.bytesOf("save/" + aside), bytes);
    EXPECT_FALSE(std::filesystem::exists(save() / record));
    EXPECT_EQ(f.bytesOf("save/Playersv3.ini.tmp"), "new bytes");
    EXPECT_EQ(slot(), before);
    EXPECT_TRUE(Rinload_rtn(f.folder, 3, f.prompter));
    EXPECT_TRUE(save_rtn(f.folder, 3, f.state, f.prompter));
    EXPECT_EQ(f.dialog.texts().size(), 1u);
  }
  EXPECT_EQ(f.bytesOf("save/commit.rec.unread"), std::get<1>(cases[0]));
}

}  // namespace
}  // namespace velko
