#include "battle/headless_fight.h"

#include <gtest/gtest.h>

#include "battle/computer_controller.h"
#include "battle_fixture.h"

namespace velko::testing {
namespace {

TEST(HeadlessFight, WholeFightNarratedStepByStep) {
  DollRef velko = makeDoll({.name = "ヴェルコ", .spin = 0, .motorHP = 15});
  velko->setLogics(makePattern("突撃", 6, {kMove, kPunch}), 0);
  velko->setLogics(makePattern("旋風", 13, {kJump, kSpin, kKick}), 1);
  DollRef bram = makeDoll({.name = "ブラム", .jump = 0, .spin = 0, .AP = 0});
  bram->setLogics(makePattern("構え", 2, {kBlock}), 0);
  bram->setLogics(makePattern("正拳突き", 5, {kMove, kPunch}), 1);

  ScriptedRandom rnd;
  auto face = [&rnd](std::initializer_list<int> faces, int sides = 6) {
    for (int f : faces)
      rnd.pushFace(f, sides);
  };
  face({3, 3});        // initiative tie
  face({2, 5});        // fighter 1 first
  face({1, 1});        // its points: 2
  face({6, 6});        // fighter 0's points: 13
  face({5, 5, 1, 1});  // kick: attack 10 against defence 2
  face({2, 2});        // the guard roll fails
  face({2});           // lands on the frame
  face({4, 4}, 8);     // kick roll 8
  face({6, 1});        // fighter 0 first
  face({1, 2});        // its points: 4
  face({3, 3});        // fighter 1's points: 6
  face({6, 6, 1, 1});  // punch: attack 12 against defence 2
  face({6});           // lands on the motor
  face({6, 6});        // punch roll 12

  ComputerController computer;
  const HeadlessResult result = playHeadless(velko, bram, computer, rnd);

  EXPECT_EQ(result.winner, 1);
  EXPECT_EQ(result.steps, 7);
  EXPECT_EQ(rnd.remaining(), 0u);
  EXPECT_EQ(rnd.reseeds(), 10);  // four action-point rolls and six 2D6 rolls
  ASSERT_EQ(result.narration.size(), 5u);
  EXPECT_EQ(result.narration[0],
            "（両者のイニシアチヴチェックは互角です）\r\n極限の精神状態が生み出す緊迫した攻防！");
  EXPECT_EQ(result.narration[1], "防御の構えです。\r\nでたぁっ！構えッ！！！！！\r\n");
  // Jump and spin run on into the kick; the spin takes the spinner down, yet it may still kick.
  EXPECT_EQ(result.narration[2],
            "ジャンプで＋ 3パワー回転で＋ 0パワーキックブラムの防御をかいくぐってヒット！\r\n"
            "・・・命中！\r\nダメージは 16\r\nこれが、これが！旋風だッ！！\r\n");
  // Down, with no affordable spin pattern: it waits.
  EXPECT_EQ(result.narration[3], "様子見です。\r\n");
  EXPECT_EQ(result.narration[4],
            "移動しつつ勢いをつけて 2パワー\r\nパンチ・・・命中！\r\nダメージは 19\r\n"
            "でたぁっ！正拳突きッ！！！！！\r\n");
  EXPECT_EQ(bram->frame->HP, 14);
  EXPECT_EQ(velko->Motor->HP, 0);  // 15 - 19, clamped by the end phase
}

TEST(HeadlessFight, RandomFightsEndAndTheCapStopsOneThatGoesNowhere) {
  auto build = [] {
    DollRef d = makeDoll({.motorHP = 50, .frameHP = 80});
    d->setLogics(makePattern("跳び蹴り", 8, {kMove, kJump, kKick}), 0);
    d->setLogics(makePattern("組み投げ", 9, {kKumi, kDrop, kHold}), 1);
    d->setLogics(makePattern("守り", 4, {kBlock, kUke, kHazusi}), 2);
    d->setLogics(makePattern("起き上がり", 4, {kSpin, kPunch}), 3);
    return d;
  };
  ClockRandom rnd(12345);
  ComputerController computer;
  for (int fight = 0; fight < 200; ++fight) {
    const HeadlessResult result = playHeadless(build(), build(), computer, rnd);
    ASSERT_TRUE(result.winner == 0 || result.winner == 1);
  }
  // Without patterns both only wait.
  const HeadlessResult idle =
      playHeadless(makeDoll({}), makeDoll({}), computer, rnd, {.stepCap = 50});
  EXPECT_EQ(idle.winner, -1);
  EXPECT_EQ(idle.steps, 50);
}

}  // namespace
}  // namespace velko::testing
