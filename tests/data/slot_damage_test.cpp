#include <gtest/gtest.h>

#include <algorithm>

#include "data/save/slot_load.h"
#include "data/save/slot_save.h"
#include "data/share/doll_share.h"
#include "history/history_file.h"
#include "history/history_slot.h"
#include "slot_fixture.h"

namespace velko {
namespace {

using testing::SlotFixture;

constexpr const char* kMissing = "ファイルが見つかりません";

size_t messagesShown(const testing::ScriptedDialog& dialog, const std::string& text) {
  const auto texts = dialog.texts();
  return static_cast<size_t>(std::count(texts.begin(), texts.end(), text));
}

// Where the last line of the file starts (the file ends with CR LF).
size_t lastLineStart(const std::string& bytes) {
  return bytes.rfind("\r\n", bytes.size() - 3) + 2;
}

class SlotDamage : public ::testing::Test {
 protected:
  void SetUp() override {
    f.equipPlayer();
    ASSERT_TRUE(save_rtn(f.folder, 3, f.state, f.prompter));
    saved = f.Dolls[0];
    for (const char* file : kFiles)
      whole.push_back(f.bytesOf(file));
  }

  // Loads slot 3 into a state whose player and Doll are recognisable.
  void loadOverSentinels() {
    f.dialog.shown.clear();
    f.Owners[0] = std::make_shared<Owner>();
    f.Owners[0]->name = "前のデータ";
    f.Dolls[0] = std::make_shared<doll>();
    f.Dolls[0]->name = "前のドール";
    f.duelistState = kDuelistReady;
    const bool read = load_rtn(f.folder, 3, f.state, f.prompter);
    // Whole exactly when nothing had to be reported.
    EXPECT_EQ(read, messagesShown(f.dialog, kMissing) == 0);
    EXPECT_EQ(f.duelistState, kDuelistNotReady);
  }

  static constexpr const char* kFiles[] = {"save/Playersv3.ini", "save/PlayDollsv3.ini",
                                           "save/Logicsv3.ini"};
  SlotFixture f;
  DollRef saved;
  std::vector<std::string> whole;
};

TEST_F(SlotDamage, AFileCutAtAnyByteIsReportedOrLoadsWholeRecords) {
  for (size_t file = 0; file < 3; ++file) {
    for (size_t cut = 0; cut < whole[file].size(); ++cut) {
      const std::string bytes = whole[file].substr(0, cut);
      f.temp.writeBytes(kFiles[file], bytes);
      loadOverSentinels();
      const bool reported = messagesShown(f.dialog, kMissing) == 1;
      ASSERT_EQ(f.dialog.shown.size(), reported ? 1u : 0u) << file << "/" << cut;
      // The damaged file's reader changed nothing; the others still ran.
      EXPECT_EQ(f.Owners[0]->name, file == 0 && reported ? "前のデータ" : "秋津遥人");
      EXPECT_EQ(f.Dolls[0]->name, file == 1 && reported ? "前のドール" : "ヴァルキリー改");
      // Only a cut inside the last line can leave all the values a reader needs.
      if (file < 2 && cut < lastLineStart(whole[file])) {
        EXPECT_TRUE(reported) << file << "/" << cut;
      }
      if (file < 2) continue;
      // Programs: every record begun in the cut file was loaded, or none was.
      int headers = 0;
      for (size_t at = ("\n" + bytes).find("\n. "); at != std::string::npos;
           at = ("\n" + bytes).find("\n. ", at + 1)) {
        ++headers;
      }
      int loaded = 0;
      for (int k = 0; k < 7; ++k) {
        const Logic& logic = *f.Dolls[0]->getLogic(k);
        if (logic.ID == 0) continue;
        ++loaded;
        EXPECT_EQ(logic.name, saved->getLogic(k)->name) << cut;
        EXPECT_EQ(logic.AP, saved->getLogic(k)->AP) << cut;
      }
      EXPECT_EQ(loaded, reported ? 0 : headers) << cut;
    }
    f.temp.writeBytes(kFiles[file], whole[file]);
  }
}

TEST_F(SlotDamage, MissingAndGarbledFilesAreReportedOneByOne) {
  std::filesystem::remove_all(f.temp.path() / "save");
  loadOverSentinels();
  EXPECT_EQ(messagesShown(f.dialog, kMissing), 3u);
  EXPECT_EQ(f.Owners[0]->name, "前のデータ");
  EXPECT_EQ(f.Dolls[0]->name, "前のドール");

  // A word where a number belongs, and a byte that is not Shift_JIS.
  std::string garbled = whole[0];
  garbled.replace(garbled.find("1530"), 4, "abcd");
  f.temp.writeBytes(kFiles[0], garbled);
  f.temp.writeBytes(kFiles[1], "\x81\x20\r\n" + whole[1]);
  f.temp.writeBytes(kFiles[2], "garbage\r\n" + whole[2]);
  loadOverSentinels();
  EXPECT_EQ(messagesShown(f.dialog, kMissing), 3u);
  EXPECT_EQ(f.Owners[0]->name, "前のデータ");
  EXPECT_EQ(f.Dolls[0]->name, "前のドール");
  EXPECT_TRUE(f.Dolls[0]->getLogic(0)->name.empty());

  // A catalogue file gone while the parts are rebuilt.
  for (size_t i = 0; i < 3; ++i)
    f.temp.writeBytes(kFiles[i], whole[i]);
  std::filesystem::remove(f.temp.path() / "ini" / "Software3.ini");
  loadOverSentinels();
  EXPECT_EQ(messagesShown(f.dialog, kMissing), 2u);
  EXPECT_EQ(f.Owners[0]->name, "前のデータ");
  EXPECT_EQ(f.Dolls[0]->name, "前のドール");
}

TEST_F(SlotDamage, ASaveThatFailsMidwayLeavesThePreviousSlotWhole) {
  const auto leftovers = [&] {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(f.temp.path() / "save")) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  };
  f.Owners[0]->name = "二回目";
  f.Dolls[0]->Motor->HP = 30;

