// How much damage lands, on which part, and the hit effect it asks the display for.

#include <algorithm>

#include "battle/battle.h"
#include "core/dice.h"
#include "core/numbers.h"
#include "core/shown_text.h"

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

int16_t Battle::Damage(int i, DamageKind waza, int16_t wazaPow) {
  const int foe = 1 - i;
  const int16_t pow = s_.fighter(i).pow;
  doll& target = *s_.fighters[foe];
  const double AC = target.AC;

  s_.damageNote.clear();
  int reduction = 0;
  const int part = die(rnd_) - 1;
  int base = 0;
  if (waza == kWazaPunch) base = get2D6();
  if (waza == kWazaKick || waza == kWazaThrow) base = roll2D8(rnd_);
  if (s_.ukemi[foe] != kOff) {
    reduction = die(rnd_);
    if (narration_.on())
      s_.damageNote = fill(shown("受身効果で%1ダメージが軽減されます。"), {Str(reduction)});
    s_.ukemi[foe] = kOff;
  }
  int16_t damage = blowDamage(base, pow, wazaPow, AC, reduction);

  if (waza == kWazaPunch || waza == kWazaKick) {
    if (part > 2) {
      loseHP(target.Motor->HP, damage);
    } else {
      loseHP(target.frame->HP, damage);
    }
  } else if (waza == kWazaThrow) {
    loseHP(target.Motor->HP, damage);
    narration_.say(QT_TRID_NOOP("投げ！"));
    narration_.append(s_.damageNote);
    narration_.endLine();
    narration_.say(QT_TRID_NOOP("ダメージはモーターに%1。"), damage);
    // The frame takes a second roll, reduced by the same break-fall.
    damage = blowDamage(roll2D8(rnd_), pow, wazaPow, AC, reduction);
    loseHP(target.frame->HP, damage);
    narration_.line(QT_TRID_NOOP("フレームに%1！"), damage);
  } else if (waza == kWazaHold) {
    // A joint lock ignores dice, armour, the break-fall and the 100 cap.
    damage = saturate16(pow + wazaPow);
    loseHP(target.frame->HP, damage);
    narration_.line(QT_TRID_NOOP("間接技を極めて行きます。ダメージはフレームに%1"), damage);
  }

  s_.effectCount = saturate16(s_.effectCount + 1);
  s_.effectSize = effectSizeOf(waza);
  if (s_.tentou[i] != kOff) s_.effectSize = 180;
  if (s_.tentou[foe] != kOff) s_.effectSize = 150;
  s_.effectTarget = static_cast<int16_t>(foe);
  view_.playSound("SE");
  return damage;
}

}  // namespace velko
