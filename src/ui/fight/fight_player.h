#pragma once
// The player at the battle screen: the pattern of each action comes from the pattern dialog,
// the direction of each move from the move dialog. In a duel the same player answers for both
// fighters.

#include "battle/fight_controller.h"
#include "career/career_state.h"

class QWidget;

namespace velko::ui {

class FightPlayer : public FightController {
 public:
  // The dialogs open over battleWindow; the pattern dialog's guide flag lives in state.
  FightPlayer(QWidget& battleWindow, CareerState& state, Prompter& prompter);

  const Logic* choosePattern(const BattleState& s, int i) override;
  int16_t chooseMove(const BattleState& s, int i, int slot, const Logic& pattern) override;

 private:
  QWidget& battleWindow_;
  CareerState& state_;
  Prompter& prompter_;
};

}  // namespace velko::ui
