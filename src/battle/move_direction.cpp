#include "battle/move_direction.h"

#include "battle/fight_controller.h"
#include "core/shown_text.h"

namespace velko {

namespace {

// Actions worth staying in contact for.
bool wantsContact(int action) {
  return action == kPunch || action == kSpin || action == kKick || action == kKumi ||
         action == kJump;
}

}  // namespace

int16_t getHitAway(const BattleState& s, int index, const Logic& logic) {
  if (index <= 1) return kCloseIn;
  // The last slot has no action after it to read.
  if (index >= Logic::kSlots - 1) return kBackAway;
  if (s.span == 0 && !wantsContact(logic.getActions(index + 1)->ID)) return kBackAway;
  return kCloseIn;
}

void setDMove(const BattleState& s, int i, std::string& stateLabel) {
  if (s.tentou[i] != kOff) stateLabel = shown("転倒中") + "\r\n";
  if (s.anyHold()) stateLabel = shown("組み合っている");
}

}  // namespace velko
