// Undo and redo in the program editor: random runs of edits undone to the opening state and
// redone to the last, with the registration checks seeing exactly what a plain run sees; the
// row copy and the keyboard's drops.

#include <random>

#include "model/action_factories.h"
#include "program_fixture.h"

namespace velko::testing {
namespace {

// One random edit of the kinds the editor offers.
void randomEdit(ProgramModel& m, std::mt19937& rng) {
  auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
  switch (pick(8)) {
    case 0:
    case 1:
      m.dspAchip_MouseMove(pick(kPaletteChips));
      m.dspAction_DragDrop(pick(ProgramModel::kGridSlots));
      break;
    case 2:
      m.dspAction_MouseMove(pick(ProgramModel::kGridSlots));
      m.dspAction_DragDrop(pick(ProgramModel::kGridSlots));
      break;
    case 3:
      m.dspAction_MouseMove(pick(ProgramModel::kGridSlots));
      m.dspTrash_DragDrop();
      break;
    case 4:
      m.cmdClear_Click(pick(ProgramModel::kPatterns));
      break;
    case 5:
      m.setText1(pick(ProgramModel::kPatterns), "技" + std::to_string(pick(5)));
      break;
    case 6:
      m.copyPattern(pick(ProgramModel::kPatterns), pick(ProgramModel::kPatterns));
      break;
    default:
      if (pick(2) == 0)
        m.placeChip(pick(kPaletteChips), pick(ProgramModel::kGridSlots));
      else
        m.emptySlot(pick(ProgramModel::kGridSlots));
      break;
  }
}

TEST_F(ProgramTest, RandomEditsUndoneGiveTheOpeningStateAndRedoneTheLast) {
  // One registered pattern, so the opening state is not empty.
  auto registered = std::make_shared<Logic>();
  registered->name = "開幕";
  registered->setAction(workshopAction(player, kMove), 0);
  registered->setAction(workshopAction(player, kPunch), 1);
  player.setLogics(registered, 0);
  for (unsigned seed = 1; seed <= 40; ++seed) {
    doll d = player;
    d.Memory = static_cast<int16_t>(seed % 3 == 0 ? 6 : 200);
    ScriptedDialog plainDialog;
    DialogPrompter plainPrompter{plainDialog};
    ProgramModel plain{d, plainPrompter, false};
    ScriptedDialog undoDialog;
    DialogPrompter undoPrompter{undoDialog};
    ProgramModel undone{d, undoPrompter, false};
    plain.Form_Load();
    undone.Form_Load();
    const ProgramDraft opening = undone.draft();

    std::mt19937 a(seed), b(seed);
    const int edits = 5 + static_cast<int>(seed % 30);
    for (int i = 0; i < edits; ++i) {
      randomEdit(plain, a);
      randomEdit(undone, b);
    }
    const ProgramDraft last = undone.draft();
    ASSERT_TRUE(sameDraft(last, plain.draft())) << seed;

    while (undone.undo()) {
    }
    EXPECT_TRUE(sameDraft(undone.draft(), opening)) << seed;
    EXPECT_FALSE(undone.canUndo());
    while (undone.redo()) {
    }
    EXPECT_TRUE(sameDraft(undone.draft(), last)) << seed;

    // The checks see the gaps and the memory exactly as the plain run left them.
    EXPECT_EQ(undone.checkInput(), plain.checkInput()) << seed;
    EXPECT_EQ(undoDialog.texts(), plainDialog.texts()) << seed;
    for (int s = 0; s < ProgramModel::kGridSlots; ++s)
      ASSERT_EQ(undone.chipAt(s), plain.chipAt(s)) << seed << " slot " << s;
    for (int p = 0; p <= ProgramModel::kPatterns; ++p)
      ASSERT_EQ(undone.dspMem(p), plain.dspMem(p)) << seed;
  }
}

TEST_F(ProgramTest, UndoKeepsAGapThatRegistrationMustStillRefuse) {
  open();
  dropFromPalette(kMove, slot(0, 0));
  dropFromPalette(kKick, slot(0, 1));
  trashFromGrid(slot(0, 0));  // a gap before the kick
  dropFromPalette(kPunch, slot(1, 0));
  ASSERT_TRUE(model.undo());  // the punch goes, the gap stays
  EXPECT_EQ(model.chipAt(slot(0, 0)), 0);
  EXPECT_EQ(model.chipAt(slot(0, 1)), kKick);
  EXPECT_FALSE(model.cmdRegist_Click());
  EXPECT_EQ(dialog.shown.back().request.text,
            " 1番目の技の入力が正しくありません\n左寄せに入力して下さい");
}

TEST_F(ProgramTest, TypingInOneNameBoxIsOneStepAndANewEditForgetsTheRedo) {
  open();
  model.setText1(0, "ジ");
  model.setText1(0, "ジャ");
  model.setText1(0, "ジャブ");
  model.setText1(1, "蹴");
  ASSERT_TRUE(model.undo());
  EXPECT_EQ(model.Text1(1), "");
  EXPECT_EQ(model.Text1(0), "ジャブ");
  ASSERT_TRUE(model.undo());
  EXPECT_EQ(model.Text1(0), "");
  EXPECT_FALSE(model.canUndo());
  ASSERT_TRUE(model.redo());
  dropFromPalette(kMove, slot(0, 0));
  EXPECT_FALSE(model.canRedo());
  // A drop that changes nothing is no step.
  model.dspAchip_MouseMove(chipOf(kPunch));
  model.dspTrash_DragDrop();
  ASSERT_TRUE(model.undo());
  EXPECT_EQ(model.chipAt(slot(0, 0)), 0);
}

TEST_F(ProgramTest, ClosingAsksOnlyAfterAChangeAndDefaultsToKeepEditing) {
  open();
  EXPECT_TRUE(model.mayClose());
  EXPECT_TRUE(dialog.shown.empty());
  model.setText1(0, "ジャブ");
  dialog.answer(kAnswerCancel);  // No: keep editing
  EXPECT_FALSE(model.mayClose());
  EXPECT_EQ(dialog.shown.back().request.text, "変更を登録せずに閉じますか？");
  EXPECT_TRUE(dialog.shown.back().request.safeDefault);
  ASSERT_TRUE(model.undo());  // back to what the editor opened with: nothing to lose
  EXPECT_TRUE(model.mayClose());
  EXPECT_EQ(dialog.shown.size(), 1u);
  dropFromPalette(kMove, slot(0, 0));
  EXPECT_TRUE(model.mayClose());  // Yes
  EXPECT_EQ(dialog.shown.size(), 2u);
}

TEST_F(ProgramTest, ARowCopiesOntoAnotherAndTheKeyboardPlacesAndEmpties) {
  open();
  model.placeChip(chipOf(kMove), slot(2, 0));
  model.placeChip(chipOf(kKick), slot(2, 1));
  model.setText1(2, "飛び蹴り");
  model.copyPattern(2, 4);
  EXPECT_EQ(model.chipAt(slot(4, 0)), kMove);
  EXPECT_EQ(model.chipAt(slot(4, 1)), kKick);
  EXPECT_EQ(model.Text1(4), "飛び蹴り");
  EXPECT_EQ(model.dspAP(4), model.dspAP(2));
  EXPECT_EQ(model.dspMem(6), " 6");  // both rows count
  model.emptySlot(slot(4, 0));
  EXPECT_EQ(model.chipAt(slot(4, 0)), 0);
  EXPECT_EQ(model.chipAt(slot(2, 0)), kMove);  // the copy is a pattern of its own
  EXPECT_EQ(model.dspMem(6), " 5");
}

// The coach's patterns arrive as one edit: names, actions and totals shown, the other rows
// cleared, and one undo brings back the editor as it was; registering writes them.
TEST_F(ProgramTest, AppliedPatternsAreOneEditThatRegisters) {
  open();
  model.placeChip(chipOf(kKick), slot(3, 0));
  const ProgramDraft before = model.draft();
  model.applyPatterns({{"突進", {kMove, kPunch}}, {"蹴り", {kKick}}});
  EXPECT_EQ(model.Text1(0), "突進");
  EXPECT_EQ(model.chipAt(slot(0, 1)), kPunch);
  EXPECT_EQ(model.chipAt(slot(1, 0)), kKick);
  EXPECT_EQ(model.chipAt(slot(3, 0)), 0);
  EXPECT_EQ(model.dspAP(0), " 4");
  EXPECT_EQ(model.dspMem(6), " 5");
  ASSERT_TRUE(model.undo());
  EXPECT_TRUE(sameDraft(model.draft(), before));
  ASSERT_TRUE(model.redo());
  ASSERT_TRUE(model.cmdRegist_Click());
  EXPECT_EQ(player.getLogic(0)->name, "突進");
  EXPECT_EQ(player.getLogic(1)->getActions(0)->ID, kKick);
  EXPECT_EQ(player.getLogic(1)->AP, 3);
}

}  // namespace
}  // namespace velko::testing
