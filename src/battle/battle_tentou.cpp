// Falls: a spin takes a standing Doll down and raises a fallen one; a Doll that is down cannot
// strike (unless it spun in this step), move or jump.

#include "battle/battle.h"
#include "core/shown_text.h"
#include "model/shown_doll_name.h"

namespace velko {

void Battle::checkTentou(int i) {
  const int foe = 1 - i;
  s_.spun[i] = kOn;
  if (s_.tentou[i] != kOff) {
    s_.tentou[i] = kOff;
    s_.battleLog += fill(shown("%1、立ちあがりました。"), {shownDollName(s_.fighter(i))}) + "\r\n";
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
  s_.battleLog +=
      fill(shown("%1、組まれたまま転倒しました。"), {shownDollName(s_.fighter(foe))}) + "\r\n";
}

bool Battle::checkTentou2(int i, int action) {
  if (s_.tentou[i] == kOff) return false;
  if (action == kPunch || action == kKick) {
    if (s_.spun[i] != kOff) return false;
    s_.battleLog += shown("…転倒していては、有効な打撃が加えられません。") + "\r\n";
    return true;
  }
  if (action == kMove) {
    s_.battleLog += shown("…転倒していては、移動できません。") + "\r\n";
    return true;
  }
  if (action == kJump) {
    s_.battleLog += shown("…転倒していては、ジャンプできません。") + "\r\n";
    return true;
  }
  return false;
}

}  // namespace velko
