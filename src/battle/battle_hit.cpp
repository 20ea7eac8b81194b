// Whether an attack reaches and hits, and whether a guard stops it.

#include "battle/battle.h"
#include "core/dice.h"
#include "core/shown_text.h"
#include "model/shown_doll_name.h"

namespace velko {

int Battle::get2D6() {
  rnd_.reseedFromClock();
  return roll2D6(rnd_);
}

int Battle::Hit(int i, int action) {
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
    s_.battleLog += shown("・・・届かない！") + "\r\n";
    return 0;
  }
  return result;
}

int Battle::bougyo_rtn(int defender, int attackRoll, int offence, int defence, int blockCount) {
  const std::string name = shownDollName(s_.fighter(defender));
  for (int guard = 1; guard <= blockCount; ++guard) {
    if (get2D6() + defence > attackRoll + offence) {
      s_.battleLog += fill(shown("攻撃はしかし、%1の防御に阻まれます。"), {name}) + "\r\n";
      return 0;
    }
  }
  s_.battleLog += fill(shown("%1の防御をかいくぐってヒット！"), {name}) + "\r\n";
  return attackRoll;
}

}  // namespace velko
