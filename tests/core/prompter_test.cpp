#include "core/prompter.h"

#include <gtest/gtest.h>

#include "core/music_player.h"
#include "core/shipped_names.h"
#include "core/shown_text.h"
#include "support/career_fakes.h"
#include "support/scripted_dialog.h"

namespace velko {
namespace {

TEST(Prompter, RoutinesSetCaptionsButtonsAndAnswers) {
  testing::ScriptedDialog dialog;
  DialogPrompter prompter(dialog);
  dialog.answer(kAnswerOK);
  dialog.answer(kAnswerCancel);
  dialog.answer(0);  // closed by the window frame
  EXPECT_EQ(prompter.askOK("買いますか？"), 1);
  EXPECT_EQ(prompter.askOKCaption("出ますか？", "Tornament"), 2);
  EXPECT_EQ(prompter.askOK("?"), 0);

  const auto& ask = dialog.shown[0].request;
  EXPECT_EQ(ask.caption, "VELKO");
  EXPECT_EQ(ask.okCaption, "OK");
  EXPECT_EQ(ask.cancelCaption, "Cancel");
  EXPECT_TRUE(ask.cancelVisible);
  EXPECT_EQ(dialog.shown[1].request.caption, "Tornament");

  dialog.answer(kAnswerOK);
  dialog.answer(kAnswerCancel);
  dialog.answer(0);
  EXPECT_EQ(prompter.askYesNo("q", "BRAM-KOL"), 6);
  EXPECT_EQ(prompter.askYesNo("q", "BRAM-KOL"), 7);
  EXPECT_EQ(prompter.askYesNo("q", "BRAM-KOL"), 7);
  EXPECT_EQ(dialog.shown[3].request.okCaption, "Yes");
  EXPECT_EQ(dialog.shown[3].request.cancelCaption, "No");

  prompter.notify("n");
  EXPECT_EQ(dialog.shown.back().request.caption, "VELKO");
  EXPECT_FALSE(dialog.shown.back().request.cancelVisible);
}

TEST(Prompter, TallNoticeThenBackToNormalHeight) {
  testing::ScriptedDialog dialog;
  DialogPrompter prompter(dialog);
  prompter.notifyTall("a\nb\nc\nd\ne", "Result", 5);
  prompter.askOK("next");
  ASSERT_EQ(dialog.shown.size(), 2u);
  const auto& tall = dialog.shown[0].request;
  EXPECT_EQ(tall.lines, 5);
  EXPECT_EQ(tall.caption, "Result");
  EXPECT_FALSE(tall.cancelVisible);
  EXPECT_EQ(dialogHeightTwips(tall.lines), 2200);
  EXPECT_EQ(dialogButtonTopTwips(tall.lines), 1400);
  EXPECT_EQ(dialog.shown[1].request.lines, 3);
  EXPECT_EQ(dialogHeightTwips(3), 1800);
  EXPECT_EQ(dialogButtonTopTwips(3), 1000);
}

TEST(Prompter, CannotPlayIsToldOnceUntilATrackStartsAgain) {
  testing::ScriptedDialog dialog;
  DialogPrompter prompter(dialog);
  testing::FakeMusic music;
  music.deviceWorks = false;
  // With music off the first failure is the sound effect's; the workshop, shop and fight
  // music after it keep quiet.
  SoundEffect effect(music, prompter);
  effect.stSound("SE");
  EXPECT_FALSE(startTrack(music, "ind30xg", prompter));
  EXPECT_FALSE(startTrack(music, "fight", prompter));
  ASSERT_EQ(dialog.shown.size(), 1u);
  EXPECT_TRUE(dialog.shown[0].plainBox);
  EXPECT_EQ(dialog.shown[0].request.text, kCannotPlayMessage);

  // A device that appears clears the notice: the next failure is told again.
  music.deviceWorks = true;
  EXPECT_TRUE(startTrack(music, "ind30xg", prompter));
  music.deviceWorks = false;
  startTrack(music, "jzz33xg", prompter);
  startTrack(music, "jzz33xg", prompter);
  EXPECT_EQ(dialog.shown.size(), 2u);
}

}  // namespace
}  // namespace velko

// A message template: arguments land where the language puts them, a player's name holding
// "%2" stays as typed, and an installed translation replaces only the template. Only a factory
// opponent (its registry number and name) is named in the player's language: a player's Doll
// spelt like it keeps the name typed, and so do its patterns.
TEST(ShownText, TemplatesFillOnceAndTranslateOnlyTheMarkedText) {
  EXPECT_EQ(velko::fill("%1の%2を対戦相手にしました", {"A", "B"}), "AのBを対戦相手にしました");
  EXPECT_EQ(velko::fill("%2 of %1", {"A", "B"}), "B of A");
  EXPECT_EQ(velko::fill("%1勝利", {"%2%1"}), "%2%1勝利");
  EXPECT_EQ(velko::fill("100%の範囲 %1", {"x"}), "100%の範囲 x");
  EXPECT_EQ(velko::fill("%1 of %2, 100%", {"A"}), "A of %2, 100%");  // no second argument
  EXPECT_EQ(velko::shown("勝利"), "勝利");
  velko::setTextTranslation([](const char* source) {
    const std::string text = source;
    if (text == "%1勝利") return std::string("%1 wins");
    if (text == "doll:鉄拳") return std::string("Iron Fist");
    if (text == "pattern:ジャブ") return std::string("Jab");
    if (text == "part:スチール") return std::string("Steel");
    return text;
  });
  EXPECT_EQ(velko::fill(velko::shown("%1勝利"), {velko::shownDollName(14, "鉄拳")}),
            "Iron Fist wins");
  for (int number : {0, 13, 29})
    EXPECT_EQ(velko::shownDollName(number, "鉄拳"), "鉄拳") << number;
  // A name the game does not ship (one the player typed) stays as it is.
  EXPECT_EQ(velko::shownDollName(1, "ブリキ丸"), "ブリキ丸");
  EXPECT_EQ(velko::shownPatternName(14, "鉄拳", "ジャブ"), "Jab");
  EXPECT_EQ(velko::shownPatternName(0, "鉄拳", "ジャブ"), "ジャブ");
  EXPECT_EQ(velko::shownPatternName(14, "ヴェルコ壱号", "ジャブ"), "ジャブ");
  // A second plate of a kind keeps its number after the catalogue's name.
  EXPECT_EQ(velko::shownPartName("スチール"), "Steel");
  EXPECT_EQ(velko::shownPartName("スチール2"), "Steel2");
  EXPECT_EQ(velko::shownPartName("ヴェルコ2"), "ヴェルコ2");
  velko::setTextTranslation(nullptr);
  EXPECT_EQ(velko::fill(velko::shown("%1勝利"), {"鉄拳"}), "鉄拳勝利");
}
