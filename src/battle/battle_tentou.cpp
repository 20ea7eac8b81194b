// Falls: a spin takes a standing Doll down and raises a fallen one; a Doll that is down cannot
// strike (unless it spun in this step), move or jump.

#include "battle/battle.h"

namespace velko {

void Battle::checkTentou(int i) {
  const int foe = 1 - i;
  s_.spun[i] = kOn;
  if (s_.tentou[i] != kOff) {
    s_.tentou[i] = kOff;
    s_.battleLog += s_.fighter(i).name + "、立ちあがりました。\r\n";
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
  s_.battleLog += s_.fighter(foe).name + "、組まれたまま転倒しました。\r\n";
}

bool Battle::checkTentou2(int i, int action) {
  if (s_.tentou[i] == kOff) return false;
  if (action == kPunch || action == kKick) {
    if (s_.spun[i] != kOff) return false;
    s_.battleLog += "…転倒していては、有効な打撃が加えられません。\r\n";
    return true;
  }
  if (action == kMove) {
    s_.battleLog += "…転倒していては、移動できません。\r\n";
    return true;
  }
  if (action == kJump) {
    s_.battleLog += "…転倒していては、ジャンプできません。\r\n";
    return true;
  }
  return false;
}

}  // namespace velko
