// The workshop's commands on a running game: work days to the end of the career, street
// fights and duels that leave no trace, the refusals, and the menus.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "career/calendar.h"
#include "career_fixture.h"
#include "core/game_version.h"
#include "core/numbers.h"
#include "history/hall_of_fame.h"
#include "history/history_slot.h"

namespace velko::testing {
namespace {

class WorkshopTest : public CareerFixture {};

TEST_F(WorkshopTest, TwentyFourWorkDaysEndTheCareerWithTheFinalRecord) {
  career.Form_Load(std::nullopt);  // a new game: the shop first, then the calendar
  EXPECT_EQ(nav.shops, 1);
  EXPECT_EQ(career.dateText(), "2013/01/01");
  for (int month = 1; month <= 24; ++month) {
    rnd.push(0.0);
    rnd.push(0.0);  // 250 Rl each month
    career.cmdWork_Click();
    EXPECT_EQ(nav.titles, month == 24 ? 1 : 0) << month;
  }
  EXPECT_EQ(career.dateText(), "2015/01/01");
  EXPECT_EQ(dialog.shown.back().request.text, "最終成績\n 0勝 0敗\n優勝 0回\n");
  EXPECT_TRUE(dialog.shown.back().plainBox);
  EXPECT_EQ(state.player().Rl, 1000 + 24 * 250);
  EXPECT_FALSE(state.saved);
  // The history holds each month's money as the month ended, from the first to the ending
  // (which spends nothing); the summary follows the ending's box and comes before the title.
  ASSERT_EQ(state.history.months.size(), 25u);
  for (int month = 0; month <= 24; ++month) {
    EXPECT_EQ(state.history.months[month].month, month);
    EXPECT_EQ(state.history.months[month].money, 1000 + std::min(month + 1, 24) * 250) << month;
  }
  EXPECT_EQ(state.history.months.back().build.name, "ヴェルコ");
  EXPECT_EQ(nav.summaries, 1);
  EXPECT_EQ(nav.titlesBeforeSummary, 0);
  // The career enters the folder's hall of fame.
  const HallRead hall = loadHall(services.folder);
  ASSERT_TRUE(hall.accepted()) << hall.error;
  ASSERT_EQ(hall.hall.size(), 1u);
  EXPECT_EQ(hall.hall[0].pilot, state.player().name);
  EXPECT_EQ(hall.hall[0].doll, "ヴェルコ");

  dialog.answer(kAnswerCancel);
  career.cmdWork_Click();  // a declined work day changes nothing
  EXPECT_EQ(career.dateText(), "2015/01/01");
}

TEST_F(WorkshopTest, AStreetFightLeavesNoTraceAndTheRefusalsSayWhy) {
  career.init();
  state.playerDoll().programed = false;
  career.cmdStreet_Click();
  EXPECT_EQ(dialog.shown.back().request.text, "プログラムを登録して下さい");
  state.playerDoll().programed = true;

  career.cmdStreet_Click();  // an empty registry leaves nobody to fight
  EXPECT_EQ(dialog.shown.back().request.text, "登録されている敵Dollがいません");
  EXPECT_EQ(nav.fights, 0);

  registerOpponent(1, 9);
  registerOpponent(2, 9);
  state.playerDoll().Motor->HP = 20;
  rnd.push(0.6);  // opponent 2 of 2
  career.cmdStreet_Click();
  EXPECT_EQ(dialog.shown.back().request.caption, "Simulation");
  EXPECT_EQ(dialog.shown.back().request.text, "ヴェルコ勝利");
  EXPECT_EQ(nav.screen.caption, "Simulation");
  EXPECT_EQ(state.playerDoll().Motor->HP, 60);  // full hit points after every street fight
  EXPECT_EQ(career.dateText(), "2013/01/01");
  EXPECT_TRUE(state.saved);
  EXPECT_EQ(state.player().recWin, 0);

  // Lost at once with a broken motor: the notice names the player's Doll, and it is whole again.
  registerOpponent(3, 1);
  state.playerDoll().Motor->HP = 0;
  rnd.push(0.9);  // opponent 3 of 3, whose motor works
  career.cmdStreet_Click();
  EXPECT_EQ(captionsAndTexts(dialog).back(), "Simulation|ヴェルコ敗北");
  EXPECT_EQ(state.playerDoll().Motor->HP, 60);
  EXPECT_EQ(state.player().recLoose, 0);
}

TEST_F(WorkshopTest, DuelNeedsALoadedOpponentAndAsks) {
  career.init();
  career.cmdDuel_Click();
  EXPECT_EQ(
      dialog.shown.back().request.text,
      "対戦相手が準備されていません\nメニューの「対戦相手のロード」より対戦相手ファイルをロード"
      "して下さい");
  state.duelistState = kDuelistReady;
  state.Dolls[1]->name = "ライバル";
  dialog.answer(kAnswerCancel);
  career.cmdDuel_Click();
  EXPECT_EQ(dialog.shown.back().request.text, "ライバルと対戦しますか？");
  EXPECT_EQ(nav.fights, 0);

  // A duel lost at once: the notice names the opponent's Doll.
  state.Dolls[1]->Motor->HP = state.Dolls[1]->Motor->maxHP = 10;
  state.Dolls[1]->frame->HP = state.Dolls[1]->frame->maxHP = 10;
  state.playerDoll().Motor->HP = 0;
  career.cmdDuel_Click();
  EXPECT_EQ(captionsAndTexts(dialog).back(), "DUEL|ライバル勝利");
  EXPECT_EQ(state.playerDoll().Motor->HP, 60);
}

TEST_F(WorkshopTest, SaveThenLoadThroughTheMenus) {
  career.init();
  nav.slot = 3;
  state.saved = false;
  career.mnSave_Click();
  EXPECT_TRUE(state.saved);
  const CareerHistory kept = state.history;
  ASSERT_EQ(kept.months.size(), 1u);
  EXPECT_EQ(kept.months[0].money, 1000);  // the month's picture, taken at the save
  state.history = {};
  state.player().Rl = 5;
  state.gameDate = careerStart().addMonths(5);
  rnd.push(0.5);
  rnd.push(0.5);  // the fresh player record's money, overwritten by the file
  career.mnLoad_Click();
  EXPECT_EQ(dialog.shown.size(), 0u);  // nothing was missing
  EXPECT_EQ(state.player().Rl, 1000);
  EXPECT_EQ(career.dateText(), "2013/01/01");
  EXPECT_EQ(state.playerDoll().name, "ヴェルコ");
  EXPECT_EQ(state.playerDoll().value, 920);
  EXPECT_FALSE(state.player().getMotor(0)->isNew);
  EXPECT_TRUE(state.saved);
  EXPECT_EQ(state.history, kept);  // saved with the slot, it comes back with it
  // A slot saved before histories were kept plays on, its history starting at its month.
  state.gameDate = careerStart().addMonths(5);
  career.mnSave_Click();
  std::filesystem::remove(historyFilePath(services.folder, 3));
  state.history = {};
  rnd.push(0.5);
  rnd.push(0.5);
  career.mnLoad_Click();
  EXPECT_EQ(dialog.shown.size(), 0u);
  ASSERT_EQ(state.history.months.size(), 1u);
  const HistoryMonth& begun = state.history.months[0];
  EXPECT_EQ(begun.month, 5);
  // Pictured from the loaded career, not from zeros.
  EXPECT_EQ(std::vector<int>({begun.money, begun.skill, begun.dollValue, begun.fights}),
            std::vector<int>({1000, 10, 920, 0}));
  EXPECT_EQ(begun.build.name, "ヴェルコ");

  // A slot read only in part is not what the disk holds: leaving then asks to save first.
  std::filesystem::remove(folder.path() / "save" / "PlayDollsv3.ini");
  rnd.push(0.5);
  rnd.push(0.5);
  career.mnLoad_Click();
  EXPECT_EQ(dialog.shown.back().request.text, "ファイルが見つかりません");
  EXPECT_FALSE(state.saved);
}

TEST_F(WorkshopTest, MenusMusicGuideAndLeaving) {
  career.Form_Load(std::nullopt);
  EXPECT_FALSE(career.guideText().empty());
  career.dspGuide_Click();
  career.init();
  EXPECT_TRUE(career.guideText().empty());  // dismissed until switched on again

  career.mnBGM_Click();
  EXPECT_FALSE(state.playMusic);
  EXPECT_EQ(music.played.back(), "Close");
  career.mnBGM_Click();
  EXPECT_EQ(music.played.back(), "midi/ind30xg.mid");
  career.mnBGM_Click();  // off again: the next new game starts as chosen
  music.played.clear();
  career.Form_Load(std::nullopt);
  EXPECT_FALSE(state.playMusic);
  EXPECT_EQ(music.played, std::vector<std::string>{});

  career.mnGuide_Click();  // on: asks, and Yes turns it off
  EXPECT_EQ(dialog.shown.back().request.text, "初心者用ガイドをオフにしますか？");
  EXPECT_FALSE(state.guideOn);
  career.mnGuide_Click();
  EXPECT_EQ(dialog.shown.back().request.text, "初心者用ガイドをオンにしました");
  EXPECT_NE(career.guideText().find("　コンボでパーツの種類を選択し"), std::string::npos);

  state.player().skillPlay = 12;
  career.mnChar_Click();
  EXPECT_EQ(dialog.shown.back().request.text,
            "プレイヤー名　秋津遥人\n操作能力 12\nレベル 0\n経験値 0");
  career.mnVersion_Click();
  EXPECT_EQ(dialog.shown.back().request.text,
            "BRAM-KOL\nver.1.01\n2005/01/03\nVELKO " + gameVersion());
  const std::string version = gameVersion();  // as the build names it: 0.4.2
  EXPECT_EQ(std::count(version.begin(), version.end(), '.'), 2);

  state.saved = false;
  dialog.answer(kAnswerCancel);
  career.mnEnd_Click();
  EXPECT_EQ(dialog.shown.back().request.text, "セーブしていませんが、よろしいですか？");
  EXPECT_TRUE(dialog.shown.back().request.safeDefault);
  EXPECT_EQ(nav.ends, 0);
  career.mnEnd_Click();
  EXPECT_EQ(nav.ends, 1);
  // Back to the title throws the game away too: the same question first, unless saved.
  dialog.answer(kAnswerCancel);
  career.mnStart_Click();
  EXPECT_EQ(nav.titles, 0);
  career.mnStart_Click();
  EXPECT_EQ(dialog.shown.back().request.text, "セーブしていませんが、よろしいですか？");
  EXPECT_EQ(nav.titles, 1);
  state.saved = true;
  const size_t asked = dialog.shown.size();
  career.mnStart_Click();
  EXPECT_EQ(dialog.shown.size(), asked);
  EXPECT_EQ(nav.titles, 2);

  career.Command1_Click(std::string("新しい名前"));
  EXPECT_EQ(dialog.shown.back().request.text, "ドールの名前を新しい名前に変更しますか？");
  EXPECT_EQ(state.playerDoll().name, "新しい名前");
  EXPECT_FALSE(state.saved);  // a save would keep the name
}

TEST_F(WorkshopTest, OnlyWhatASaveWouldKeepMakesLeavingAsk) {
  career.Form_Load(std::nullopt);  // a new game, its first shop visit on no disk yet
  EXPECT_FALSE(state.saved);
  state.saved = true;
  nav.registers = false;
  nav.shopTrades = false;
  career.cmdProgram_Click();  // closed without registering
  career.cmdShop_Click();     // looked, bought nothing
  EXPECT_TRUE(state.saved);
  nav.registers = true;
  career.cmdProgram_Click();
  EXPECT_FALSE(state.saved);
  state.saved = true;
  nav.shopTrades = true;
  career.cmdShop_Click();
  EXPECT_FALSE(state.saved);
}

TEST_F(WorkshopTest, ANameOfMoreThanTwelveCharactersIsRefused) {
  career.Command1_Click(std::string("ＶＥＬＫＯ零号機改十二式"));  // twelve characters
  EXPECT_EQ(state.playerDoll().name, "ＶＥＬＫＯ零号機改十二式");
  career.Command1_Click(std::string("ＶＥＬＫＯ零号機改十二式参"));
  EXPECT_EQ(dialog.shown.back().request.text, "名前は12文字までです");
  EXPECT_TRUE(dialog.shown.back().plainBox);
  EXPECT_EQ(state.playerDoll().name, "ＶＥＬＫＯ零号機改十二式");
}

// The pilot's name: the same length check and question as the Doll's, a cancel keeps the old
// name, and a save keeps the new one (the name typed at creation can be had again).
TEST_F(WorkshopTest, ThePilotIsRenamedAsTheDollIs) {
  state.player().name = "秋津遥人";
  const std::string dollName = state.playerDoll().name;
  state.saved = true;
  career.mnPilotName_Click(std::string("ＶＥＬＫＯ零号機改十二式参"));
  EXPECT_EQ(dialog.shown.back().request.text, "名前は12文字までです");
  EXPECT_EQ(state.player().name, "秋津遥人");
  dialog.answer(kAnswerCancel);
  career.mnPilotName_Click(std::string("別名"));
  EXPECT_EQ(state.player().name, "秋津遥人");
  EXPECT_TRUE(state.saved);
  career.mnPilotName_Click(std::string("ＶＥＬＫＯ零号機改十二式"));
  EXPECT_EQ(dialog.shown.back().request.text,
            "プレイヤー名をＶＥＬＫＯ零号機改十二式に変更しますか？");
  EXPECT_FALSE(dialog.shown.back().plainBox);
  EXPECT_EQ(state.player().name, "ＶＥＬＫＯ零号機改十二式");
  EXPECT_EQ(state.playerDoll().name, dollName);
  EXPECT_FALSE(state.saved);
}

}  // namespace
}  // namespace velko::testing
