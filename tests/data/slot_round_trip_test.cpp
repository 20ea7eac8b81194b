#include <gtest/gtest.h>

#include "career/doll_exchange.h"
#include "data/files/text_file.h"
#include "data/files/value_stream.h"
#include "data/save/save_name_line.h"
#include "data/save/slot_fight_record.h"
#include "data/save/slot_load.h"
#include "data/save/slot_number.h"
#include "data/save/slot_preview.h"
#include "data/save/slot_protector_names.h"
#include "data/save/slot_save.h"
#include "data/share/doll_share.h"
#include "history/history_file.h"
#include "history/history_slot.h"
#include "slot_fixture.h"

namespace velko {
namespace {

using testing::SlotFixture;

// Every inventory slot's ID, kind by kind; a part still new is marked with "+".
std::string inventoryText(const Owner& o) {
  std::string text;
  const auto add = [&](int count, auto get) {
    for (int i = 0; i < count; ++i) {
      const auto& part = get(i);
      text += std::to_string(part->ID) + (part->isNew && part->ID ? "+ " : " ");
    }
    text += "| ";
  };
  add(4, [&](int i) { return o.getMotor(i); });
  add(4, [&](int i) { return o.getFrame(i); });
  add(10, [&](int i) { return o.getBooster(i); });
  add(10, [&](int i) { return o.getProtector(i); });
  add(4, [&](int i) { return o.getHard(i); });
  add(4, [&](int i) { return o.getSoftM(i); });
  add(4, [&](int i) { return o.getSoftA(i); });
  add(4, [&](int i) { return o.getSoftD(i); });
  return text;
}

std::string actionIds(const Logic& logic) {
  std::string ids;
  for (int i = 0; i < Logic::kSlots; ++i)
    ids += std::to_string(logic.getActions(i)->ID) + " ";
  return ids;
}

TEST(SaveSlot, SlotThreeComesBackAsSavedWithEveryPartUsed) {
  SlotFixture f;
  f.equipPlayer();
  const DollRef savedDoll = f.Dolls[0];
  ASSERT_TRUE(save_rtn(f.folder, 3, f.state, f.prompter));

  // A fresh start, then the load.
  f.Owners[0] = std::make_shared<Owner>();
  f.Dolls[0] = std::make_shared<doll>();
  f.gameDate = GameDate();
  f.playMusic = true;
  f.guideOn = false;
  f.duelistState = kDuelistReady;
  EXPECT_TRUE(load_rtn(f.folder, 3, f.state, f.prompter));
  EXPECT_TRUE(f.dialog.shown.empty());

  const Owner& o = *f.Owners[0];
  EXPECT_EQ(o.name, "秋津遥人");
  EXPECT_EQ(std::vector<int>({o.Rl, o.Lv, o.exp, o.skillPlay, o.skillHard, o.skillSoft, o.recWin,
                              o.recLoose, o.recChamp}),
            std::vector<int>({1530, 3, 120, 14, 2, 5, 4, 2, 1}));
  EXPECT_EQ(f.gameDate.format(), "2014/05/01");
  EXPECT_FALSE(f.playMusic);
  EXPECT_TRUE(f.guideOn);
  EXPECT_EQ(f.duelistState, kDuelistNotReady);
  EXPECT_EQ(inventoryText(o),
            "5 3 0 0 | 4 2 0 0 | 1 2 5 9 3 0 0 0 0 0 | 3 3 3 8 1 0 0 0 0 0 | 5 2 0 0 | "
            "2 4 0 0 | 5 3 0 0 | 1 2 0 0 | ");
  std::vector<std::string> protectors;
  for (int i = 0; i < 5; ++i)
    protectors.push_back(o.getProtector(i)->name);
  EXPECT_EQ(protectors, (std::vector<std::string>{"スチール", "スチール 1", "スチール 2",
                                                  "カーボン", "レザーパッド"}));

  const doll& d = *f.Dolls[0];
  EXPECT_EQ(d.name, "ヴァルキリー改");
  EXPECT_EQ(std::vector<int>({d.Motor->ID, d.Motor->HP, d.Motor->maxHP, d.frame->ID, d.frame->HP,
                              d.Hard->ID, d.getSoftM(0)->ID, d.getSoftA(0)->ID, d.getSoftD(0)->ID,
                              d.getBoost(0)->ID, d.getBoost(1)->ID, d.getBoost(2)->ID}),
            std::vector<int>({5, 12, 51, 4, 62, 5, 2, 5, 1, 1, 5, 0}));
  EXPECT_EQ(d.getProtector(0)->name + "/" + d.getProtector(1)->name + "/" +
                d.getProtector(2)->name + "/" + d.getProtector(3)->name,
            "スチール/スチール 1/カーボン/");
  EXPECT_NE(d.Motor, o.getMotor(0));  // records of its own after loading
  EXPECT_TRUE(d.programed);
  for (int k = 0; k < 7; ++k) {
    const Logic& saved = *savedDoll->getLogic(k);
    const Logic& loaded = *d.getLogic(k);
    EXPECT_EQ(loaded.ID, k + 1);
    EXPECT_EQ(loaded.name, saved.name);
    EXPECT_EQ(actionIds(loaded), actionIds(saved));
    EXPECT_EQ(loaded.AP, saved.AP);
    EXPECT_EQ(loaded.Memory, saved.Memory);
  }
  // The loaded patterns hold the installed software's own actions; slots 7-12 stay empty.
  EXPECT_EQ(d.getLogic(0)->getActions(1), d.getSoftA(0)->getAction(kPunch));
  EXPECT_EQ(actionIds(*d.getLogic(7)), actionIds(Logic()));
}

// A slot written by hand in the files' layout: player "秋津" in CP932, a damaged motor, two
// protectors of one kind, and two patterns, the second named as given.
std::string handPlayerFile() {
  return "2014/05/01\r\n"
         "\x8f\x48\x92\xc3\r\n"
         "3,120,1530\r\n"
         "14,2,5\r\n"
         "2,1,0,0\r\n"
         "1,0,0,0\r\n"
         "3,0,0,0,0,0,0,0,0,0\r\n"
         "4,4,0,0,0,0,0,0,0,0\r\n"
         "1,0,0,0\r\n"
         "2,0,0,0\r\n"
         "5,0,0,0\r\n"
         "1,0,0,0\r\n"
         "0,1\r\n"
         "4,2,1\r\n";
}

std::string handDollFile() {
  return "Velko\r\n"
         "0,2,1\r\n"
         "3,0,0,0,0\r\n"
         "4,4,0,0\r\n"
         "1\r\n"
         "2,0,0,0\r\n"
         "5,0,0,0\r\n"
         "1,0,0,0\r\n"
         "0\r\n"
         "12,80\r\n"
         "True\r\n";
}

std::string handLogicFile(const std::string& secondNameLine) {
  std::string text = ". 1\r\nJab\r\n3,2\r\n4,1,0,0,0,0,0,0,0,0\r\n. 2\r\n" + secondNameLine +
                     "\r\n1,1\r\n1,0,0,0,0,0,0,0,0,0\r\n";
  for (int k = 3; k <= 7; ++k)
    text += ". " + std::to_string(k) + "\r\n\r\n0,0\r\n0,0,0,0,0,0,0,0,0,0\r\n";
  return text;
}

TEST(SaveSlot, AHandWrittenSlotLoadsAndIsWrittenBackByteForByte) {
  SlotFixture f;
  f.temp.writeCp932("ini/Motor.ini", ".1\nウィーク\n100\n3,40,1\n.2\nタフ\n300\n8,60,2\n");
  f.temp.writeCp932("ini/Frame.ini", ".1\n修羅\n300\n5,6,0,0,0\n110,2\n01\n");
  f.temp.writeCp932("ini/Booster.ini", ".3\nジェット\n200\n5,4,3\n10,1\n");
  f.temp.writeCp932("ini/Protector.ini", ".4\nスチール\n90\n1.5,0.5\n");
  f.temp.writeCp932("ini/Hardware.ini", ".1\nベーシック\n150\n2,40\n");
  f.temp.writeCp932("ini/Software1.ini", ".2\nステッパー\n50\n1,1,1\n1,1,1\n");
  f.temp.writeCp932("ini/Software2.ini", ".5\nファイター\n80\n2,3,3,4,4\n1,1,1,1,1\n");
  f.temp.writeCp932("ini/Software3.ini", ".1\nガード\n40\n1,1,1\n1,1,1\n");
  f.temp.writeBytes("save/Playersv5.ini", handPlayerFile());
  f.temp.writeBytes("save/PlayDollsv5.ini", handDollFile());
  f.temp.writeBytes("save/Logicsv5.ini", handLogicFile(".Dash"));

  EXPECT_TRUE(load_rtn(f.folder, 5, f.state, f.prompter));
  EXPECT_EQ(f.dialog.texts(), std::vector<std::string>());
  EXPECT_EQ(f.Owners[0]->name, "秋津");
  EXPECT_EQ(f.Owners[0]->getProtector(1)->name, "スチール 1");
  EXPECT_EQ(f.gameDate.format(), "2014/05/01");
  EXPECT_FALSE(f.playMusic);
  const doll& d = *f.Dolls[0];
  EXPECT_EQ(d.Motor->HP * 100 + d.Motor->maxHP, 1260);
  EXPECT_EQ(d.getLogic(0)->getActionsname(0), "パンチ");
  EXPECT_EQ(d.getLogic(1)->name, ".Dash");  // read in its place, full stop and all
  EXPECT_EQ(d.getLogic(6)->ID, 7);

  ASSERT_TRUE(save_rtn(f.folder, 6, f.state, f.prompter));
  EXPECT_EQ(f.bytesOf("save/Playersv6.ini"), handPlayerFile());
  EXPECT_EQ(f.bytesOf("save/PlayDollsv6.ini"), handDollFile());
  EXPECT_EQ(f.bytesOf("save/Logicsv6.ini"), handLogicFile("\".Dash\""));  // written quoted
}

TEST(SaveSlot, NamesWithCommasAndQuotesComeBackExactly) {
  SlotFixture f;
  f.equipPlayer();
  const std::string player = "秋津, \"遥人\" 100%";
  const std::string dollName = ".Doll,二号\"";
  const std::string pattern = " 突進,パンチ %22 ";
  f.Owners[0]->name = player;
  f.Dolls[0]->name = dollName;
  f.Dolls[0]->getLogic(0)->name = pattern;
  ASSERT_TRUE(save_rtn(f.folder, 12, f.state, f.prompter));

  // A reader that splits lines into values still finds one value on each name line.
  const TextFile file = readTextFile(playerFilePath(f.folder, 12), "player");
  EXPECT_EQ(splitValues(file.lines[1]).size(), 1u);
  EXPECT_EQ(file.lines[2], "3,120,1530");

  f.Owners[0] = std::make_shared<Owner>();
  f.Dolls[0] = std::make_shared<doll>();
  EXPECT_TRUE(load_rtn(f.folder, 12, f.state, f.prompter));
  EXPECT_EQ(f.Owners[0]->name, player);
  EXPECT_EQ(f.Owners[0]->Lv, 3);
  EXPECT_EQ(f.Dolls[0]->name, dollName);
  EXPECT_EQ(f.Dolls[0]->getLogic(0)->name, pattern);
  EXPECT_EQ(f.Dolls[0]->getLogic(1)->name, "技2");

  const auto preview = Rinload_rtn(f.folder, 12, f.prompter);
  ASSERT_TRUE(preview.has_value());
  EXPECT_EQ(preview->playerName, player);
  EXPECT_EQ(preview->dollName, dollName);
  EXPECT_EQ(preview->gameDate, "2014/05/01");
  EXPECT_FALSE(Rinload_rtn(f.folder, 13, f.prompter).has_value());

  for (const std::string& name : {std::string(""), std::string("\""), std::string("a\r\nb"),
                                  std::string("%25"), std::string("\"quoted\"")}) {
    EXPECT_EQ(decodeNameLine(encodeNameLine(name)), name);
  }
  EXPECT_EQ(encodeNameLine("ヴァルキリー改"), "ヴァルキリー改");
}

TEST(SaveSlot, ProtectorSuffixesKeepOneContainersNamesDistinct) {
  EXPECT_EQ(countUpName("X", {}), "X");
  EXPECT_EQ(countUpName("X", {"A", "X"}), "X 1");
  EXPECT_EQ(countUpName("X", {"X", "X 1"}), "X 2");
  // The nearest name that begins with "X" decides, and a name in use is passed over.
  EXPECT_EQ(countUpName("X", {"X", "X 1", "XY"}), "X 2");
  EXPECT_EQ(countUpName("X", {"X 2", "X", "X 1"}), "X 3");
}

TEST(SaveSlot, AnUnwritableNameIsReportedAndNothingIsSaved) {
  SlotFixture f;
  f.equipPlayer();
  f.Dolls[0]->name = "Doll \xF0\x9F\x98\x80";  // an emoji: CP932 has no such character
  EXPECT_FALSE(save_rtn(f.folder, 4, f.state, f.prompter));
  ASSERT_EQ(f.dialog.texts().size(), 1u);
  EXPECT_EQ(f.dialog.texts()[0],
            "セーブできませんでした\n名前にセーブできない文字が含まれています");
  EXPECT_FALSE(std::filesystem::exists(playerFilePath(f.folder, 4)));
}

TEST(SaveSlot, DuelOpponentLoadsIntoIndexOneOrIsRefused) {
  SlotFixture f;
  f.equipPlayer();
  f.Owners[0]->skillPlay = 22;
  ASSERT_TRUE(save_rtn(f.folder, 5, f.state, f.prompter));
  f.Dolls[0]->programed = false;
  ASSERT_TRUE(save_rtn(f.folder, 6, f.state, f.prompter));
  f.Dolls[0]->programed = true;
  f.Dolls[0]->frame->HP = 0;
  ASSERT_TRUE(save_rtn(f.folder, 7, f.state, f.prompter));

  const Owner* player = f.Owners[0].get();
  f.gameDate = GameDate();
  EXPECT_TRUE(loadDuelOpponent(f.folder, 5, f.state, f.prompter));
  EXPECT_EQ(f.duelistState, kDuelistReady);
  EXPECT_EQ(f.Owners[0].get(), player);  // the player and the date are not touched
  EXPECT_EQ(f.gameDate, GameDate());
  EXPECT_EQ(f.Owners[1]->skillPlay, 22);
  const doll& opponent = *f.Dolls[1];
  EXPECT_EQ(opponent.name, "ヴァルキリー改");
  EXPECT_EQ(opponent.AP, 22 / 5 + opponent.Hard->CPU);  // the workshop's recomputation
  EXPECT_EQ(opponent.image, "0202");
  EXPECT_EQ(opponent.getLogic(1)->getActions(0), opponent.getSoftM(0)->getAction(kSpin));
  EXPECT_TRUE(f.dialog.shown.empty());

  EXPECT_FALSE(loadDuelOpponent(f.folder, 6, f.state, f.prompter));
  EXPECT_FALSE(loadDuelOpponent(f.folder, 7, f.state, f.prompter));
  EXPECT_FALSE(loadDuelOpponent(f.folder, 8, f.state, f.prompter));
  EXPECT_EQ(f.dialog.texts(),
            (std::vector<std::string>{"このドールは技がプログラムされていません",
                                      "このドールは完成されていません", "ファイルが見つかりません",
                                      "ファイルが見つかりません", "ファイルが見つかりません"}));
  EXPECT_EQ(f.duelistState, kDuelistNotReady);

  // A friend's Doll file read in is the opponent too: the player's own name, skill, money and
  // record stay, in play and in the next save.
  Owner pal;
  pal.name = "友人";
  pal.skillPlay = 30;
  doll palDoll = *f.Dolls[0];
  palDoll.name = "友人のドール";
  palDoll.frame = ld_Frame(f.folder, 4);  // whole, where the player's was broken above
  resetDollParam(palDoll, pal);
  f.temp.writeBytes("pal.velkodoll", writeDollShare(pal, palDoll));
  CareerState career(f.rnd);
  career.Owners = f.Owners;
  career.Dolls = f.Dolls;
  ASSERT_TRUE(importDuelOpponent(f.folder, f.temp.path() / "pal.velkodoll", career, f.prompter));
  EXPECT_EQ(career.Owners[1]->name, "友人");
  const auto pilotOf = [](const Owner& o) {
    return std::make_tuple(o.name, o.skillPlay, o.Rl, o.recWin, o.recLoose);
  };
  const auto mine = std::make_tuple(std::string("秋津遥人"), 22, 1530, 4, 2);
  EXPECT_EQ(pilotOf(career.player()), mine);
  ASSERT_TRUE(save_rtn(f.folder, 9, career.slotState(), f.prompter));
  ASSERT_TRUE(load_rtn(f.folder, 9, f.state, f.prompter));
  EXPECT_EQ(pilotOf(*f.Owners[0]), mine);
}

TEST(SaveSlot, TypedSlotNumbersMustFitSixteenBits) {
  EXPECT_EQ(checkSlotDigits("").number, 0);  // confirming nothing saves slot 0
  EXPECT_TRUE(checkSlotDigits("").ok);
  EXPECT_EQ(checkSlotDigits("007").number, 7);
  EXPECT_EQ(checkSlotDigits("32767").number, 32767);
  for (const char* typed : {"32768", "99999", "123456789012345678901234567890", "1a", "-1"}) {
    const SlotNumberCheck check = checkSlotDigits(typed);
    EXPECT_FALSE(check.ok) << typed;
    EXPECT_EQ(check.message, "セーブ番号は0～32767の数字で打ち込んでください");
  }
}

TEST(SaveSlot, FightRecordShowsEachNumberAfterABlank) {
  SlotFixture f;
  Owner& o = *f.Owners[0];
  o.recWin = 3;
  o.recLoose = 12;
  EXPECT_EQ(fightRecordText(o), "過去の成績\n 3勝 12敗\n優勝 0回\n");
  mnRec_Click(o, f.prompter);
  ASSERT_EQ(f.dialog.shown.size(), 1u);
  EXPECT_EQ(f.dialog.shown[0].request.caption, "VELKO");
  EXPECT_FALSE(f.dialog.shown[0].request.cancelVisible);
}

}  // namespace
}  // namespace velko

