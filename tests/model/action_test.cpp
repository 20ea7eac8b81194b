#include "model/action.h"

#include <gtest/gtest.h>

#include "core/prompter.h"
#include "model/action_factories.h"
#include "model/software.h"
#include "support/scripted_dialog.h"

namespace velko {
namespace {

ActionRef costly(int16_t id, int16_t ap, int16_t memory) {
  auto a = battleAction(id);
  a->AP = ap;
  a->Memory = memory;
  return a;
}

class LogicTest : public ::testing::Test {
 protected:
  testing::ScriptedDialog dialog;
  DialogPrompter prompter{dialog};
};

TEST_F(LogicTest, AddActionFillsTheFirstFreeSlotAndTotals) {
  Logic logic;
  logic.addAction(costly(kMove, 2, 1), prompter);
  logic.addAction(costly(kPunch, 3, 2), prompter);
  logic.addAction(costly(kKick, 4, 3), prompter);
  logic.setAction(costly(kSpin, 5, 5), 6);  // a later slot already filled
  EXPECT_TRUE(logic.addAction(costly(kJump, 1, 1), prompter));
  EXPECT_EQ(logic.getActions(3)->ID, kJump);
  EXPECT_EQ(logic.getActionsname(3), "ジャンプ");
  EXPECT_EQ(logic.AP, 10);  // setAction leaves the totals alone
  EXPECT_EQ(logic.Memory, 7);
  EXPECT_EQ(logic.getTotalAP(), 15);
  EXPECT_EQ(logic.getTotalMem(), 12);
  EXPECT_TRUE(dialog.shown.empty());
}

TEST_F(LogicTest, EleventhActionIsRefusedWithTheGamesMessage) {
  Logic logic;
  for (int i = 0; i < Logic::kSlots; ++i)
    ASSERT_TRUE(logic.addAction(costly(kPunch, 1, 1), prompter));
  EXPECT_FALSE(logic.addAction(costly(kKick, 9, 9), prompter));
  ASSERT_EQ(dialog.shown.size(), 1u);
  EXPECT_TRUE(dialog.shown[0].plainBox);
  EXPECT_EQ(dialog.shown[0].request.text, "これ以上複雑な動きにはできません");
  EXPECT_EQ(logic.AP, 10);
  EXPECT_EQ(logic.getActions(9)->ID, kPunch);
}

TEST_F(LogicTest, CloneSharesActionsAndPacksThemToTheFront) {
  Logic logic;
  logic.ID = 4;
  logic.dollID = 7;
  logic.name = "突撃";
  auto punch = costly(kPunch, 3, 2);
  logic.setAction(punch, 2);
  logic.setAction(costly(kKick, 4, 1), 5);

  auto copy = logic.clone();
  EXPECT_EQ(copy->ID, 4);
  EXPECT_EQ(copy->name, "突撃");
  EXPECT_EQ(copy->dollID, 0);
  EXPECT_EQ(copy->getActions(0), punch);  // the same object, not a copy
  EXPECT_EQ(copy->getActions(1)->ID, kKick);
  EXPECT_EQ(copy->getActions(2)->ID, 0);
  EXPECT_EQ(copy->AP, 7);
  EXPECT_EQ(copy->Memory, 3);
}

TEST_F(LogicTest, PatternsSharingTheSoftwaresPunchFollowItsCost) {
  SoftAttack soft;
  Logic first;
  Logic second;
  first.addAction(soft.getAction(kPunch), prompter);
  second.addAction(soft.getAction(kPunch), prompter);
  EXPECT_EQ(first.getActions(0), second.getActions(0));
  soft.punch->AP = 6;
  EXPECT_EQ(first.getTotalAP(), 6);
  EXPECT_EQ(second.getTotalAP(), 6);
}

TEST_F(LogicTest, TotalsStayWithin16Bits) {
  Logic logic;
  for (int i = 0; i < 3; ++i)
    logic.addAction(costly(kPunch, 20000, 20000), prompter);
  EXPECT_EQ(logic.AP, 32767);
  EXPECT_EQ(logic.getTotalMem(), 32767);
}

TEST(Action, FactoriesAndSoftwareLookups) {
  SoftMobile mobile;
  SoftAttack attack;
  Action jumpCost, moveCost, spinCost;
  moveCost.AP = 2;
  moveCost.Memory = 3;
  jumpCost.AP = 4;
  jumpCost.Memory = 5;
  spinCost.AP = 6;
  spinCost.Memory = 7;
  mobile.init2(moveCost, jumpCost, spinCost);

  Action a;
  a.getActionA(kJump, attack, mobile);
  EXPECT_EQ(a.ID, kJump);
  EXPECT_EQ(a.AP, 4);
  EXPECT_EQ(a.Memory, 5);
  EXPECT_EQ(a.name, "ジャンプ");
  a.getActionA(kBlock, attack, mobile);  // only the ID changes outside 1-8
  EXPECT_EQ(a.ID, kBlock);
  EXPECT_EQ(a.AP, 4);
  a.getActionM(kBlock, mobile);
  EXPECT_EQ(a.AP, 0);
  EXPECT_EQ(a.name, "");

  EXPECT_EQ(mobile.getAction(kSpin), mobile.spin);
  EXPECT_EQ(mobile.getAction(kPunch)->ID, 0);
  EXPECT_NE(mobile.getAction(kPunch), mobile.getAction(kPunch));  // a new empty action each time

  auto fromBattle = battleAction(kHazusi);
  EXPECT_EQ(fromBattle->name, "外し");
  EXPECT_EQ(fromBattle->AP, 0);
  EXPECT_EQ(battleAction(12)->name, "");
  EXPECT_EQ(battleAction(12)->ID, 12);
}

}  // namespace
}  // namespace velko
