// The computer's choice of pattern and of move direction.

#include "battle/action_search.h"

#include <gtest/gtest.h>

#include "battle/move_direction.h"
#include "battle_fixture.h"
#include "program/pattern_advice.h"

namespace velko::testing {
namespace {

// Fighter 1 is the computer; the state is set by hand.
class SearchTest : public ::testing::Test {
 protected:
  SearchTest() {
    s.fighters = {makeDoll({.move = 9}), makeDoll({.name = "ブラム", .move = 9})};
    s.playAP = 10;
  }
  void give(int n, LogicRef logic) { s.fighters[1]->setLogics(std::move(logic), n); }
  const std::string& chosen() { return searchLogic(s, 1).name; }

  BattleState s;
};

TEST_F(SearchTest, SituationDecidesWhichSearchRuns) {
  give(0, makePattern("外し", 3, {kHazusi}));
  give(1, makePattern("起き", 4, {kSpin}));
  give(2, makePattern("殴る", 5, {kPunch}));
  give(3, makePattern("寄る", 2, {kMove, kBlock}));
  give(4, makePattern("組む", 6, {kKumi}));

  // Held and down: the escape search wins over the spin search.
  s.kumiai[0] = kOn;
  s.tentou[1] = kOn;
  EXPECT_EQ(chosen(), "外し");
  s.kumiai[0] = kOff;
  EXPECT_EQ(chosen(), "起き");
  s.tentou[1] = kOff;
  s.kumiai[1] = kOn;
  EXPECT_EQ(chosen(), "殴る");
  s.kumiai[1] = kOff;
  EXPECT_EQ(chosen(), "組む");  // in contact and as mobile: the highest plain pattern
  s.span = 4;
  EXPECT_EQ(chosen(), "寄る");  // at a distance: a pattern that starts with a move
  // The pattern dialog marks the same row, and says why with the points and the distance.
  const PatternAdvice advice = advisePattern(s, 1);
  EXPECT_EQ(advice.row, 3);
  EXPECT_EQ(advice.why, "行動ポイント10、距離4　→　離れている: 移動を探す");
  s.playAP = 1;  // nothing fits: no row, and the rule waits
  EXPECT_EQ(advisePattern(s, 1).row, -1);
  EXPECT_EQ(advisePattern(s, 1).why,
            "行動ポイント1、距離4　→　離れている: 移動を探す（合う技がないので待つ）");
  s.playAP = 10;

  // The same search plays fighter 0 against fighter 1.
  s.span = 0;
  s.tentou[0] = kOn;
  s.fighters[0]->setLogics(makePattern("回る", 3, {kSpin}), 2);
  EXPECT_EQ(searchLogic(s, 0).name, "回る");
}

TEST_F(SearchTest, GrappleNeedsMoreThanHalfThePlainPattern) {
  s.fighters[0]->move = 12;  // fighter 1 is the less mobile
  give(0, makePattern("組む", 5, {kKumi}));
  give(1, makePattern("連打", 10, {kPunch, kPunch}));
  EXPECT_EQ(chosen(), "連打");
  give(0, makePattern("組む", 6, {kKumi}));
  EXPECT_EQ(chosen(), "組む");
  // A throwing pattern is never the plain fallback, but it is a grapple pattern.
  give(1, makePattern("投げ", 10, {kKumi, kDrop}));
  EXPECT_EQ(searchPlain(s, 1).name, "組む");
  EXPECT_EQ(chosen(), "投げ");
}

TEST_F(SearchTest, TiesAffordabilityAndNothingToDo) {
  give(0, makePattern("甲", 7, {kPunch}));
  give(1, makePattern("乙", 7, {kKick}));
  give(2, makePattern("高い", 11, {kKick}));
  EXPECT_EQ(chosen(), "甲");  // equal AP: the lower number
  // The pattern dialog marks the first row too, with no note to wait.
  EXPECT_EQ(advisePattern(s, 1).row, 0);
  EXPECT_EQ(advisePattern(s, 1).why.find("待つ"), std::string::npos);
  s.playAP = 11;
  EXPECT_EQ(chosen(), "高い");  // AP equal to the points fits
  s.playAP = 6;
  EXPECT_EQ(&searchLogic(s, 1), &emptyPattern());
  s.span = 2;  // nothing starts with a move
  EXPECT_EQ(&searchLogic(s, 1), &emptyPattern());

  auto gap = makePattern("", 0, {kPunch});
  gap->setAction(makePattern("", 0, {kHold})->getActions(0), 2);  // after the empty slot 1
  EXPECT_FALSE(isKumiwaza(*gap));
}

TEST_F(SearchTest, AttackAndSpinScores) {
  s.kumiai[1] = kOn;
  give(0, makePattern("動くだけ", 9, {kMove, kBlock, kKumi, kBlock}));
  EXPECT_EQ(&searchAttack(s, 1), &emptyPattern());
  give(1, makePattern("殴る", 3, {kPunch}));
  give(2, makePattern("折る", 2, {kHold}));
  EXPECT_EQ(searchAttack(s, 1).name, "折る");  // 9 points beat 7, whatever the AP

  // Down: only patterns with a spin; a throw counts only after a grapple or while holding.
  s.kumiai[1] = kOff;
  give(0, makePattern("回って投げ", 4, {kSpin, kDrop}));         // 3
  give(1, makePattern("回って殴る", 4, {kSpin, kPunch}));        // 10
  give(2, makePattern("組んで折る", 4, {kSpin, kKumi, kHold}));  // 21
  give(3, makePattern("蹴るだけ", 4, {kKick, kKick, kKick}));    // no spin
  EXPECT_EQ(searchSpin(s, 1).name, "組んで折る");
  give(2, makePattern("折って組む", 4, {kSpin, kHold, kKumi}));  // 12
  EXPECT_EQ(searchSpin(s, 1).name, "折って組む");
  s.kumiai[1] = kOn;
  give(1, makePattern("回って投げ2", 4, {kSpin, kDrop, kDrop}));  // 21 while holding
  EXPECT_EQ(searchSpin(s, 1).name, "回って投げ2");
}

TEST_F(SearchTest, MoveDirection) {
  auto logic =
      makePattern("", 0, {kMove, kMove, kMove, kMove, kBlock, kMove, kMove, kMove, kMove, kMove});
  EXPECT_EQ(getHitAway(s, 0, *logic), kCloseIn);
  EXPECT_EQ(getHitAway(s, 1, *logic), kCloseIn);
  EXPECT_EQ(getHitAway(s, 3, *logic), kBackAway);  // a block follows, in contact
  EXPECT_EQ(getHitAway(s, 9, *logic), kBackAway);  // nothing follows the last slot
  s.span = 2;
  EXPECT_EQ(getHitAway(s, 3, *logic), kCloseIn);
  s.span = 0;
  for (int id : {kPunch, kSpin, kKick, kKumi, kJump}) {
    logic->setAction(makePattern("", 0, {id})->getActions(0), 4);
    EXPECT_EQ(getHitAway(s, 3, *logic), kCloseIn) << actionName(id);
  }
  logic->setAction(newAction(), 4);
  EXPECT_EQ(getHitAway(s, 3, *logic), kBackAway);  // an empty slot is none of them

  // The move dialog's hint names the move and follows the same rule: hit-and-away's second
  // move, in contact with nothing after it, wants 離脱; a first move from afar wants 接近.
  const auto hitAndAway = makePattern("", 0, {kMove, kPunch, kMove});
  EXPECT_EQ(moveHint(s, 0, 2, *hitAndAway).rfind("2つめの移動（次は なし）: ", 0), 0u);
  EXPECT_NE(moveHint(s, 0, 2, *hitAndAway).find("「離脱」"), std::string::npos);
  s.span = 4;
  EXPECT_NE(moveHint(s, 0, 0, *hitAndAway).find("「接近」で間合いを詰めない"), std::string::npos);
  s.span = 0;
  // In contact it names the momentum the moving Doll really gains: Int(9 / 2 / 2) = 2, and
  // Int(9 / 5 / 2) = 0 for the heavier one, which is only told to stay in reach.
  s.fighters[1]->weight = 5;
  EXPECT_NE(moveHint(s, 0, 0, *hitAndAway).find("（次の打撃や組みが2パワー上がります）"),
            std::string::npos);
  EXPECT_NE(moveHint(s, 1, 0, *hitAndAway)
                .find("「接近」で間合いを保つのがおすすめです（この"
                      "Dollは勢いをつけても0パワーです）"),
            std::string::npos);
  // Held or down, moving gains nothing: the hint names no momentum.
  s.tentou[0] = kOn;
  EXPECT_NE(moveHint(s, 0, 0, *hitAndAway).find("転倒していて移動できません"), std::string::npos);
  s.tentou[0] = kOff;
  s.kumiai[1] = kOn;
  EXPECT_NE(moveHint(s, 0, 2, *hitAndAway).find("どちらを選んでも間合いも勢いも変わりません"),
            std::string::npos);
  s.kumiai[1] = kOff;

  std::string label = "前の状態";
  setDMove(s, 1, label);
  EXPECT_EQ(label, "前の状態");
  s.tentou[1] = kOn;
  setDMove(s, 1, label);
  EXPECT_EQ(label, "転倒中\r\n");
  s.kumiai[0] = kOn;
  setDMove(s, 1, label);
  EXPECT_EQ(label, "組み合っている");
}

}  // namespace
}  // namespace velko::testing