namespace velko {
namespace {

// Three months of a career, every number distinct, so that a field read into another's place
// shows.
CareerHistory threeMonths() {
  CareerHistory h;
  for (int month : {14, 15, 16}) {
    HistoryMonth m;
    m.month = month;
    m.money = static_cast<int16_t>(month == 15 ? -120 : 1000 + month);
    m.skill = static_cast<int16_t>(20 + month);
    m.dollValue = static_cast<int16_t>(900 + month);
    m.build = {5, 4, {1, 5, 0, 0, 0}, {3, 7, 1, 0}, 2, "ヴァルキリー 改"};
    m.tournaments = 2;
    m.titles = 1;
    m.partsLost = month - 13;
    m.fightList = {
        {1, HistoryEnd::Won, 7, 1500, "20261207-205203-123456-tournament.replay", "敵 8"},
        {1, HistoryEnd::GivenUp, 8, 1200, "", "レッド"},
        {0, HistoryEnd::Lost, 9, -3, "20261207-205203-123456-street-2.replay", ""}};
    m.fights = 3;
    m.wins = 1;
    m.givenUp = 1;
    h.months.push_back(m);
  }
  return h;
}

TEST(SaveSlot, TheHistoryIsSavedWithTheSlotWhoseFilesKeepTheirBytes) {
  SlotFixture f;
  f.equipPlayer();
  ASSERT_TRUE(save_rtn(f.folder, 3, f.state, f.prompter));
  const std::vector<std::string> files = {"save/Playersv3.ini", "save/PlayDollsv3.ini",
                                          "save/Logicsv3.ini"};
  std::vector<std::string> without;
  for (const auto& file : files)
    without.push_back(f.bytesOf(file));

  const CareerHistory h = threeMonths();
  ASSERT_TRUE(save_rtn(f.folder, 3, f.state, f.prompter, {historyPendingFile(f.folder, 3, h)}));
  for (size_t i = 0; i < files.size(); ++i)
    EXPECT_EQ(f.bytesOf(files[i]), without[i]) << files[i];
  EXPECT_EQ(loadSlotHistory(f.folder, 3, f.gameDate, f.prompter), h);
  EXPECT_TRUE(f.dialog.shown.empty());
  EXPECT_EQ(f.bytesOf("save/Historysv3.history"), writeHistory(h));

  // A name holding a line break is kept on its line.
  CareerHistory broken = h;
  broken.months[0].build.name = "二\n行";
  const HistoryRead read = readHistory(writeHistory(broken), "h");
  ASSERT_TRUE(read.accepted()) << read.error;
  EXPECT_EQ(read.history.months[0].build.name, "二 行");

  // A slot dated after the career's end (the files allow any date) keeps its history too.
  f.gameDate = GameDate::fromYMD(2016, 3, 1);
  const CareerHistory late = startHistory(f.gameDate);
  EXPECT_EQ(late.months[0].month, kHistoryLastMonth);
  ASSERT_TRUE(save_rtn(f.folder, 3, f.state, f.prompter, {historyPendingFile(f.folder, 3, late)}));
  EXPECT_EQ(loadSlotHistory(f.folder, 3, f.gameDate, f.prompter), late);
  EXPECT_TRUE(f.dialog.shown.empty());
}

}  // namespace
}  // namespace velko