  // The third file cannot even be started: nothing is replaced.
  std::filesystem::create_directory(f.temp.path() / "save" / "Logicsv3.ini.tmp");
  EXPECT_FALSE(save_rtn(f.folder, 3, f.state, f.prompter));
  EXPECT_EQ(f.dialog.texts().back(), "セーブできませんでした\nファイルに書き込めません");
  for (size_t i = 0; i < 3; ++i)
    EXPECT_EQ(f.bytesOf(kFiles[i]), whole[i]);
  EXPECT_EQ(leftovers(), (std::vector<std::string>{"Logicsv3.ini", "Logicsv3.ini.tmp",
                                                   "PlayDollsv3.ini", "Playersv3.ini"}));
  std::filesystem::remove(f.temp.path() / "save" / "Logicsv3.ini.tmp");

  // The third file cannot be put in place after the first two were: they are put back.
  std::filesystem::remove(f.temp.path() / kFiles[2]);
  f.temp.writeBytes("save/Logicsv3.ini/blocker", "x");
  EXPECT_FALSE(save_rtn(f.folder, 3, f.state, f.prompter));
  EXPECT_EQ(f.bytesOf(kFiles[0]), whole[0]);
  EXPECT_EQ(f.bytesOf(kFiles[1]), whole[1]);
  EXPECT_EQ(leftovers(),
            (std::vector<std::string>{"Logicsv3.ini", "PlayDollsv3.ini", "Playersv3.ini"}));

  // With the way clear the same save goes through.
  std::filesystem::remove_all(f.temp.path() / kFiles[2]);
  EXPECT_TRUE(save_rtn(f.folder, 3, f.state, f.prompter));
  loadOverSentinels();
  EXPECT_EQ(f.Owners[0]->name, "二回目");
  EXPECT_EQ(f.Dolls[0]->Motor->HP, 30);
}

}  // namespace
}  // namespace velko

