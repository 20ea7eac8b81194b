// Registering an opponent writes both registry files and their copies as one commit: a full
// disk, a failure at any step or a stop at any step never leaves a Doll without its patterns.

#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>

#include "commit_script.h"
#include "data/registry/registry_read.h"
#include "data/registry/registry_reset.h"
#include "data/registry/registry_write.h"
#include "data/save/save_commit.h"
#include "data/save/slot_number.h"
#include "slot_fixture.h"

namespace velko {
namespace {

using testing::FileSet;
using testing::SlotFixture;
using testing::StepScript;

const std::vector<std::string> kRegistry = {"EDollsv.ini", "ELogicsv.ini", "EDollsv.img",
                                            "ELogicsv.img"};
constexpr const char* kWriteFailed = "敵ファイルに書き込めませんでした";

class RegistryCrash : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(prepareSaveFolder(f.folder));
    f.equipPlayer();
    // One registration first, so the copies exist and differ from the files.
    ASSERT_GT(entryEnemy(f.folder, *f.Dolls[0], f.prompter), 0);
    before = files();
    number = entryEnemy(f.folder, *f.Dolls[0], f.prompter);
    ASSERT_GT(number, 0);
    after = files();
    startOver();
  }

  std::filesystem::path save() const { return f.temp.path() / "save"; }
  FileSet files() const { return testing::filesIn(save(), kRegistry); }
  std::string state() const { return testing::stateOf(files(), before, after); }

  void startOver() {
    testing::startOver(save(), before);
    f.dialog.shown.clear();
  }

  std::string afterRestart() {
    EXPECT_TRUE(prepareSaveFolder(f.folder));
    EXPECT_EQ(testing::strayLeftoversIn(save(), kRegistry), std::vector<std::string>{});
    return state();
  }

  // The new opponent, when it is there, fights with its six patterns.
  void expectWholeOpponent() {
    const DollRef enemy = ldTekiDoll(f.folder, number);
    EXPECT_EQ(enemy->ID, number);
    EXPECT_EQ(enemy->getLogic(5)->name, f.Dolls[0]->getLogic(5)->name);
  }

  SlotFixture f;
  FileSet before;
  FileSet after;
  int16_t number = 0;
};

TEST_F(RegistryCrash, AFullDiskOrAFailureAtAnyStepLeavesTheRegistryAsReported) {
  int steps = 0;
  int writes = 0;
  {
    StepScript script;
    EXPECT_EQ(entryEnemy(f.folder, *f.Dolls[0], f.prompter), number);
    steps = script.steps;
    writes = script.writes;
  }
  int tried = 0;
  int whole = 0;
  const auto check = [&](int16_t result, const std::string& what) {
    const std::string expected = result == number ? "new" : "old";
    if (result == 0) {
      EXPECT_EQ(f.dialog.texts(), std::vector<std::string>{kWriteFailed}) << what;
    }
    EXPECT_EQ(state(), expected) << what;
    const std::string end = afterRestart();
    EXPECT_EQ(end, expected) << what;
    if (end == "new") expectWholeOpponent();
    ++tried;
    whole += end == expected;
  };
  for (int n = 0; n <= writes; ++n) {
    startOver();
    StepScript script;
    script.writesFailingFrom = n;
    check(entryEnemy(f.folder, *f.Dolls[0], f.prompter),
          "disk full from write " + std::to_string(n));
  }
  for (int k = 0; k < steps; ++k) {
    startOver();
    StepScript script;
    script.failing = {k};
    check(entryEnemy(f.folder, *f.Dolls[0], f.prompter), "failing step " + std::to_string(k));
  }
  std::cout << "[ figures  ] registration failed at " << tried << " points: " << whole
            << " left the registry as reported\n";
}

TEST_F(RegistryCrash, StoppedAtAnyStepTheRegistryIsAllOldOrAllNew) {
  int steps = 0;
  {
    StepScript script;
    EXPECT_EQ(entryEnemy(f.folder, *f.Dolls[0], f.prompter), number);
    steps = script.steps;
  }
  std::map<std::string, int> found;
  for (int k = 0; k < steps; ++k) {
    startOver();
    {
      StepScript script;
      script.stopping = k;
      EXPECT_THROW((void)entryEnemy(f.folder, *f.Dolls[0], f.prompter), CommitStopped);
    }
    const std::string end = afterRestart();
    ++found[end];
    if (end == "new") expectWholeOpponent();
  }
  std::cout << "[ figures  ] registration stopped at " << steps << " points: " << found["old"]
            << " old, " << found["new"] << " new, " << found["mixed"] << " mixed\n";
  EXPECT_EQ(found["mixed"], 0);
  EXPECT_GT(found["old"], 0);
  EXPECT_GT(found["new"], 0);
}

TEST_F(RegistryCrash, ANegativeLastDollHeaderIsADamagedRegistry) {
  const std::string dolls = f.bytesOf("save/EDollsv.ini") + ".-3\r\n";
  f.temp.writeBytes("save/EDollsv.ini", dolls);
  const FileSet damaged = files();
  EXPECT_EQ(entryEnemy(f.folder, *f.Dolls[0], f.prompter), 0);
  const auto lastLine = std::count(dolls.begin(), dolls.end(), '\n');
  EXPECT_EQ(f.dialog.texts(),
            std::vector<std::string>{"save/EDollsv.ini " + std::to_string(lastLine) +
                                     "行目: 見出しの番号が負の数です"});
  EXPECT_EQ(files(), damaged);
}

}  // namespace
}  // namespace velko
