// A whole tournament from entering to the championship, every die scripted: three bouts of
// the player, five computer bouts, and the bracket as its view would draw it.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "career/auto_give_up_offer.h"
#include "career/bracket.h"
#include "career/tournament_draw.h"
#include "career_fixture.h"
#include "core/shown_text.h"
#include "model/fight_clone.h"

namespace velko::testing {
namespace {

class TournamentTest : public CareerFixture {};

TEST_F(TournamentTest, FromEnteringToTheChampionship) {
  // Opponents 1-7 are broken from the start; 8 is whole but falls to one punch.
  for (int n = 1; n <= 7; ++n)
    registerOpponent(n, 9);
  registerOpponent(8, 1);
  career.init();
  ASSERT_EQ(state.playerDoll().value, 920);

  // The draw takes the first eligible each time (IDs 1-8); the player takes seat 0.
  for (int i = 0; i < 9; ++i)
    rnd.push(0.0);
  rnd.push(0.5);  // round 1: the player's first win levels up with 3 skill
  for (double r : {0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0})
    rnd.push(r);  // 3 beats 4, 5 beats 6
  for (double r : {0.0, 0.0, 0.99, 0.99})
    rnd.push(r);  // 8 beats 7
  rnd.push(0.0);  // round 2: skill 1
  for (double r : {0.0, 0.0, 0.99, 0.99})
    rnd.push(r);  // 8 beats 5
  // The final: the player wins the initiative, hits, and the die sends the damage to the motor.
  for (double r : {0.99, 0.0, 0.5, 0.5})
    rnd.push(r);
  for (double r : {0.99, 0.99, 0.0, 0.0, 0.99, 0.5, 0.5, 0.5, 0.5})
    rnd.push(r);
  rnd.push(0.99);  // skill 4

  career.cmdTornament_Click();

  EXPECT_EQ(rnd.remaining(), 0u);
  const std::vector<std::string> expected = {
      "VELKO|Noviceクラスのトーナメントに参加しますか？",
      "VELKO|初めてのトーナメントです。\nトーナメントの試合で負けると、HPが0になったモーターやフレ"
      "ームは壊れてなくなります。\n試合のあとの修理代は、モーターとフレームそれぞれ100Rlに、減っ"
      "たHP7ごとに10Rlを加えた額です。\n危なくなったら「ギブアップ」で試合を降りれば、壊れる前に"
      "修理できます。",
      "VELKO|ヴェルコ Win",
      "勝利|経験値＋1000\nレベル＋１\n操作能力＋ 3\n賞金 180\n",
      "VELKO|敵3 Win",
      "VELKO|敵5 Win",
      "VELKO|敵8 Win",
      "VELKO|ヴェルコ Win",
      "勝利|経験値＋1000\nレベル＋１\n操作能力＋ 1\n賞金 180\n",
      "VELKO|敵8 Win",
      "VELKO|ヴェルコ Win",
      "勝利|経験値＋1000\nレベル＋１\n操作能力＋ 4\n賞金 180\n",
      "VELKO|優勝\n賞金 500Rl",
  };
  EXPECT_EQ(captionsAndTexts(dialog), expected);
  EXPECT_EQ(dialog.shown[3].request.lines, 5);
  EXPECT_EQ(dialog.shown[4].request.lines, 3);
  // The championship shows the Doll beside its notice.
  EXPECT_TRUE(dialog.shown.back().request.picture.ends_with("img/VELKO01S.jpg"));

  const Owner& p = state.player();
  EXPECT_EQ(p.Rl, 1000 + 3 * 180 + 500);
  EXPECT_EQ(p.Lv, 3);
  EXPECT_EQ(p.exp, 3000);
  EXPECT_EQ(p.skillPlay, 10 + 3 + 1 + 4);
  EXPECT_EQ(p.recWin, 3);
  EXPECT_EQ(p.recLoose, 0);
  EXPECT_EQ(p.recChamp, 1);
  EXPECT_FALSE(p.getMotor(0)->isNew);
  EXPECT_EQ(state.gameDate.format(), "2013/02/01");
  EXPECT_FALSE(state.saved);
  // The history: the tournament and its three won bouts in the month it was entered, closed
  // with the month's money; the month the calendar moved to is under way.
  ASSERT_EQ(state.history.months.size(), 2u);
  const HistoryMonth& first = state.history.months[0];
  EXPECT_EQ(std::vector<int>({first.month, first.tournaments, first.titles, first.fights,
                              first.wins, first.losses, first.givenUp, first.money, first.skill}),
            std::vector<int>({0, 1, 1, 3, 3, 0, 0, p.Rl, p.skillPlay}));
  EXPECT_EQ(state.history.months[1].month, 1);
  const std::vector<HistoryFight> best = bestFights(state.history, 5);
  ASSERT_EQ(best.size(), 3u);
  EXPECT_EQ(best[0].opponent, "敵8");  // the final, the latest of three equal opponents
  EXPECT_EQ(best[0].replay, nav.lastReplay);
  EXPECT_TRUE(best[2].replay.ends_with("-tournament.replay")) << best[2].replay;

  // The final's narration, and the bracket before each round.
  EXPECT_EQ(nav.screen.narration.back(),
            "パンチ・・・命中！\r\nダメージは 16\r\nでたぁっ！正拳ッ！！！！！\r\n");
  const std::vector<std::string> sounds = {"SE", "fanfare"};
  EXPECT_EQ(nav.screen.sounds, sounds);
  EXPECT_EQ(nav.screen.bracketShown, 3);
  EXPECT_EQ(nav.screen.caption, "TornamentFight");
  EXPECT_EQ(nav.screen.closes, 1);
  for (int i = 0; i < Bracket::kLines; ++i)
    EXPECT_TRUE(nav.lastBracket.line1Red(i)) << i;
  // The winners' paths: the player's seat, seats 2, 4 and 7 in round 1, the player in round 2.
  // Seat 7's path of round 2 rounds to 12, beyond the path lines, as the view always placed it.
  for (int k = 0; k < Bracket::kPathLines; ++k) {
    const bool red = k == 0 || k == 2 || k == 4 || k == 7 || k == 8;
    EXPECT_EQ(nav.lastBracket.lineVRed(k), red) << k;
  }
  // The fight music stops for the championship's fanfare.
  const std::vector<std::string> music = {"Close", "midi/fight.mid", "Close", "Close",
                                          "midi/ind30xg.mid"};
  EXPECT_EQ(this->music.played, music);
}

// What the workshop window was showing at each refresh or date: the date, and how many
// dialogs had appeared by then.
class DateWatcher : public WorkshopView {
 public:
  DateWatcher(const Game& game, const ScriptedDialog& dialog) : game_(game), dialog_(dialog) {}
  void showRefresh() override { seen.emplace_back(game_.dateText(), dialog_.shown.size()); }
  void showDate() override { showRefresh(); }

