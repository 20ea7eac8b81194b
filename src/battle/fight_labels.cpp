#include "battle/fight_labels.h"

#include "battle/battle_state.h"
#include "core/numbers.h"
#include "core/shown_text.h"
#include "model/shown_doll_name.h"

namespace velko {

namespace {

// One label holds one state; being down is the one that matters more.
std::string joutai(const BattleState& s, int k) {
  if (s.tentou[k] != kOff) return shown("転倒している");
  if (s.kumiai[1 - k] != kOff) return shown("組まれている");
  return "";
}

}  // namespace

FightLabels fightLabels(const BattleState& s) {
  FightLabels labels;
  for (int k = 0; k < 2; ++k) {
    const doll& d = s.fighter(k);
    labels.name[k] = shownDollName(d);
    labels.motor[k] = "Motor:" + Str(d.Motor->HP);
    labels.frame[k] = "Frame:" + Str(d.frame->HP);
    labels.joutai[k] = joutai(s, k);
  }
  labels.span = fill(shown("距離　%1"), {Str(s.span)});
  return labels;
}

std::string initiativeNote(const std::string& dollName) {
  return fill(shown("イニシアチヴチェック　%1の先手です"), {dollName});
}

}  // namespace velko
