// How much damage lands, on which part, and the hit effect it asks the display for.

#include <algorithm>

#include "battle/battle.h"
#include "core/dice.h"
#include "core/numbers.h"

namespace velko {

namespace {

// A blow's damage: rounded into 16 bits without overflowing, then kept within 0..100.
int16_t blowDamage(int base, int16_t pow, int16_t wazaPow, double AC, int reduction) {
  const int16_t damage = saturate16(base + pow + wazaPow - AC - reduction);
  return std::clamp<int16_t>(damage, 0, 100);
}

// Hit points may go below 0 here; the end phase clamps them.
void loseHP(int16_t& HP, int16_t damage) {
  HP = saturate16(HP - damage);
}

int16_t effectSizeOf(DamageKind waza) {
  if (waza == kWazaPunch) return 10;
  if (waza == kWazaThrow) return 180;
  return 30;
}

}  // namespace

Blow Battle::Damage(int i, DamageKind waza, int16_t wazaPow) {
  const int foe = 1 - i;
  const int16_t pow = s_.fighter(i).pow;
  doll& target = *s_.fighters[foe];
  const double AC = target.AC;

  Blow blow;
  blow.part = die(rnd_) - 1;
  if (waza == kWazaPunch) blow.roll = get2D6();
  if (waza == kWazaKick || waza == kWazaThrow) blow.roll = roll2D8(rnd_);
  if (s_.ukemi[foe] != kOff) {
    blow.reduction = static_cast<int16_t>(die(rnd_));
    s_.ukemi[foe] = kOff;
  }
  blow.damage = blowDamage(blow.roll, pow, wazaPow, AC, blow.reduction);

  if (waza == kWazaPunch || waza == kWazaKick) {
    loseHP(blow.hitsMotor() ? target.Motor->HP : target.frame->HP, blow.damage);
  } else if (waza == kWazaThrow) {
    loseHP(target.Motor->HP, blow.damage);
    // The frame takes a second roll, reduced by the same break-fall.
    blow.frameDamage = blowDamage(roll2D8(rnd_), pow, wazaPow, AC, blow.reduction);
    loseHP(target.frame->HP, blow.frameDamage);
  } else if (waza == kWazaHold) {
    // A joint lock ignores dice, armour, the break-fall and the 100 cap.
    blow.damage = saturate16(pow + wazaPow);
    loseHP(target.frame->HP, blow.damage);
  }

  s_.effectCount = saturate16(s_.effectCount + 1);
  s_.effectSize = effectSizeOf(waza);
  if (s_.tentou[i] != kOff) s_.effectSize = 180;
  if (s_.tentou[foe] != kOff) s_.effectSize = 150;
  s_.effectTarget = static_cast<int16_t>(foe);
  view_.playSound("SE");
  return blow;
}

}  // namespace velko
