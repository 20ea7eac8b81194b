#include "program/pattern_choice.h"

#include "core/shown_text.h"

namespace velko {

namespace {

const Logic& emptyLogic() {
  static const Logic empty;
  return empty;
}

}  // namespace

bool isGreyRow(int16_t patternAP, int16_t playAP) {
  return patternAP > playAP && patternAP != 0;
}

bool canChoose(int16_t patternAP, int16_t playAP) {
  return !(playAP < patternAP);
}

std::string patternText(const Logic& logic) {
  std::string text;
  for (int slot = 0; slot < Logic::kSlots; ++slot) {
    const std::string& name = logic.getActionsname(slot);
    if (name.empty()) continue;
    if (!text.empty()) text += shown("＋");  // the joining sign of the language played
    text += shown(name.c_str());
  }
  return text;
}

std::string confirmText(const Logic& logic) {
  if (logic.name.empty()) return shown("この技でいいですか？");
  return fill(shown("%1でいいですか？"), {logic.name});
}

void PatternChoice::setLogics(LogicRef logic, int slot) {
  if (slot < 0 || slot >= kSlots) return;
  logics_[slot] = std::move(logic);
}

const Logic& PatternChoice::logic(int slot) const {
  if (slot < 0 || slot >= kSlots || !logics_[slot]) return emptyLogic();
  return *logics_[slot];
}

bool PatternChoice::isGrey(int row) const {
  return isGreyRow(logic(row).AP, playAP_);
}

bool PatternChoice::dspPattern_Click(int row, const std::string& dollName, Prompter& prompter) {
  if (row < 0 || row >= kRows) return false;
  const Logic& chosen = logic(row);
  if (!canChoose(chosen.AP, playAP_)) return false;
  if (prompter.askOKCaption(confirmText(chosen), dollName) != kAnswerOK) return false;
  value_ = static_cast<int16_t>(row + 1);
  return true;
}

bool PatternChoice::cmdCancel_Click(Prompter& prompter) {
  if (prompter.askYesNoSafe(shown(kCancelOrderText), kCancelOrderCaption) != kAnswerYes)
    return false;
  value_ = 0;
  return true;
}

}  // namespace velko