namespace velko {
namespace {

// A slot saved with a history of two months, the second the slot's own (2014/05, month 16).
class HistoryDamage : public ::testing::Test {
 protected:
  void SetUp() override {
    f.equipPlayer();
    history = startHistory(f.gameDate.addMonths(-1));
    countFight(history,
               {1, HistoryEnd::Won, 7, 1000, "20261207-205203-123456-tournament.replay", "敵"});
    closeMonth(history, *f.Owners[0], *f.Dolls[0], f.gameDate);
    ASSERT_TRUE(
        save_rtn(f.folder, 3, f.state, f.prompter, {historyPendingFile(f.folder, 3, history)}));
    whole = f.bytesOf(kHistory);
  }

  // Loads the slot and its history: the slot always loads; a refused history restarts at the
  // slot's month after one message naming the file.
  void expectRefused(const std::string& what) {
    f.dialog.shown.clear();
    ASSERT_TRUE(load_rtn(f.folder, 3, f.state, f.prompter)) << what;
    EXPECT_EQ(loadSlotHistory(f.folder, 3, f.gameDate, f.prompter), startHistory(f.gameDate))
        << what;
    ASSERT_EQ(f.dialog.shown.size(), 1u) << what;
    EXPECT_NE(f.dialog.texts()[0].find("Historysv3.history"), std::string::npos) << what;
  }

  static constexpr const char* kHistory = "save/Historysv3.history";
  testing::SlotFixture f;
  CareerHistory history;
  std::string whole;
};

TEST_F(HistoryDamage, AnyCutOrChangedByteIsRefusedNamingTheFileAndTheSlotStillLoads) {
  for (size_t cut = 0; cut < whole.size(); ++cut) {
    f.temp.writeBytes(kHistory, whole.substr(0, cut));
    expectRefused("cut " + std::to_string(cut));
  }
  for (size_t at = 0; at < whole.size(); ++at) {
    std::string changed = whole;
    changed[at] = changed[at] == '1' ? '2' : '1';
    f.temp.writeBytes(kHistory, changed);
    expectRefused("byte " + std::to_string(at));
  }
}

TEST_F(HistoryDamage, ALineThatBreaksTheLayoutIsNamedEvenUnderAGoodChecksum) {
  const auto refusal = [&](const std::string& body) {
    f.temp.writeBytes(kHistory, checkedText(body));
    expectRefused(body);
    return f.dialog.texts().at(0);
  };
  const auto bodyOf = [](const std::string& text) { return text.substr(0, text.rfind("check ")); };
  const std::string body = bodyOf(whole);
  const auto edited = [&](const std::string& from, const std::string& to) {
    std::string text = body;
    text.replace(text.find(from), from.size(), to);
    return text;
  };
  // Line 3 is the first month's build: a motor spelt "05".
  EXPECT_NE(refusal(edited("build ", "build 0")).find("3行目"), std::string::npos);
  // A replay name that would reach out of save/replays/ (line 4, the month's fight).
  EXPECT_NE(refusal(edited("20261207", "../../x")).find("4行目"), std::string::npos);
  // Months out of order: the second month (line 5) is not after the first.
  CareerHistory bad = history;
  bad.months[1].month = 15;
  EXPECT_NE(refusal(bodyOf(writeHistory(bad))).find("5行目"), std::string::npos);
  // More wins than fights (line 2).
  bad = history;
  bad.months[0].wins = 2;
  EXPECT_NE(refusal(bodyOf(writeHistory(bad))).find("2行目"), std::string::npos);
  // A history whose last month is not the slot's.
  f.temp.writeBytes(kHistory, whole);
  f.gameDate = f.gameDate.addMonths(1);
  f.dialog.shown.clear();
  EXPECT_EQ(loadSlotHistory(f.folder, 3, f.gameDate, f.prompter), startHistory(f.gameDate));
  EXPECT_EQ(f.dialog.texts().size(), 1u);
}

}  // namespace
}  // namespace velko
