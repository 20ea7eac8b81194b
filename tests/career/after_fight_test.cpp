// What fights and work days bring: levels, prizes, income and the two kinds of repair.

#include <gtest/gtest.h>

#include "career/after_fight_rules.h"
#include "support/scripted_dialog.h"

namespace velko {
namespace {

class AfterFightTest : public ::testing::Test {
 protected:
  AfterFightTest() {
    auto motor = std::make_shared<Motor>(Motor{3, "スパロー", 5, 300, 100, 100, 1, false});
    auto frame = std::make_shared<DollFrame>();
    frame->ID = 4;
    frame->name = "ダフネ";
    frame->HP = frame->maxHP = 80;
    frame->isNew = false;
    player.setMotor(motor);
    player.setFrame(frame);
    d.Motor = motor;
    d.frame = frame;
  }

  Owner player;
  doll d;
  testing::ScriptedDialog dialog;
  DialogPrompter prompter{dialog};
};

TEST_F(AfterFightTest, LevelsFollowTheExperienceTable) {
  player.Lv = 0;
  player.exp = 0;
  ScriptedRandom rnd;
  const int expected[][2] = {{2000, 1}, {3000, 2}, {3000, 3}, {2000, 4}, {0, 5}, {1000, 5}};
  for (const auto& [exp, lv] : expected) {
    rnd.push(0.0);
    levelUp(player, 0, 0, 0, rnd, prompter);
    EXPECT_EQ(player.exp, exp);
    EXPECT_EQ(player.Lv, lv);
  }
  EXPECT_EQ(dialog.shown.back().request.text, "経験値＋1000\n");
  EXPECT_EQ(dialog.shown.back().request.caption, "敗北");
  EXPECT_EQ(rnd.remaining(), 1u);  // no level in the last fight, so no skill roll
}

TEST_F(AfterFightTest, PrizeIsTheWorthAboveThePlayersPlus100AndEverythingCaps) {
  player.Lv = 9;
  player.exp = 0;
  player.Rl = 100;
  ScriptedRandom rnd;
  levelUp(player, 1, 3000, 1000, rnd, prompter);  // richer than the opponent: still 100
  EXPECT_EQ(player.Rl, 200);
  levelUp(player, 1, 0, 15000, rnd, prompter);  // a difference above 9999 pays 10099
  EXPECT_EQ(player.Rl, 10299);
  EXPECT_EQ(dialog.shown.back().request.text, "経験値＋1000\n賞金 10099\n");
  EXPECT_EQ(dialog.shown.back().request.lines, 5);

  player.Rl = 32700;
  player.exp = 32000;
  player.Lv = 99;  // a level out of reach, so no skill roll
  levelUp(player, 1, 0, 9000, rnd, prompter);
  EXPECT_EQ(player.Rl, 32767);  // kept at the top instead of wrapping
  EXPECT_EQ(player.exp, 32767);
  rnd.push(0.0);
  rnd.push(0.9999);
  EXPECT_EQ(Shunyu(player, rnd, prompter), 400);
  EXPECT_EQ(player.Rl, 32767);
  EXPECT_EQ(dialog.shown.back().request.text, "臨時収入が 400Rl入った");
}

TEST_F(AfterFightTest, RepairAfterAFightFullPartialAndDestroyed) {
  EXPECT_EQ(repairCost(100, 30), 200);
  EXPECT_EQ(repairCost(100, 100), 100);

  // Full repair of both: the motor's note ends its line, the frame's ends the message.
  player.Rl = 1000;
  d.Motor->HP = 30;
  d.frame->HP = 10;
  ShuriAfterFight(player, d, d, prompter);
  EXPECT_EQ(dialog.shown.back().request.text,
            "モータを修理しました\n（代金 200Rl）\nフレームを修理しました\n（代金 200Rl）");
  EXPECT_EQ(player.Rl, 600);
  EXPECT_EQ(d.Motor->HP, 100);

  // Exactly the cost in hand is enough: a full repair, no shortage, the money spent.
  player.Rl = 200;
  d.Motor->HP = 30;
  ShuriAfterFight(player, d, d, prompter);
  EXPECT_EQ(dialog.shown.back().request.text, "モータを修理しました\n（代金 200Rl）\n");
  EXPECT_EQ(player.Rl, 0);
  EXPECT_EQ(d.Motor->HP, 100);

  // A motor at 0 or below after the fight is gone from the inventory and the Doll.
  player.Rl = 150;
  doll fighter = d;  // the fight's hit points are what count
  fighter.Motor = std::make_shared<Motor>(*d.Motor);
  fighter.Motor->HP = -40;
  ShuriAfterFight(player, d, fighter, prompter);
  EXPECT_EQ(dialog.shown.back().request.text, "モータは完全に破壊されています\n");
  EXPECT_TRUE(dialog.shown.back().plainBox);
  EXPECT_EQ(player.getMotor(0)->name, "");
  EXPECT_EQ(d.Motor->name, "");

  // 150 Rl against a repair of 157: 35 points back, with the shortage note; money gone.
  auto motor = std::make_shared<Motor>(Motor{3, "スパロー", 5, 300, 60, 100, 1, false});
  d.Motor = motor;
  ShuriAfterFight(player, d, d, prompter);
  EXPECT_EQ(dialog.shown.back().request.text,
            "モータを修理しました\n（代金 150Rl）\n金額不足で途中までしか直りません");
  EXPECT_EQ(motor->HP, 95);
  EXPECT_EQ(player.Rl, 0);
}

TEST_F(AfterFightTest, RepairOnAWorkDayLeaves100AndNeverDestroys) {
  d.Motor->HP = 60;
  player.Rl = 150;
  const size_t before = dialog.shown.size();
  ShuriWorkDay(player, d, prompter);
  EXPECT_EQ(dialog.shown.back().request.text, "モータを修理しました\n（代金 50Rl）\n");
  EXPECT_EQ(d.Motor->HP, 95);
  EXPECT_EQ(player.Rl, 100);
  EXPECT_EQ(dialog.shown.size(), before + 1);

  // Exactly the cost in hand (157 Rl for 40 points) repairs in full and spends it all.
  d.Motor->HP = 60;
  player.Rl = 157;
  ShuriWorkDay(player, d, prompter);
  EXPECT_EQ(dialog.shown.back().request.text, "モータを修理しました\n（代金 157Rl）\n");
  EXPECT_EQ(d.Motor->HP, 100);
  EXPECT_EQ(player.Rl, 0);

  // Below 110 Rl nothing is repaired and nothing is said; a missing part is skipped.
  d.frame->HP = 0;
  d.Motor = std::make_shared<Motor>();
  ShuriWorkDay(player, d, prompter);
  EXPECT_EQ(dialog.shown.size(), before + 2);
  EXPECT_EQ(d.frame->HP, 0);
  EXPECT_EQ(player.getFrame(0)->name, "ダフネ");
}

}  // namespace
}  // namespace velko
