// Whether an attack reaches and hits, and whether a guard stops it.

#include "battle/battle.h"
#include "core/dice.h"

namespace velko {

int Battle::get2D6() {
  rnd_.reseedFromClock();
  return roll2D6(rnd_);
}

int Battle::Hit(int i, ActionId action) {
  const int foe = 1 - i;
  const int attackRoll = get2D6();
  const int defenceRoll = get2D6();
  const doll& attacker = s_.fighter(i);
  const doll& defender = s_.fighter(foe);
  int result = 0;
  if (s_.kumiai[i] != kOff) {
    // A held Doll is always hit, and no guard helps.
    result = attackRoll;
  } else if (attacker.offence + attackRoll >= defender.defence + defenceRoll) {
    // The attacker wins ties. A grapple is never blocked.
    if (action != kKumi && s_.bougyo[foe] >= 1) {
      result = bougyo_rtn(foe, attackRoll, attacker.offence, defender.defence, s_.bougyo[foe]);
    } else {
      result = attackRoll;
    }
  }
  // Out of reach nothing lands, whatever the dice said.
  if (s_.span >= 1) {
    narration_.line(QT_TRID_NOOP("・・・届かない！"));
    return 0;
  }
  return result;
}

int Battle::bougyo_rtn(int defender, int attackRoll, int offence, int defence, int blockCount) {
  const doll& guard = s_.fighter(defender);
  for (int k = 1; k <= blockCount; ++k) {
    if (get2D6() + defence > attackRoll + offence) {
      narration_.line(QT_TRID_NOOP("攻撃はしかし、%1の防御に阻まれます。"), guard);
      return 0;
    }
  }
  narration_.line(QT_TRID_NOOP("%1の防御をかいくぐってヒット！"), guard);
  return attackRoll;
}

}  // namespace velko
