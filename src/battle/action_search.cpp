#include "battle/action_search.h"

#include "core/shown_text.h"

namespace velko {

namespace {

constexpr int kCandidates = 7;

// The actions of a pattern run from slot 0 to its first empty slot.
int patternLength(const Logic& logic) {
  for (int slot = 0; slot < Logic::kSlots; ++slot) {
    if (logic.getActions(slot)->ID == kNoAction) return slot;
  }
  return Logic::kSlots;
}

bool contains(const Logic& logic, int16_t id) {
  const int length = patternLength(logic);
  for (int slot = 0; slot < length; ++slot) {
    if (logic.getActions(slot)->ID == id) return true;
  }
  return false;
}

const Logic& candidate(const BattleState& s, int me, int n) {
  const LogicRef& logic = s.fighter(me).getLogic(n);
  if (!logic) return emptyPattern();
  return *logic;
}

bool affordable(const BattleState& s, const Logic& logic) {
  return logic.AP <= s.playAP;
}

// The affordable candidate with the highest score above 0; the first of equals wins.
template <typename Score>
const Logic& best(const BattleState& s, int me, Score score) {
  const Logic* chosen = &emptyPattern();
  int bestScore = 0;
  for (int n = 0; n < kCandidates; ++n) {
    const Logic& logic = candidate(s, me, n);
    if (!affordable(s, logic)) continue;
    const int value = score(logic);
    if (value <= bestScore) continue;
    chosen = &logic;
    bestScore = value;
  }
  return *chosen;
}

int attackPoints(int16_t id) {
  if (id == kPunch) return 7;
  if (id == kKick || id == kDrop || id == kHold) return 9;
  return 0;
}

int attackScore(const Logic& logic) {
  int score = 0;
  const int length = patternLength(logic);
  for (int slot = 0; slot < length; ++slot)
    score += attackPoints(logic.getActions(slot)->ID);
  return score;
}

// A throw or joint lock counts only when the Doll already holds, or grapples first.
int spinScore(const Logic& logic, bool holding) {
  if (!contains(logic, kSpin)) return 0;
  int score = 0;
  bool grappled = holding;
  const int length = patternLength(logic);
  for (int slot = 0; slot < length; ++slot) {
    const int16_t id = logic.getActions(slot)->ID;
    if (id == kSpin || id == kMove || id == kBlock || id == kUke) score += 3;
    if (id == kPunch) score += 7;
    if (id == kKick || id == kKumi) score += 9;
    if ((id == kDrop || id == kHold) && grappled) score += 9;
    if (id == kKumi) grappled = true;
  }
  return score;
}

}  // namespace

const Logic& emptyPattern() {
  static const Logic empty;
  return empty;
}

bool isKumiwaza(const Logic& logic) {
  return contains(logic, kDrop) || contains(logic, kHold);
}

SearchRule searchRule(const BattleState& s, int me) {
  const int foe = 1 - me;
  if (s.kumiai[foe] != kOff) return SearchRule::Hazusi;
  if (s.tentou[me] != kOff) return SearchRule::Spin;
  if (s.kumiai[me] != kOff) return SearchRule::Attack;
  if (s.span != 0) return SearchRule::Move;
  if (s.fighter(me).move >= s.fighter(foe).move) return SearchRule::Plain;
  return SearchRule::Kumi;
}

const Logic& searchLogic(const BattleState& s, int me) {
  switch (searchRule(s, me)) {
    case SearchRule::Hazusi:
      return searchHazusi(s, me);
    case SearchRule::Spin:
      return searchSpin(s, me);
    case SearchRule::Attack:
      return searchAttack(s, me);
    case SearchRule::Move:
      return searchMove(s, me);
    case SearchRule::Plain:
      return searchPlain(s, me);
    case SearchRule::Kumi:
      break;
  }
  return searchKumi(s, me);
}

std::string searchRuleText(SearchRule rule) {
  switch (rule) {
    case SearchRule::Hazusi:
      return shown("組まれている: 外しを探す");
    case SearchRule::Spin:
      return shown("転倒している: 回転を探す");
    case SearchRule::Attack:
      return shown("組んでいる: 攻撃を探す");
    case SearchRule::Move:
      return shown("離れている: 移動を探す");
    case SearchRule::Plain:
      return shown("接触、機動力で上: 最大APの技");
    case SearchRule::Kumi:
      break;
  }
  return shown("接触、機動力で下: 組みを探す");
}

const Logic& searchPlain(const BattleState& s, int me) {
  return best(s, me, [](const Logic& logic) { return isKumiwaza(logic) ? 0 : logic.AP; });
}

const Logic& searchMove(const BattleState& s, int me) {
  return best(s, me,
              [](const Logic& logic) { return logic.getActions(0)->ID == kMove ? logic.AP : 0; });
}

const Logic& searchHazusi(const BattleState& s, int me) {
  return best(s, me, [](const Logic& logic) { return contains(logic, kHazusi) ? logic.AP : 0; });
}

const Logic& searchKumi(const BattleState& s, int me) {
  const Logic& fallback = searchPlain(s, me);
  // More than half of the fallback's AP, the half taken in single precision.
  const float half = static_cast<float>(fallback.AP) / 2.0f;
  const Logic& kumi = best(s, me, [half](const Logic& logic) {
    if (!contains(logic, kKumi) || !(logic.AP > half)) return 0;
    return static_cast<int>(logic.AP);
  });
  if (kumi.AP >= 1) return kumi;
  return fallback;
}

const Logic& searchAttack(const BattleState& s, int me) {
  return best(s, me, attackScore);
}

const Logic& searchSpin(const BattleState& s, int me) {
  const bool holding = s.kumiai[me] != kOff;
  return best(s, me, [holding](const Logic& logic) { return spinScore(logic, holding); });
}

}  // namespace velko