  std::vector<std::pair<std::string, size_t>> seen;

 private:
  const Game& game_;
  const ScriptedDialog& dialog_;
};

TEST_F(TournamentTest, ALostBoutInTheLastMonthDestroysPartsThenEndsTheCareer) {
  for (int n = 1; n <= 8; ++n)
    registerOpponent(n, 2);
  career.init();
  state.gameDate = GameDate::fromYMD(2014, 12, 1);
  state.history = startHistory(state.gameDate);
  DateWatcher workshop(career, dialog);
  career.setView(&workshop);
  state.playerDoll().Motor->HP = 0;  // broken before the first bout
  state.playerDoll().frame->HP = 0;
  for (int i = 0; i < 9; ++i)
    rnd.push(0.0);
  rnd.push(0.0);  // level up: skill 1
  for (double r : {0.0, 0.99})
    rnd.push(r);  // income (1 + 4 + 3) x 50 = 400

  career.cmdTornament_Click();

  EXPECT_EQ(rnd.remaining(), 0u);
  const std::vector<std::string> expected = {
      "VELKO|Noviceクラスのトーナメントに参加しますか？",
      "VELKO|初めてのトーナメントです。\nトーナメントの試合で負けると、HPが0になったモーターやフレ"
      "ームは壊れてなくなります。\n試合のあとの修理代は、モーターとフレームそれぞれ100Rlに、減っ"
      "たHP7ごとに10Rlを加えた額です。\n危なくなったら「ギブアップ」で試合を降りれば、壊れる前に"
      "修理できます。",
      "VELKO|敵2 Win",
      "敗北|経験値＋1000\nレベル＋１\n操作能力＋ 1\n",
      "VELKO|臨時収入が 400Rl入った",
      "VELKO|モータは完全に破壊されています\nフレームは完全に破壊されています\n",
      "VELKO|最終成績\n 0勝 1敗\n優勝 0回\n",
  };
  EXPECT_EQ(captionsAndTexts(dialog), expected);
  EXPECT_TRUE(dialog.shown.back().plainBox);
  const Owner& p = state.player();
  EXPECT_EQ(p.recLoose, 1);
  EXPECT_EQ(p.recWin, 0);
  EXPECT_EQ(p.Rl, 1400);
  EXPECT_EQ(p.getMotor(0)->name, "");  // gone from the inventory
  EXPECT_EQ(p.getFrame(0)->name, "");
  EXPECT_EQ(state.playerDoll().Motor->name, "");
  EXPECT_EQ(state.playerDoll().frame->name, "");
  EXPECT_EQ(nav.screen.closes, 1);
  EXPECT_EQ(nav.titles, 1);
  // The bout lost and both parts it cost are in the last month of the history.
  const HistoryMonth& last = state.history.months.at(state.history.months.size() - 2);
  EXPECT_EQ(std::vector<int>({last.month, last.fights, last.wins, last.losses, last.partsLost}),
            std::vector<int>({23, 1, 0, 1, 2}));
  EXPECT_EQ(state.history.months.back().month, 24);
  // The refreshed workshop showed the new month before the final record.
  ASSERT_FALSE(workshop.seen.empty());
  EXPECT_EQ(workshop.seen.back(), std::make_pair(std::string("2015/01/01"), expected.size() - 1));
}

TEST_F(TournamentTest, GivingUpPaysIncomeAndRepairsButIsNoLoss) {
  for (int n = 1; n <= 8; ++n)
    registerOpponent(n, 2);
  career.init();
  state.playerDoll().frame->HP = 40;  // 70 lost: repair costs 200
  for (int i = 0; i < 9; ++i)
    rnd.push(0.0);
  for (double r : {0.0, 0.0})
    rnd.push(r);  // income 250
  nav.giveUpAt = 0;

  career.cmdTornament_Click();

  EXPECT_EQ(rnd.remaining(), 0u);
  EXPECT_EQ(captionsAndTexts(dialog).back(), "VELKO|フレームを修理しました\n（代金 200Rl）");
  // The first entry is told once what a lost bout costs; giving up is no loss, yet the next
  // entry does not tell it again.
  EXPECT_EQ(dialog.shown[2].request.text, "ギブアップして試合を中断しますか？");
  EXPECT_TRUE(dialog.shown[2].request.safeDefault);  // Return, also 次へ, must not give up
  EXPECT_EQ(state.player().recLoose, 0);
  EXPECT_EQ(state.player().Rl, 1000 + 250 - 200);
  EXPECT_EQ(state.playerDoll().frame->HP, 110);
  // Listed as given up, never as a loss.
  const HistoryMonth& month = state.history.months[0];
  EXPECT_EQ(std::vector<int>({month.fights, month.wins, month.losses, month.givenUp}),
            std::vector<int>({1, 0, 0, 1}));
  EXPECT_EQ(month.fightList.at(0).end, HistoryEnd::GivenUp);

  const size_t before = dialog.shown.size();
  for (int i = 0; i < 11; ++i)
    rnd.push(0.0);
  career.cmdTornament_Click();
  EXPECT_EQ(rnd.remaining(), 0u);
  EXPECT_EQ(dialog.shown[before + 1].request.text, "ギブアップして試合を中断しますか？");
}

// The automatic give-up after a step that leaves the motor below the line: the ordinary
// give-up with its texts and money, told why first. At exactly the line, or switched off, the
// fight goes on; in a duel only the player's Doll counts. A new player is offered it once.
TEST_F(TournamentTest, TheAutomaticGiveUpIsTheOrdinaryGiveUpOnceAPartIsBelowTheLine) {
  for (int n = 1; n <= 8; ++n)
    registerOpponent(n, 2);
  career.init();
  Motor& motor = *state.playerDoll().Motor;
  motor.maxHP = 100;
  const auto enter = [&](int16_t motorHP, int presses) {
    motor.HP = motorHP;
    for (int i = 0; i < 9 + 2; ++i)
      rnd.push(0.0);  // the draw, then a tied initiative: no blow in the first step
    nav.maxPresses = presses;
    const size_t before = dialog.shown.size();
    career.cmdTornament_Click();
    std::vector<std::string> texts = dialog.texts();
    texts.erase(texts.begin(), texts.begin() + static_cast<std::ptrdiff_t>(before));
    return texts;
  };
  const std::string autoNotice = "自動ギブアップ：モーターかフレームのHPが最大の40%を下回りました";

  // The ordinary give-up, asked and answered at the second press.
  nav.giveUpAt = 1;
  rnd.push(0.0);
  rnd.push(0.0);  // income 250
  const int16_t money = state.player().Rl;
  std::vector<std::string> asked = enter(39, 500);
  EXPECT_EQ(rnd.remaining(), 0u);
  EXPECT_EQ(nav.autoGiveUpOffers, 1);
  EXPECT_TRUE(state.autoGiveUpOffered);
  const auto question = std::find(asked.begin(), asked.end(), "ギブアップして試合を中断しますか？");
  ASSERT_NE(question, asked.end());
  const std::vector<std::string> ordinary(question + 1, asked.end());
  ASSERT_FALSE(ordinary.empty());
  const int16_t ordinaryMoney = state.player().Rl - money;

  // The same after the first step, without a question.
  nav.giveUpAt = -1;
  state.autoGiveUp = AutoGiveUp::Below40;
  rnd.push(0.0);
  rnd.push(0.0);
  const int16_t money2 = state.player().Rl;
  std::vector<std::string> automatic = enter(39, 500);
  EXPECT_EQ(rnd.remaining(), 0u);
  ASSERT_GE(automatic.size(), 2u);
  EXPECT_EQ(automatic[0], "Noviceクラスのトーナメントに参加しますか？");
  EXPECT_EQ(automatic[1], autoNotice);
  EXPECT_EQ(std::vector<std::string>(automatic.begin() + 2, automatic.end()), ordinary);
  EXPECT_EQ(state.player().Rl - money2, ordinaryMoney);
  EXPECT_EQ(state.player().recLoose, 0);
  EXPECT_EQ(motor.HP, 100);            // repaired as after any give-up
  EXPECT_EQ(nav.autoGiveUpOffers, 1);  // offered once only

  // Exactly at the line, or switched off: the fight goes on.
  EXPECT_EQ(enter(40, 1), std::vector<std::string>{automatic[0]});
  state.autoGiveUp = AutoGiveUp::Off;
  EXPECT_EQ(enter(39, 1), std::vector<std::string>{automatic[0]});
  EXPECT_EQ(rnd.remaining(), 0u);

  // A duel: the other Doll below the line fights on; the player's gives up.
  state.autoGiveUp = AutoGiveUp::Below40;
  motor.HP = 100;
  state.Dolls[1] = cloneForFight(state.playerDoll());
  state.Dolls[1]->Motor->HP = 39;
  const auto duel = [&] {
    rnd.push(0.0);
    rnd.push(0.0);
    nav.maxPresses = 2;  // a second step would need the action points' dice
    const size_t before = dialog.shown.size();
    nav.openFight(kModeDuel, "Novice");
    return dialog.shown.size() > before && dialog.texts().back() == autoNotice;
  };
  nav.maxPresses = 1;
  rnd.push(0.0);
  rnd.push(0.0);
  const size_t before = dialog.shown.size();
  nav.openFight(kModeDuel, "Novice");
  EXPECT_EQ(dialog.shown.size(), before);
  state.Dolls[1]->Motor->HP = 100;
  motor.HP = 39;
  EXPECT_TRUE(duel());
  EXPECT_EQ(rnd.remaining(), 0u);
}

// The offer names what a lost bout costs; Yes switches on the 40% line, and No is the default.
TEST_F(TournamentTest, TheOfferOfTheAutomaticGiveUpSwitchesItOnOnlyOnYes) {
  EXPECT_EQ(askAutoGiveUp(prompter), AutoGiveUp::Below40);
  EXPECT_TRUE(dialog.shown.back().request.safeDefault);
  EXPECT_NE(dialog.shown.back().request.text.find("壊れてなくなります"), std::string::npos);
  EXPECT_NE(dialog.shown.back().request.text.find("最大の40%"), std::string::npos);
  dialog.answer(kAnswerCancel);
  EXPECT_EQ(askAutoGiveUp(prompter), AutoGiveUp::Off);

  // A player who already chose a line is not asked.
  for (int n = 1; n <= 8; ++n)
    registerOpponent(n, 2);
  career.init();
  state.autoGiveUp = AutoGiveUp::Below60;
  for (int i = 0; i < 9; ++i)
    rnd.push(0.0);
  nav.maxPresses = 0;
  career.cmdTornament_Click();
  EXPECT_EQ(nav.autoGiveUpOffers, 0);
}

TEST_F(TournamentTest, TooFewOpponentsOfTheClassRefuseBeforeTheMonthIsSpent) {
  for (int n = 1; n <= 6; ++n)
    registerOpponent(n, 2);
  registerOpponent(7, 2, 3000);  // an Expert does not count for Novice
  career.init();
  career.cmdTornament_Click();
  EXPECT_EQ(dialog.shown.back().request.text,
            "このクラスのトーナメントに出場できる敵Dollが足りません");
  EXPECT_EQ(state.gameDate.format(), "2013/01/01");
  EXPECT_TRUE(state.saved);
  EXPECT_EQ(nav.fights, 0);
}

// The bracket and its result box name a factory opponent in the player's language, and the
// player's Doll as typed even when it is spelt like a factory opponent.
TEST(TournamentBracket, NamesAFactoryOpponentInThePlayersLanguageAndThePlayersDollAsTyped) {
  setTextTranslation([](const char* source) {
    const std::string text = source;
    if (text == "%1 Win") return std::string("%1 wins");
    if (text == "doll:ガラクタ王") return std::string("Junk King");
    return text;
  });
  Bracket bracket;
  for (int s = 0; s < Bracket::kEntrants; ++s) {
    auto entrant = std::make_shared<doll>();
    entrant->ID = static_cast<int16_t>(s == 0 ? 0 : s == 1 ? 7 : 20 + s);
    entrant->name = "ガラクタ王";
    bracket.setKumiawase(s, entrant);
  }
  ScriptedDialog dialog;
  DialogPrompter prompter(dialog);
  bracket.setWin(7, 0, 1, prompter);
  const std::vector<std::string> names = {bracket.lblName(0), bracket.lblName(1),
                                          bracket.lblName(2)};
  setTextTranslation(nullptr);
  // The player's Doll, the factory's Doll 7, and a Doll a player registered under that name.
  EXPECT_EQ(names, (std::vector<std::string>{"ガラクタ王", "Junk King", "ガラクタ王"}));
  EXPECT_EQ(dialog.texts(), std::vector<std::string>{"Junk King wins"});
}

TEST(TournamentDraw, SeatsAndEntrantsAreUniformWhateverTheRegistrySize) {
  ClockRandom rnd(99);
  for (int count : {7, 8, 40}) {
    std::vector<int16_t> eligible;
    for (int i = 0; i < count; ++i)
      eligible.push_back(static_cast<int16_t>(i + 1));
    std::array<int, 8> playerSeat{};
    std::vector<int> drawn(count + 1, 0);
    const int runs = 8000;
    for (int run = 0; run < runs; ++run) {
      const auto bracket = makeKumiawase(eligible, rnd);
      int players = 0;
      std::set<int16_t> seen;
      for (int s = 0; s < 8; ++s) {
        if (bracket[s] == 0) {
          ++players;
          ++playerSeat[s];
          continue;
        }
        seen.insert(bracket[s]);
        ++drawn[bracket[s]];
      }
      ASSERT_EQ(players, 1) << count;  // never a second player seat
      ASSERT_EQ(seen.size(), 7u);
    }
    for (int c : playerSeat)
      EXPECT_NEAR(c, runs / 8, runs / 8 * 0.15) << count;
    // Every eligible opponent can be drawn, the last of a large registry too.
    for (int id = 1; id <= count; ++id)
      EXPECT_NEAR(drawn[id], runs * 7.0 / count, runs * 7.0 / count * 0.2);
  }
  EXPECT_THROW(makeKumiawase({1, 2, 3, 4, 5, 6}, rnd), std::invalid_argument);
  EXPECT_THROW(makeKumiawase({1, 2, 3, 4, 5, 6, 0}, rnd), std::invalid_argument);
}

TEST(TournamentDraw, ComputerBoutsFavourValueAndTheEvenSlotOnTies) {
  auto rich = std::make_shared<doll>();
  auto poor = std::make_shared<doll>();
  rich->value = 1300;
  poor->value = 1000;
  ScriptedRandom rnd({0.0, 0.0, 0.9999, 0.9999, 0.5, 0.5, 0.5, 0.5});
  EXPECT_EQ(getAutoWinner(rich, poor, rnd), rich);  // 1300 + 0 against 1000 + 298
  EXPECT_EQ(getAutoWinner(poor, poor, rnd), poor);  // a tie goes to fighter 0
  EXPECT_EQ(classLimit("Novice"), 2500);
  EXPECT_EQ(classLimit("Expert"), 3500);
  EXPECT_EQ(classLimit("Master"), 9999);
  EXPECT_EQ(className(2500), "Novice");
  EXPECT_EQ(className(3500), "Expert");
  EXPECT_EQ(className(3501), "Master");
  EXPECT_EQ(Bracket::getShusoku(0), 0);
  EXPECT_EQ(Bracket::getShusoku(1), 8);
  EXPECT_EQ(Bracket::getShusoku(2), 12);
  EXPECT_EQ(Bracket::getShusoku(3), 14);
}

}  // namespace
}  // namespace velko::testing
