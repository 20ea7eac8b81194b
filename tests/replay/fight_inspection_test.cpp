#include "replay/fight_inspection.h"

#include <gtest/gtest.h>

#include "support/recorded_fights.h"

namespace velko::testing {
namespace {

bool startsWith(const std::string& text, const std::string& head) {
  return text.rfind(head, 0) == 0;
}

// Each step of a recorded fight: who acted and by which rule, the initiative dice and winner
// by name with the step's own text, and the hit points lost, which add up to the fight's damage.
TEST(FightInspection, EveryStepTellsWhoChoseWhatAndWhatChanged) {
  SeededRandom dolls(31);
  const DollRef a = randomDoll(dolls, "A");
  const DollRef b = randomDoll(dolls, "B");
  const FightRecording recording = recordFight(*a, *b, kModeStreet, 12).recording;
  const FightInspection inspection = inspectFight(recording);
  ASSERT_TRUE(inspection.error.empty()) << inspection.error;
  ASSERT_EQ(inspection.steps.size(), static_cast<size_t>(recording.steps) + 1);

  int motorLost = 0;
  int initiativesWon = 0;
  for (size_t k = 1; k < inspection.steps.size(); ++k) {
    const InspectedStep& before = inspection.steps[k - 1];
    const InspectedStep& step = inspection.steps[k];
    EXPECT_EQ(step.index, static_cast<int>(k));
    if (before.after.turnStep == kTurnStart) {
      EXPECT_EQ(step.actor, -1);
      ASSERT_FALSE(step.dice.empty());
      EXPECT_TRUE(startsWith(step.dice[0], "イニシアチヴ:")) << step.dice[0];
      for (const std::string name : {"A", "B"}) {
        if (!step.dice[0].ends_with(" → " + name + "が先手")) continue;
        ++initiativesWon;
        EXPECT_EQ(step.narration, "イニシアチヴチェック　" + name + "の先手です") << k;
      }
    } else {
      EXPECT_EQ(step.actor, before.after.turnStep == kFighter0Acts ? 0 : 1);
      EXPECT_FALSE(step.choice.empty());
      EXPECT_EQ(step.rule.empty(), step.actor == 0);  // only the computer has a rule
    }
    const int lost = before.hp[1][0] - step.hp[1][0];
    motorLost += lost;
    bool told = false;
    for (const std::string& c : step.changes)
      told = told || c == "BのMotor −" + std::to_string(lost);
    EXPECT_EQ(told, lost > 0) << k;
  }
  EXPECT_EQ(motorLost, inspection.steps.front().hp[1][0] - inspection.steps.back().hp[1][0]);
  EXPECT_GT(motorLost, 0);
  EXPECT_GT(initiativesWon, 0);
}

}  // namespace
}  // namespace velko::testing
