#pragma once
// A recorded fight taken apart step by step for the fight inspector: after each press of the
// next command, what the battle screen showed (labels, points, initiative, narration, the
// pictures' situation), the numbers drawn and what they decided, and the choice that was made.

#include <array>
#include <string>
#include <vector>

#include "battle/battle_state.h"
#include "battle/fight_labels.h"
#include "replay/fight_recording.h"

namespace velko {

struct InspectedStep {
  int index = 0;  // 0: the set-up, before the first press
  // The battle state after the step (flags, distance, turn, points). Its fighters are the
  // recording's starting Dolls: read hit points from `labels` and `hp`.
  BattleState after;
  FightLabels labels;
  std::array<std::array<int16_t, 2>, 2> hp{};  // [fighter][0 motor, 1 frame]
  std::array<std::string, 2> apText;
  std::array<std::string, 2> initiativeText;
  std::string narration;
  // The last technique picture of the step: fighter and action, and the state it was drawn in.
  int techniqueFighter = -1;
  int techniqueAction = kNoAction;
  BattleState atTechnique;
  int actor = -1;                 // the fighter who acted in this step; -1 for an initiative check
  std::string choice;             // the pattern chosen, "（パス）" or "様子見"
  std::string rule;               // for the computer: which rule of its choice fired
  std::vector<std::string> dice;  // each roll and what it decided
  std::vector<std::string> changes;  // what the step changed: hit points, distance, holds, falls
};

struct FightInspection {
  std::vector<InspectedStep> steps;  // steps[0] is the set-up
  std::string error;                 // why the replay stopped early, if it did
};

FightInspection inspectFight(const FightRecording& recording);

}  // namespace velko
