// Hits and guards, damage and its effect request, falls.

#include <gtest/gtest.h>

#include "battle_fixture.h"

namespace velko::testing {
namespace {

TEST_F(BattleTest, HitTiesGuardsAndHolds) {
  start({}, {.name = "ブラム", .defence = 6});
  faces({3, 4, 3, 3});  // 5 + 7 against 6 + 6: the attacker wins ties
  EXPECT_EQ(battle.Hit(0, kPunch), 7);
  faces({3, 4, 3, 4});
  EXPECT_EQ(battle.Hit(0, kPunch), 0);

  s().bougyo[1] = 1;
  faces({3, 4, 3, 3, 3, 4});  // guard 7 + 6 beats 7 + 5
  EXPECT_EQ(battle.Hit(0, kKick), 0);
  EXPECT_EQ(s().battleLog, "攻撃はしかし、ブラムの防御に阻まれます。\r\n");
  s().battleLog.clear();
  faces({3, 4, 3, 3, 3, 3});  // guard 6 + 6 does not
  EXPECT_EQ(battle.Hit(0, kKick), 7);
  EXPECT_EQ(s().battleLog, "ブラムの防御をかいくぐってヒット！\r\n");

  s().kumiai[0] = kOn;  // holding: always hit, no guard roll
  faces({1, 1, 6, 6});
  EXPECT_EQ(battle.Hit(0, kPunch), 2);
  EXPECT_EQ(rnd.remaining(), 0u);
  EXPECT_EQ(rnd.reseeds(), 12);  // every 2D6 of a hit or a guard reseeds
}

TEST_F(BattleTest, DamageFloorCapAndEffects) {
  start({.pow = 32767}, {.name = "ブラム", .AC = 50, .motorHP = 500, .frameHP = 500});
  faces({6, 1, 1});                                     // the motor; 2 + 32767 - 50
  EXPECT_EQ(battle.Damage(0, kWazaPunch, 32767).damage, 100);  // capped, never overflowing
  EXPECT_EQ(f1->Motor->HP, 400);
  EXPECT_EQ(s().effectSize, 10);
  EXPECT_EQ(s().effectTarget, 1);

  f0->pow = 5;
  s().tentou[0] = kOn;
  faces({3});  // the frame
  faces({1, 1}, 8);
  EXPECT_EQ(battle.Damage(0, kWazaKick, 0).damage, 0);  // below the armour: 0, still a hit
  EXPECT_EQ(f1->frame->HP, 500);
  EXPECT_EQ(s().effectSize, 180);  // the attacker is down
  s().tentou[1] = kOn;             // the foe being down wins
  faces({1});
  battle.Damage(0, kWazaHold, 0);
  EXPECT_EQ(s().effectSize, 150);
  EXPECT_EQ(s().effectCount, 3);
  EXPECT_EQ(view.sounds.size(), 3u);

  battle.endFace();  // the picture takes the effects; the request is cleared
  EXPECT_EQ(view.effects.back(), 3);
  EXPECT_EQ(s().effectCount, 0);
}

TEST_F(BattleTest, TheTargetDieChoosesThePartAndHalvesRoundToEven) {
  start({.pow = 5}, {.name = "ブラム", .AC = 0.5, .motorHP = 90, .frameHP = 90});
  // Target die 3 or more (a face of 4 or more) hits the motor, 1 or 2 the frame; the lowest
  // dice with pow 5 against armour 0.5 make 6.5, which rounds to 6.
  const struct {
    DamageKind waza;
    int face;
    bool motor;
  } blows[] = {
      {kWazaPunch, 4, true}, {kWazaPunch, 3, false}, {kWazaKick, 4, true}, {kWazaKick, 3, false}};
  for (const auto& blow : blows) {
    const int16_t motorBefore = f1->Motor->HP;
    const int16_t frameBefore = f1->frame->HP;
    faces({blow.face});
    faces({1, 1}, blow.waza == kWazaPunch ? 6 : 8);
    EXPECT_EQ(battle.Damage(0, blow.waza, 0).damage, 6);
    EXPECT_EQ(motorBefore - f1->Motor->HP, blow.motor ? 6 : 0)
        << int(blow.waza) << "/" << blow.face;
    EXPECT_EQ(frameBefore - f1->frame->HP, blow.motor ? 0 : 6)
        << int(blow.waza) << "/" << blow.face;
  }
  f1->AC = 1.5;  // 5.5 rounds to 6 as well
  faces({1, 1, 1});
  EXPECT_EQ(battle.Damage(0, kWazaPunch, 0).damage, 6);
}

TEST_F(BattleTest, SpinsTakeDollsDownAndRaiseThem) {
  start();
  battle.checkTentou(0);
  EXPECT_EQ(s().tentou[0], kOn);
  EXPECT_EQ(s().spun[0], kOn);
  EXPECT_EQ(s().battleLog, "");
  battle.checkTentou(0);
  EXPECT_EQ(s().tentou[0], kOff);
  EXPECT_EQ(s().battleLog, "ヴェルコ、立ちあがりました。\r\n");

  // In a clinch the other Doll turns with the spinner.
  s().battleLog.clear();
  s().kumiai[1] = kOn;
  battle.checkTentou(0);
  battle.checkTentou(0);
  EXPECT_EQ(s().tentou[1], kOff);
  EXPECT_EQ(s().battleLog,
            "ブラム、組まれたまま転倒しました。\r\nヴェルコ、立ちあがりました。\r\n");

  s().tentou[0] = kOn;
  s().spun[0] = kOff;
  for (ActionId action : {kBlock, kUke, kKumi, kDrop, kHold, kHazusi, kSpin}) {
    EXPECT_FALSE(battle.checkTentou2(0, action)) << action;
  }
  EXPECT_TRUE(battle.checkTentou2(0, kKick));
}

}  // namespace
}  // namespace velko::testing
