// The program editor's rules: drops on the grid and the trash, opening, checking and
// registering the patterns, cancelling, the hint line and the beginner's guide.

#include <gtest/gtest.h>

#include "program_fixture.h"

namespace velko::testing {
namespace {

// Drops on the grid and the trash: what lands where, and the labels that follow.
TEST_F(ProgramTest, DropsOnTheGridPlaceSwapAndMoveChips) {
  open();
  dropFromPalette(kMove, slot(0, 0));
  dropFromPalette(kKick, slot(0, 1));
  dropFromPalette(kDrop, slot(3, 0));
  EXPECT_EQ(model.pattern(0).getActions(1), player.getSoftA(0)->kick);  // the software's own
  EXPECT_EQ(model.dspAP(0), " 5");
  EXPECT_EQ(model.dspMem(6), " 7");

  dropFromGrid(slot(0, 1), slot(3, 0));  // kick (3 AP, 2 mem) for throw (5 AP, 4 mem)
  EXPECT_EQ(model.chipAt(slot(0, 1)), kDrop);
  EXPECT_EQ(model.chipAt(slot(3, 0)), kKick);
  EXPECT_EQ(model.dspAP(0), " 7");
  EXPECT_EQ(model.dspMem(0), " 5");
  EXPECT_EQ(model.dspAP(3), " 3");
  EXPECT_EQ(model.dspMem(6), " 7");

  dropFromGrid(slot(3, 0), slot(2, 4));  // onto an empty slot: a move
  EXPECT_EQ(model.chipAt(slot(3, 0)), 0);
  EXPECT_EQ(model.chipAt(slot(2, 4)), kKick);
  EXPECT_EQ(model.dspAP(3), " 0");

  dropFromGrid(slot(5, 5), slot(0, 0));  // an empty slot drags nothing
  EXPECT_EQ(model.chipAt(slot(0, 0)), kMove);
  EXPECT_EQ(player.getLogic(0)->getActions(0)->ID, 0);  // the Doll waits for registering
}

TEST_F(ProgramTest, TrashTakesGridChipsButNotPaletteChips) {
  open();
  dropFromPalette(kMove, slot(0, 0));
  dropFromPalette(kKick, slot(0, 1));
  model.dspAchip_MouseMove(chipOf(kPunch));
  model.dspTrash_DragDrop();
  EXPECT_EQ(model.chipAt(slot(0, 0)), kMove);
  EXPECT_EQ(model.dspAP(0), " 5");

  trashFromGrid(slot(0, 0));
  EXPECT_EQ(model.chipAt(slot(0, 0)), 0);
  EXPECT_EQ(model.chipAt(slot(0, 1)), kKick);
  EXPECT_EQ(model.dspAP(0), " 3");
  EXPECT_EQ(model.dspMem(6), " 2");
}

// Registering: the checks in order, and what reaches the Doll.
TEST_F(ProgramTest, AGapIsRefusedWithThePatternNumberBeforeMemoryIsChecked) {
  player.Memory = 1;  // also too little memory: the gap is reported first
  open();
  dropFromPalette(kPunch, slot(2, 0));
  dropFromPalette(kMove, slot(3, 0));  // pattern 4: move, gap, kick
  dropFromPalette(kKick, slot(3, 2));
  dropFromPalette(kMove, slot(4, 0));  // pattern 5 has a gap too; only the first is told
  dropFromPalette(kKick, slot(4, 9));

  EXPECT_FALSE(model.cmdRegist_Click());
  ASSERT_EQ(dialog.shown.size(), 1u);
  EXPECT_TRUE(dialog.shown[0].plainBox);
  EXPECT_EQ(dialog.shown[0].request.text,
            " 4番目の技の入力が正しくありません\n左寄せに入力して下さい");
  EXPECT_FALSE(player.programed);
  EXPECT_EQ(player.getLogic(2)->getActions(0)->ID, 0);

  dropFromGrid(slot(3, 2), slot(3, 1));
  trashFromGrid(slot(4, 9));
  EXPECT_FALSE(model.cmdRegist_Click());
  EXPECT_EQ(dialog.texts().back(), "メモリが足りません");
  EXPECT_FALSE(player.programed);
}

TEST_F(ProgramTest, MemoryEqualToTheComputersRegistersOneMoreDoesNot) {
  open();
  for (int p = 0; p < 2; ++p) {
    for (int k = 0; k < 8; ++k)
      dropFromPalette(kPunch, slot(p, k));  // 2 memory each: 32 in all
  }
  dropFromPalette(kMove, slot(2, 0));
  EXPECT_FALSE(model.cmdRegist_Click());
  EXPECT_EQ(dialog.texts(), std::vector<std::string>{"メモリが足りません"});

  trashFromGrid(slot(2, 0));
  EXPECT_EQ(model.dspMem(6), " 32");
  model.setText1(0, "連打");
  ASSERT_TRUE(model.cmdRegist_Click());
  EXPECT_TRUE(player.programed);
  EXPECT_EQ(player.getLogic(0)->name, "連打");
  EXPECT_EQ(player.getLogic(0)->AP, 16);
  EXPECT_EQ(player.getLogic(1)->Memory, 16);
  EXPECT_EQ(player.getLogic(1)->getActions(7), player.getSoftA(0)->punch);
}

TEST_F(ProgramTest, AClearedPatternRegistersEmpty) {
  auto old = std::make_shared<Logic>();
  old->name = "古い技";
  old->addAction(player.getSoftA(0)->punch, prompter);
  player.setLogics(old, 1);
  open();
  EXPECT_EQ(model.Text1(1), "古い技");
  EXPECT_EQ(model.dspAP(1), " 2");
  model.cmdClear_Click(1);
  EXPECT_EQ(model.dspAP(1), "");
  EXPECT_EQ(model.dspMem(1), "");
  ASSERT_TRUE(model.cmdRegist_Click());
  const Logic& cleared = *player.getLogic(1);
  EXPECT_EQ(cleared.name, "");
  EXPECT_EQ(cleared.AP, 0);
  EXPECT_EQ(cleared.Memory, 0);
  EXPECT_EQ(cleared.getActions(0)->ID, 0);
}

TEST_F(ProgramTest, CancellingLeavesTheDollsPatternsButTheirNewBinding) {
  auto oldPunch = std::make_shared<Action>(cost(3, 3));
  oldPunch->ID = kPunch;
  oldPunch->name = "パンチ";
  auto old = std::make_shared<Logic>();
  old->name = "連打";
  old->setAction(oldPunch, 0);
  player.setLogics(old, 0);

  {
    ProgramModel editor(player, prompter, false);
    editor.Form_Load();
    editor.dspAchip_MouseMove(chipOf(kKick));
    editor.dspAction_DragDrop(slot(0, 1));
    editor.setText1(0, "変更");
  }  // closed without registering
  EXPECT_EQ(player.getLogic(0), old);
  EXPECT_EQ(old->name, "連打");
  EXPECT_EQ(old->getActions(1)->ID, 0);
  EXPECT_EQ(old->getActions(0), player.getSoftA(0)->punch);
  EXPECT_FALSE(player.programed);
}

TEST_F(ProgramTest, CostsFollowTheSoftwareInstalledNow) {
  // A pattern registered under a slower attack software (punch 4 AP) ...
  auto slow = attack("ブロウラー", 4);
  auto pattern = std::make_shared<Logic>();
  pattern->addAction(slow->getAction(kPunch), prompter);
  pattern->addAction(slow->getAction(kPunch), prompter);
  player.setLogics(pattern, 0);
  // ... opened after the faster one (punch 2 AP) was installed.
  player.getSoftD(0)->hazusi->name.clear();
  open();
  EXPECT_EQ(player.getSoftD(0)->hazusi->name, "外し");
  EXPECT_EQ(model.dspAbl(chipOf(kPunch)), " 2： 2");
  EXPECT_EQ(model.dspAP(0), " 4");
  ASSERT_TRUE(model.cmdRegist_Click());
  EXPECT_EQ(player.getLogic(0)->AP, 4);
  EXPECT_EQ(player.getLogic(0)->getActions(1), player.getSoftA(0)->punch);
  player.getSoftA(0)->punch->AP = 1;
  EXPECT_EQ(player.getLogic(0)->getTotalAP(), 2);
}

// The hint line and the guide.
TEST_F(ProgramTest, HintsDependOnWhatTheMouseIsOver) {
  open();
  model.dspAchip_MouseMove(chipOf(kDrop));
  EXPECT_EQ(model.dspDoll(),
            "相手のモーターとフレームにダメージを与えます。組まないと投げられません。"
            "組まれている時、投げに成功すると外れます");
  model.dspAbl_MouseMove(chipOf(kDrop));
  EXPECT_EQ(model.dspDoll(),
            "相手のモーターとフレームにダメージを与えます。組まないと投げられません");
  model.frm_MouseMove(chipOf(kHazusi));
  EXPECT_EQ(model.dspDoll(), "組まれていたら外します");

  dropFromPalette(kHazusi, slot(1, 0));
  model.dspAction_MouseMove(slot(1, 0));
  EXPECT_EQ(model.dspDoll(), "組まれていたら外します。");
  model.dspAction_MouseMove(slot(1, 1));  // empty: the hint stays
  EXPECT_EQ(model.dspDoll(), "組まれていたら外します。");
  model.dspAbl_MouseMove(chipOf(kMove));  // a label names the action, keeps the source
  EXPECT_EQ(model.dragName(), "移動");
  EXPECT_EQ(model.dragSource(), slot(1, 1));
  model.dspTrash_MouseMove();
  EXPECT_EQ(model.dspDoll(), "ゴミ箱");
  model.Form_MouseMove();
  EXPECT_EQ(model.dspDoll(), "");
}

TEST_F(ProgramTest, GuideAdvisesOnTheDollsNumbersAndHidesAfterFivePages) {
  open();
  EXPECT_EQ(model.dspDollAP(), " 12～ 22");
  ProgramGuide& guide = model.guide();
  ASSERT_TRUE(guide.visible());
  guide.dspGuide_Click();
  EXPECT_EQ(guide.text(),
            "　基本行動を複雑に組み合わせるほど、行動パターンの使用行動ポイントと使用メモリも増えて"
            "行きます。\n"
            "①使用行動ポイントが大きい程、その技を出せる確率が低くなります。\n"
            "　このDollの行動ポイントは 12～ 22　なので、 22以内、 17ポイントくらいの技を中心に"
            "考えましょう。\n"
            "②あなたのコンピュータのメモリは 32です。\n"
            "　全ての行動パターンの使用メモリの合計が、 32以内に収まるよう設定しましょう。▼\n");
  guide.dspGuide_Click();
  guide.dspGuide_Click();
  guide.dspGuide_Click();
  EXPECT_TRUE(guide.visible());
  EXPECT_NE(guide.text().find("2つめは「離脱」"), std::string::npos);
  guide.dspGuide_Click();
  EXPECT_FALSE(guide.visible());

  ProgramModel quiet(player, prompter, false);
  quiet.Form_Load();
  EXPECT_FALSE(quiet.guide().visible());
}

}  // namespace
}  // namespace velko::testing
