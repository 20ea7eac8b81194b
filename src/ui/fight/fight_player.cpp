#include "ui/fight/fight_player.h"

#include <QLabel>

#include "battle/move_direction.h"
#include "program/pattern_advice.h"
#include "program/pattern_choice.h"
#include "ui/fight/dialog_action.h"
#include "ui/fight/dialog_move.h"
#include "ui/fight/fight_text.h"

namespace velko::ui {

FightPlayer::FightPlayer(QWidget& battleWindow, CareerState& state, Prompter& prompter)
    : battleWindow_(battleWindow), state_(state), prompter_(prompter) {}

const Logic* FightPlayer::choosePattern(const BattleState& s, int i) {
  const doll& d = s.fighter(i);
  DialogAction dialog(s.playAP, state_.guideOn && state_.guideDialog, prompter_, &battleWindow_);
  for (int slot = 0; slot < PatternChoice::kRows; ++slot)
    dialog.setLogics(d.getLogic(slot), slot);
  dialog.setDialog(d.name);
  // The Doll's own program's choice, read from the fight without a die.
  if (state_.adviceOn) {
    const PatternAdvice advice = advisePattern(s, i);
    dialog.setAdvice(advice.row, advice.why);
  }
  dialog.exec();
  if (dialog.guideDismissed()) state_.guideDialog = false;
  return chosenPattern(d, dialog.value());
}

int16_t FightPlayer::chooseMove(const BattleState& s, int i, int slot, const Logic& pattern) {
  dialogMove dialog(s.span, &battleWindow_);
  dialog.setHint(qtText(moveHint(s, i, slot, pattern)));
  // A fresh dialog each time: a state line never outlives the hold or fall it told of.
  std::string stateLine;
  setDMove(s, i, stateLine);
  dialog.dsp(1)->setText(qtText(stateLine));
  dialog.setDialog();
  dialog.exec();
  return dialog.value();
}

}  // namespace velko::ui
