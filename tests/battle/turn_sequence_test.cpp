// The step sequence, the end phase and giving up.

#include <gtest/gtest.h>

#include "battle_fixture.h"

namespace velko::testing {
namespace {

using Calls = std::vector<std::string>;

// Ties and the order of a turn with fighter 1 first are in the whole-fight test.
TEST_F(BattleTest, APassStillLetsTheOtherAct) {
  ScriptedController player;
  ScriptedController opponent;
  battle.setController(0, player);
  battle.setController(1, opponent);
  start();
  f1->setLogics(makePattern("構え", 2, {kBlock}), 0);

  faces({6, 1, 2, 2});  // fighter 0 first, with 2D6 4 + AP 1
  battle.cmdNext_Click();
  EXPECT_EQ(view.initiative[0] + view.initiative[1], "先手*後手");
  EXPECT_EQ(view.ap[0] + "|" + view.ap[1], "行動ポイント 5|");
  player.patterns = {0};  // cancelled
  faces({1, 1});
  battle.cmdNext_Click();
  EXPECT_EQ(s().turnStep, kFighter1Acts);
  EXPECT_EQ(view.ap[0] + "|" + view.ap[1], "|行動ポイント 3");
  opponent.patterns = {1};
  battle.cmdNext_Click();
  EXPECT_EQ(s().bougyo[1], 1);
  EXPECT_EQ(s().turnStep, kTurnStart);
  EXPECT_EQ(player.asked.size() + opponent.asked.size(), 2u);

  faces({2, 5, 1, 1});  // fighter 1 wins the next initiative
  battle.cmdNext_Click();
  EXPECT_EQ(view.initiative[0] + view.initiative[1], "後手先手*");
  EXPECT_EQ(s().turnStep, kFighter1Acts);
}

TEST_F(BattleTest, EndPhaseClampsAndLabels) {
  start({.AP = 32767}, {.name = "ブラム"});
  f0->Motor->HP = -12;
  f1->frame->HP = 45;  // above its maximum of 30
  s().span = 3;
  s().tentou[0] = kOn;
  s().kumiai[0] = kOn;
  s().spun = {kOn, kOn};
  battle.endFace();
  EXPECT_EQ(f0->Motor->HP, 0);
  EXPECT_EQ(f1->frame->HP, 30);
  EXPECT_EQ(view.labels.motor[0] + view.labels.frame[1], "Motor: 0Frame: 30");
  EXPECT_EQ(view.labels.span, "距離　 3");
  EXPECT_EQ(view.labels.joutai[0] + view.labels.joutai[1], "転倒している組まれている");
  EXPECT_EQ(s().spun, (std::array<int16_t, 2>{kOff, kOff}));

  faces({6, 6});  // a huge computer rating stays within 16 bits
  battle.getAP(0);
  EXPECT_EQ(s().playAP, 32767);
}

TEST_F(BattleTest, ResultsByMode) {
  auto decide = [this](int16_t mode, int loser) {
    hooks.calls.clear();
    s().Mode = mode;
    start();
    f1->ID = 42;
    (loser == 0 ? f0 : f1)->frame->HP = 0;  // a broken frame loses, motor intact
    battle.endFace();
    return hooks.calls;
  };
  EXPECT_EQ(decide(kModeStreet, 1), (Calls{"winFight"}));
  // A lost street fight or duel: the career says the result, the engine closes the screen.
  EXPECT_EQ(decide(kModeStreet, 0), (Calls{"loseFight"}));
  EXPECT_EQ(view.closed, 1);
  battle.nextFight();  // a decided fight ignores further presses
  EXPECT_EQ(rnd.reseeds(), 0);
  EXPECT_EQ(decide(kModeDuel, 0), (Calls{"loseFight"}));
  EXPECT_EQ(decide(kModeTournament, 0),
            (Calls{"setWin42", "countLoss", "levelUp0", "Shunyu", "Shuri"}));
  EXPECT_EQ(decide(kModeTournament, 1), (Calls{"setWin0", "levelUp1", "winFight"}));

  // Broken at set-up, both of them: decided there, once, for fighter 0.
  hooks.calls.clear();
  start({.frameHP = 0}, {.name = "ブラム", .frameHP = 0});
  EXPECT_EQ(hooks.calls, (Calls{"setWin0", "levelUp1", "winFight"}));
  EXPECT_TRUE(battle.isOver());
  EXPECT_THROW(battle.initFight(nullptr, f1), std::invalid_argument);
}

// The screen asks first; the engine only carries out a confirmed give-up.
TEST_F(BattleTest, GiveUp) {
  s().Mode = kModeTournament;
  start();
  battle.giveUp();  // income and repair, no loss in the record
  EXPECT_EQ(hooks.calls, (Calls{"Shunyu", "Shuri"}));
  EXPECT_EQ(view.closed, 1);
  battle.giveUp();  // a second press after the end changes nothing
  EXPECT_EQ(hooks.calls, (Calls{"Shunyu", "Shuri"}));

  hooks.calls.clear();
  s().Mode = kModeStreet;
  start();
  battle.giveUp();
  EXPECT_EQ(hooks.calls, (Calls{"initParam"}));
}

}  // namespace
}  // namespace velko::testing
