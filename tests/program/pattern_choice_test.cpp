// The pattern dialog's rules without a screen: the text of a row, and rows without a pattern.
// Choosing, refusing and cancelling are tried on the dialog itself (tests/ui).

#include "program/pattern_choice.h"
#include "support/patterns.h"

#include <gtest/gtest.h>

#include "model/action_factories.h"
#include "support/scripted_dialog.h"

namespace velko {
namespace {

using velko::testing::pattern;

class PatternChoiceTest : public ::testing::Test {
 protected:
  testing::ScriptedDialog dialog;
  DialogPrompter prompter{dialog};
};

TEST(PatternText, ShowsOnlyTheFilledSlotsJoinedByPlus) {
  EXPECT_EQ(patternText(*pattern("", 0, {kMove, kPunch, kMove})), "移動＋パンチ＋移動");
  // A gap inside the pattern is not shown as an empty name.
  auto gapped = pattern("", 0, {kMove});
  gapped->setAction(battleAction(kKick), 4);
  EXPECT_EQ(patternText(*gapped), "移動＋キック");
  EXPECT_EQ(patternText(Logic()), "");
}

TEST_F(PatternChoiceTest, EmptyRowsAndSlotsOutOfRange) {
  PatternChoice choice(2);
  choice.setLogics(pattern("", 0, {}), 2);
  choice.setLogics(pattern("遠い", 1, {}), 21);  // ignored
  EXPECT_EQ(choice.logic(21).name, "");
  EXPECT_FALSE(choice.dspPattern_Click(6, "d", prompter));  // only rows 0-5 are shown
  // A row without any pattern given reads as the empty pattern and may be chosen.
  EXPECT_FALSE(choice.isGrey(5));
  EXPECT_TRUE(choice.dspPattern_Click(2, "d", prompter));
  EXPECT_EQ(dialog.texts().back(), "この技でいいですか？");
  EXPECT_EQ(choice.value(), 3);
}

TEST_F(PatternChoiceTest, ARowCostingExactlyThePointsMayBeChosen) {
  PatternChoice choice(5);
  choice.setLogics(pattern("五", 5, {kPunch}), 0);
  choice.setLogics(pattern("六", 6, {kPunch}), 1);
  EXPECT_FALSE(choice.isGrey(0));
  EXPECT_TRUE(choice.isGrey(1));
  EXPECT_FALSE(choice.dspPattern_Click(1, "d", prompter));
  EXPECT_TRUE(choice.dspPattern_Click(0, "d", prompter));
  EXPECT_EQ(choice.value(), 1);
}

}  // namespace
}  // namespace velko
