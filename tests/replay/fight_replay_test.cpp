#include "replay/fight_replay.h"

#include <gtest/gtest.h>

#include "replay/replay_file.h"
#include "support/recorded_fights.h"

namespace velko::testing {
namespace {

// Recorded, written, read back and played again: the same narration byte for byte and the
// same end, for street fights, tournament bouts and duels, decided or cut off.
TEST(FightReplay, ThousandRecordedFightsPlayAgainExactly) {
  SeededRandom dolls(2026);
  int decided = 0;
  for (int k = 0; k < 1000; ++k) {
    const DollRef a = randomDoll(dolls, "ヴェルコ " + std::to_string(k));
    const DollRef b = randomDoll(dolls, "ブラム");
    const int16_t mode = static_cast<int16_t>(k % 3);
    const RecordedFight fight = recordFight(*a, *b, mode, 1000 + k, k % 50 == 0 ? 5 : 400);
    decided += fight.recording.winner != kNoWinner;

    const std::string text = formatReplay(fight.recording);
    const ReplayParse read = parseReplay(text);
    ASSERT_TRUE(read.recording) << read.error;
    ASSERT_EQ(formatReplay(*read.recording), text);

    NarrationLog view(true);
    const ReplayOutcome outcome = replayFight(*read.recording, view);
    ASSERT_TRUE(outcome.ok) << "fight " << k << ": " << outcome.error;
    ASSERT_EQ(view.narration, fight.narration) << "fight " << k;
    ASSERT_EQ(outcome.winner, fight.recording.winner);
    ASSERT_EQ(outcome.steps, fight.recording.steps);
  }
  EXPECT_GT(decided, 600);  // most end with a broken Doll; the rest reach the cap
}

// The recording keeps the Dolls as they began, whatever the fight did to the copies, and a
// replay never changes the recording it plays.
TEST(FightReplay, RecordingHoldsTheStartingDollsAndSurvivesItsReplay) {
  SeededRandom dolls(7);
  const DollRef a = randomDoll(dolls, "A");
  const DollRef b = randomDoll(dolls, "B");
  const int16_t motorHP = a->Motor->HP;
  const RecordedFight fight = recordFight(*a, *b, kModeStreet, 99);
  ASSERT_NE(fight.recording.winner, kNoWinner);
  EXPECT_EQ(a->Motor->HP, motorHP);  // the fight ran on copies
  EXPECT_EQ(fight.recording.fighters[0]->Motor->HP, motorHP);
  const std::string before = formatReplay(fight.recording);
  NarrationLog view(false);
  ASSERT_TRUE(replayFight(fight.recording, view).ok);
  ASSERT_TRUE(replayFight(fight.recording, view).ok);
  EXPECT_EQ(formatReplay(fight.recording), before);
}

// A recording that does not fit its fight is refused with a reason, never played on.
TEST(FightReplay, MismatchedRecordingsAreRefused) {
  SeededRandom dolls(11);
  const DollRef a = randomDoll(dolls, "A");
  const DollRef b = randomDoll(dolls, "B");
  const RecordedFight fight = recordFight(*a, *b, kModeStreet, 5);
  NarrationLog view(false);

  FightRecording fewerDice = fight.recording;
  fewerDice.draws.resize(fewerDice.draws.size() / 2);
  EXPECT_FALSE(replayFight(fewerDice, view).ok);

  FightRecording otherSide = fight.recording;
  for (RecordedChoice& c : otherSide.choices)
    c.fighter = static_cast<int8_t>(1 - c.fighter);
  EXPECT_FALSE(replayFight(otherSide, view).ok);

  FightRecording emptySlot = fight.recording;
  emptySlot.fighters[0] = cloneForFight(*a);
  for (int slot = 0; slot < doll::kLogicSlots; ++slot)
    emptySlot.fighters[0]->setLogics(nullptr, slot);
  const ReplayOutcome noPattern = replayFight(emptySlot, view);
  EXPECT_FALSE(noPattern.ok);
  EXPECT_FALSE(noPattern.error.empty());

  FightRecording otherEnd = fight.recording;
  otherEnd.winner = static_cast<int16_t>(1 - otherEnd.winner);
  EXPECT_FALSE(replayFight(otherEnd, view).ok);
}

}  // namespace
}  // namespace velko::testing
