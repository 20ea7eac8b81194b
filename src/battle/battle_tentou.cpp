// Falls: a spin takes a standing Doll down and raises a fallen one; a Doll that is down cannot
// strike (unless it spun in this step), move or jump.

#include "battle/battle.h"

namespace velko {

void Battle::checkTentou(int i) {
  const int foe = 1 - i;
  s_.spun[i] = kOn;
  if (s_.tentou[i] != kOff) {
    s_.tentou[i] = kOff;
    narration_.line(QT_TRID_NOOP("%1、立ちあがりました。"), s_.fighter(i));
  } else {
    s_.tentou[i] = kOn;
  }
  if (!s_.anyHold()) return;
  // In a clinch the other Doll turns with it.
  if (s_.tentou[foe] != kOff) {
    s_.tentou[foe] = kOff;
    return;
  }
  s_.tentou[foe] = kOn;
  narration_.line(QT_TRID_NOOP("%1、組まれたまま転倒しました。"), s_.fighter(foe));
}

bool Battle::checkTentou2(int i, ActionId action) {
  if (s_.tentou[i] == kOff) return false;
  if (action == kPunch || action == kKick) {
    if (s_.spun[i] != kOff) return false;
    narration_.line(QT_TRID_NOOP("…転倒していては、有効な打撃が加えられません。"));
    return true;
  }
  if (action == kMove) {
    narration_.line(QT_TRID_NOOP("…転倒していては、移動できません。"));
    return true;
  }
  if (action == kJump) {
    narration_.line(QT_TRID_NOOP("…転倒していては、ジャンプできません。"));
    return true;
  }
  return false;
}

}  // namespace velko
