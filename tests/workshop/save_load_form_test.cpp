// The save and load screen's questions, the slot it previews as the files have it, and the
// slot numbers it refuses.

#include "workshop/save_load_form.h"

#include <gtest/gtest.h>

#include "../career/career_fixture.h"
#include "data/files/file_bytes.h"
#include "data/save/slot_number.h"
#include "data/save/slot_save.h"

namespace velko::testing {
namespace {

class SaveLoadFormTest : public CareerFixture {};

TEST_F(SaveLoadFormTest, SavingAsksToSaveOrToSaveOver) {
  SaveLoadForm save(kSaveMode, game(), prompter);
  EXPECT_EQ(save.caption(), "セーブ画面");
  save.digit(1);
  save.digit(2);
  EXPECT_EQ(save.Lab_num(), "save12");
  dialog.answer(kAnswerCancel);
  EXPECT_FALSE(save.confirm());
  EXPECT_EQ(dialog.shown.back().request.text,
            "save12でセーブしますか？\r\n（ロード時には新品のパーツも中古として扱われます）");
  EXPECT_FALSE(dialog.shown.back().request.safeDefault);  // an empty slot loses nothing
  EXPECT_TRUE(save.confirm());
  EXPECT_EQ(save.svNum(), 12);

  ASSERT_TRUE(save_rtn(game(), 12, state.slotState(), prompter));
  SaveLoadForm again(kSaveMode, game(), prompter);
  again.digit(1);
  again.digit(2);
  again.confirm();
  EXPECT_EQ(dialog.shown.back().request.text,
            "save12には以下のデータがあります。\r\n秋津遥人 ヴェルコ 2013/01/01\r\n上書きしますか？"
            "\r\n（ロード時には新品のパーツも中古として扱われます）");
  EXPECT_TRUE(dialog.shown.back().request.safeDefault);

  // A first line that is not a date is shown as the file has it, and the slot is still one
  // that saving would write over.
  std::string bytes;
  ASSERT_TRUE(readBytes(playerFilePath(game(), 12), bytes));
  folder.writeBytes("save/Playersv12.ini", "Tuesday" + bytes.substr(bytes.find('\r')));
  again.confirm();
  EXPECT_EQ(dialog.shown.back().request.text,
            "save12には以下のデータがあります。\r\n秋津遥人 ヴェルコ Tuesday\r\n上書きしますか？"
            "\r\n（ロード時には新品のパーツも中古として扱われます）");
  EXPECT_TRUE(dialog.shown.back().request.safeDefault);

  SaveLoadForm empty(kSaveMode, game(), prompter);
  EXPECT_TRUE(empty.confirm());  // nothing typed saves slot 0
  EXPECT_EQ(empty.svNum(), 0);
}

TEST_F(SaveLoadFormTest, LoadingNeedsTheSlotAndLongNumbersAreRefused) {
  SaveLoadForm load(kLoadMode, game(), prompter);
  EXPECT_EQ(load.caption(), "ロード画面");
  load.digit(4);
  EXPECT_FALSE(load.confirm());
  EXPECT_EQ(dialog.shown.back().request.text, "ファイルが見つかりません");
  EXPECT_FALSE(load.value());

  ASSERT_TRUE(save_rtn(game(), 4, state.slotState(), prompter));
  EXPECT_TRUE(load.confirm());
  EXPECT_EQ(dialog.shown.back().request.text,
            "save4 秋津遥人 ヴェルコ\r\n2013/01/01\r\nこれをロードしますか？");
  EXPECT_TRUE(dialog.shown.back().request.safeDefault);  // the game being played goes
  EXPECT_EQ(load.svNum(), 4);

  SaveLoadForm huge(kSaveMode, game(), prompter);
  for (int d : {3, 2, 7, 6, 8})
    huge.digit(d);
  EXPECT_FALSE(huge.confirm());
  EXPECT_TRUE(dialog.shown.back().plainBox);
  EXPECT_FALSE(huge.value());
}

// The list beside the keypad: the slots the game wrote, in number order, with what the preview
// reads; a file the game would not read as a slot is not listed, and choosing a slot only
// types its number.
TEST_F(SaveLoadFormTest, ListsTheUsedSlotsAndChoosingOneTypesItsNumber) {
  ASSERT_TRUE(save_rtn(game(), 12, state.slotState(), prompter));
  state.player().Rl = 4321;
  ASSERT_TRUE(save_rtn(game(), 3, state.slotState(), prompter));
  std::string bytes;
  ASSERT_TRUE(readBytes(playerFilePath(game(), 3), bytes));
  folder.writeBytes("save/Playersv012.ini", bytes);
  folder.writeBytes("save/Playersv40000.ini", bytes);
  folder.writeBytes("save/Playersv7.ini", bytes);  // a player file without its Doll file

  SaveLoadForm load(kLoadMode, game(), prompter);
  const std::vector<UsedSlot> slots = load.listSlots();
  ASSERT_EQ(slots.size(), 2u);
  EXPECT_EQ(slots[0].number, 3);
  EXPECT_EQ(slots[1].number, 12);
  EXPECT_EQ(SaveLoadForm::slotLine(slots[0]),
            "save3  2013/01/01\n秋津遥人  ヴェルコ  所持金4321Rl");
  EXPECT_EQ(SaveLoadForm::slotLine(slots[1]),
            "save12  2013/01/01\n秋津遥人  ヴェルコ  所持金1000Rl");

  // Money that does not read leaves the rest of the preview as it was.
  folder.writeBytes("save/Playersv3.ini",
                    bytes.substr(0, bytes.find("\r\n", bytes.find("\r\n") + 2) + 2) + "x\r\n");
  const std::vector<UsedSlot> again = load.listSlots();
  ASSERT_EQ(again.size(), 2u);
  EXPECT_EQ(SaveLoadForm::slotLine(again[0]), "save3  2013/01/01\n秋津遥人  ヴェルコ");

  const size_t asked = dialog.shown.size();
  load.digit(9);
  load.choose(12);
  EXPECT_EQ(load.Lab_num(), "save12");
  EXPECT_FALSE(load.value());
  EXPECT_EQ(dialog.shown.size(), asked);
}

}  // namespace
}  // namespace velko::testing
