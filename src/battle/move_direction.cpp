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

std::string moveHint(const BattleState& s, int i, int index, const Logic& logic) {
  int nth = 0;
  for (int slot = 0; slot <= index && slot < Logic::kSlots; ++slot) {
    if (logic.getActions(slot)->ID == kMove) ++nth;
  }
  const std::string next = index + 1 < Logic::kSlots ? logic.getActionsname(index + 1) : "";
  const std::string hint =
      fill(shown("%1つめの移動（次は %2）: "),
           {std::to_string(nth), next.empty() ? shown("なし") : shown(next.c_str())});
  // Held or down, a move gains neither distance nor momentum, whichever way is chosen.
  if (s.anyHold())
    return hint + shown("組み合っているので、どちらを選んでも間合いも勢いも変わりません。");
  if (s.tentou[i] != kOff) return hint + shown("転倒していて移動できません（勢いもつきません）。");
  if (getHitAway(s, index, logic) == kBackAway)
    return hint +
           shown("次に打たないので「離脱」で間合いを取るのがおすすめです（ヒット＆アウェイ）。");
  if (s.span > 0) return hint + shown("「接近」で間合いを詰めないと打撃や組みが届きません。");
  const int16_t momentum = momentumPower(s.fighter(i));
  if (momentum <= 0)
    return hint + shown(
                      "「接近」で間合いを保つのがおすすめです（このDollは勢いをつけても0パワー"
                      "です）。");
  return hint + fill(shown("「接近」で勢いをつけるのがおすすめです（次の打撃や組みが%1パワー上が"
                           "ります）。"),
                     {std::to_string(momentum)});
}

void setDMove(const BattleState& s, int i, std::string& stateLabel) {
  if (s.tentou[i] != kOff) stateLabel = shown("転倒中") + "\r\n";
  if (s.anyHold()) stateLabel = shown("組み合っている");
}

}  // namespace velko
