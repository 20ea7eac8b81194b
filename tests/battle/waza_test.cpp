// Running a pattern: each action's effect and the narration it writes.

#include <gtest/gtest.h>

#include "battle_fixture.h"

namespace velko::testing {
namespace {

using Texts = std::vector<std::string>;

class WazaTest : public BattleTest {
 protected:
  // Runs fighter 0's pattern and returns the narration it showed.
  std::string run(const LogicRef& pattern) {
    battle.waza_rtn(0, *pattern);
    return view.messages.back();
  }
};

TEST_F(WazaTest, EndingsAndTheFirstEmptySlot) {
  start();
  s().ukemi[0] = kOn;
  s().bougyo[0] = 1;
  EXPECT_EQ(run(makePattern("", 0, {})), "様子見です。\r\n");
  EXPECT_EQ(s().ukemi[0] + s().bougyo[0], 0);  // they last until the Doll acts again
  EXPECT_EQ(run(makePattern("受け", 12, {kUke})), "でたぁっ！受けッ！！！！！\r\n");
  EXPECT_EQ(run(makePattern("受け", 13, {kUke})), "これが、これが！受けだッ！！\r\n");

  auto gap = makePattern("構え", 5, {kBlock, kBlock});
  gap->setAction(makePattern("", 0, {kPunch})->getActions(0), 3);  // no dice are scripted for it
  EXPECT_EQ(run(gap), "防御の構えです。\r\n防御の構えです。\r\nでたぁっ！構えッ！！！！！\r\n");
  EXPECT_EQ(view.pictures, (Texts{"0防御", "0防御"}));
}

TEST_F(WazaTest, StrikesOutOfReachWhileDownAndAfterASpin) {
  start();
  s().span = 2;
  faces({6, 6, 1, 1});
  EXPECT_EQ(run(makePattern("拳", 3, {kPunch})),
            "パンチ・・・届かない！\r\nかわされた！\r\nでたぁっ！拳ッ！！！！！\r\n");

  s().span = 0;
  s().tentou[0] = kOn;
  faces({6, 6, 1, 1});
  EXPECT_EQ(
      run(makePattern("", 0, {kPunch})),
      "パンチ…転倒していては、有効な打撃が加えられません。\r\nかわされた！\r\n様子見です。\r\n");
  EXPECT_TRUE(view.sounds.empty());

  // Standing, the spin takes it down, yet it kicks with the spin's power: frame, 2 + 5 + 2.
  s().tentou[0] = kOff;
  view.pictures.clear();
  faces({6, 6, 1, 1, 1});
  faces({1, 1}, 8);
  EXPECT_EQ(run(makePattern("", 0, {kSpin, kKick})),
            "回転で＋ 2パワーキック・・・命中！\r\nダメージは 9\r\n様子見です。\r\n");
  EXPECT_EQ(s().tentou[0], kOn);
  EXPECT_EQ(f1->frame->HP, 21);
  EXPECT_EQ(view.pictures, (Texts{"0回転", "0キック"}));
  EXPECT_EQ(view.sounds, (Texts{"SE"}));
}

TEST_F(WazaTest, MovesAndThePowerBonus) {
  ScriptedController player;
  battle.setController(0, player);
  start({.move = 7, .weight = 2.5}, {.name = "ブラム"});
  s().span = 3;
  faces({6, 6, 1, 1, 1});
  faces({1, 1}, 8);
  // Two dashes of Int(7 / 2.5) = 2 close the distance and add 4 to the kick.
  EXPECT_EQ(run(makePattern("", 0, {kMove, kMove, kKick})),
            " 2ダッシュで間合いを詰めた！\r\n 2ダッシュで間合いを詰めた！\r\n"
            "キック・・・命中！\r\nダメージは 11\r\n様子見です。\r\n");
  EXPECT_EQ(s().span, 0);
  EXPECT_EQ(view.pictures.front(), "0移動");

  // In contact a move adds Int(7 / 2.5 / 2) = 1; a block drops it with the jump's 2.
  faces({6, 6, 1, 1, 1});
  faces({1, 1}, 8);
  EXPECT_EQ(run(makePattern("", 0, {kMove, kJump, kBlock, kKick})),
            "移動しつつ勢いをつけて 1パワー\r\nジャンプで＋ 2パワー防御の構えです。\r\n"
            "キック・・・命中！\r\nダメージは 7\r\n様子見です。\r\n");

  player.directions = {kBackAway};
  EXPECT_EQ(run(makePattern("", 0, {kMove})), "距離を置いた。\r\n様子見です。\r\n");
  EXPECT_EQ(s().span, 2);

  s().kumiai[1] = kOn;
  player.directions = {kBackAway, kCloseIn};
  EXPECT_EQ(run(makePattern("", 0, {kMove, kMove})),
            "距離を置こうとしたが、ガッチリつかまれている。\r\n組み合ったまま移動します。\r\n様子見"
            "です。\r\n");
  s().kumiai[1] = kOff;
  s().tentou[0] = kOn;
  EXPECT_EQ(run(makePattern("", 0, {kMove, kJump})),
            "…転倒していては、移動できません。\r\n…転倒していては、ジャンプできません。\r\n様子見で"
            "す。\r\n");
  EXPECT_EQ(s().span, 2);
}

TEST_F(WazaTest, WeightlessOrHugeMobilityNeitherDividesByZeroNorOverflows) {
  start({.weight = 0}, {.name = "ブラム"});
  s().span = 3;
  EXPECT_EQ(run(makePattern("", 0, {kMove, kJump, kSpin})),
            " 0ダッシュで間合いを詰めた！\r\nジャンプで＋ 0パワー回転で＋ 0パワー様子見です。\r\n");
  EXPECT_EQ(s().span, 3);

  start({.pow = 100, .jump = 32767, .weight = 0.5}, {.name = "ブラム"});
  s().kumiai[0] = kOn;
  faces({1});
  EXPECT_EQ(
      run(makePattern("", 0, {kJump, kJump, kHold})),
      "組んでいる状態では、100％命中します。\r\nジャンプで＋ 32767パワージャンプで＋ 32767パワー"
      "間接技を極めて行きます。ダメージはフレームに 32767\r\n様子見です。\r\n");
}

TEST_F(WazaTest, GrappleThrowAndJointLock) {
  start();
  s().bougyo[1] = 1;  // never tested against a grapple: no guard roll is scripted
  faces({3, 3, 3, 3, 1});
  faces({4, 4, 1, 2}, 8);  // motor 8 + 5, frame 3 + 5
  EXPECT_EQ(run(makePattern("巴投げ", 9, {kKumi, kDrop})),
            "組みついて投げ！\r\nダメージはモーターに 13。フレームに "
            "8！\r\nでたぁっ！巴投げッ！！！！！\r\n");
  EXPECT_EQ(s().kumiai[0], kOff);
  EXPECT_EQ(s().tentou[1], kOn);
  EXPECT_EQ(f1->Motor->HP + f1->frame->HP, 17 + 22);
  EXPECT_EQ(s().effectSize, 180);
  EXPECT_EQ(run(makePattern("", 0, {kDrop, kHold})),
            "組んでいなければ投げられません。\r\n組んでいなければ関節技も決められません。\r\n様子見"
            "です。\r\n");

  // Out of a mutual hold, against a break-fall that takes 4 off both rolls.
  s().kumiai = {kOn, kOn};
  s().ukemi[1] = kOn;
  faces({1});
  faces({8, 8}, 8);
  faces({4});
  faces({1, 1}, 8);
  EXPECT_EQ(
      run(makePattern("", 0, {kDrop})),
      "組んでいる状態では、100％命中します。\r\n投げ！受身効果で 4ダメージが軽減されます。\r\n"
      "ダメージはモーターに 17。フレームに "
      "3！\r\n組み合っていた相手の技が外れました。\r\n様子見です。\r\n");
  EXPECT_EQ(s().kumiai[1], kOff);

  // A joint lock: no dice, armour or cap; a break-fall is used up but reduces nothing.
  start({.pow = 90, .jump = 40}, {.name = "ブラム", .AC = 30, .frameHP = 200});
  s().kumiai[0] = kOn;
  s().ukemi[1] = kOn;
  faces({1, 3});
  EXPECT_EQ(run(makePattern("", 0, {kJump, kHold})),
            "組んでいる状態では、100％命中します。\r\nジャンプで＋ 20パワー"
            "間接技を極めて行きます。ダメージはフレームに 110\r\n様子見です。\r\n");
  EXPECT_EQ(f1->frame->HP, 90);
  EXPECT_EQ(s().ukemi[1], kOff);
  EXPECT_EQ(s().kumiai[0], kOn);  // the hold stays
}

TEST_F(WazaTest, Escapes) {
  start();
  EXPECT_EQ(run(makePattern("", 0, {kHazusi})), "振りほどく動き。\r\n様子見です。\r\n");
  s().kumiai[1] = kOn;
  faces({3, 3, 3, 3});  // 5 + 6 against 5 + 6: the one held wins ties
  EXPECT_EQ(run(makePattern("", 0, {kHazusi})), "振りほどいた。\r\n様子見です。\r\n");
  EXPECT_EQ(s().kumiai[1], kOff);

  const std::string holding = "組んでいる状態では、100％命中します。\r\n";
  s().kumiai = {kOn, kOn};
  faces({1, 1, 6, 6});
  EXPECT_EQ(run(makePattern("", 0, {kHazusi})),
            holding + "力が強くて振りほどけない！\r\n様子見です。\r\n");
  EXPECT_EQ(s().kumiai, (std::array<int16_t, 2>{kOff, kOn}));
  s().kumiai = {kOn, kOff};
  EXPECT_EQ(run(makePattern("", 0, {kHazusi})), holding + "自ら技を解いた。\r\n様子見です。\r\n");
  EXPECT_EQ(s().kumiai[0], kOff);
}

}  // namespace
}  // namespace velko::testing
