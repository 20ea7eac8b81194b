#include "program/pattern_advice.h"

#include "battle/action_search.h"
#include "core/shown_text.h"
#include "program/pattern_choice.h"

namespace velko {

namespace {

// The row holding the very pattern the rule chose: two rows may hold equal patterns.
int rowOf(const doll& d, const Logic& chosen) {
  for (int row = 0; row < PatternChoice::kRows; ++row) {
    if (d.getLogic(row).get() == &chosen) return row;
  }
  return -1;
}

}  // namespace

PatternAdvice advisePattern(const BattleState& s, int me) {
  PatternAdvice advice;
  advice.row = rowOf(s.fighter(me), searchLogic(s, me));
  const std::string rule = searchRuleText(searchRule(s, me));
  const std::string ap = std::to_string(s.playAP);
  const std::string span = std::to_string(s.span);
  if (advice.row >= 0) {
    advice.why = fill(shown("行動ポイント%1、距離%2　→　%3"), {ap, span, rule});
  } else {
    advice.why =
        fill(shown("行動ポイント%1、距離%2　→　%3（合う技がないので待つ）"), {ap, span, rule});
  }
  return advice;
}

}  // namespace velko
