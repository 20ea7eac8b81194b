// One action of a fighter: its pattern's basic actions run in order, with the narration.
// Move, jump and spin build a power bonus (wazaPow) that the next strike or hold adds to its
// damage; every other action uses it up or drops it.

#include <algorithm>
#include <cmath>

#include "battle/battle.h"
#include "battle/move_direction.h"
#include "core/numbers.h"
#include "core/shown_text.h"
#include "model/shown_doll_name.h"

namespace velko {

namespace {

// Int of a mobility quotient, kept within 16 bits. A Doll without weight gets no bonus and
// covers no distance, instead of dividing by zero.
int16_t mobilityInt(int16_t value, double weight, double divisor) {
  if (!(weight > 0)) return 0;
  return saturate16(std::floor(value / weight / divisor));
}

void addPow(int16_t& wazaPow, int16_t bonus) {
  wazaPow = saturate16(wazaPow + bonus);
}

int16_t clampSpan(int span) {
  return static_cast<int16_t>(std::clamp(span, 0, 10));
}

}  // namespace

int16_t momentumPower(const doll& d) {
  return mobilityInt(d.move, d.weight, 2);
}

void Battle::waza_rtn(int i, const Logic& pattern) {
  s_.battleLog.clear();
  s_.ukemi[i] = kOff;
  s_.bougyo[i] = kOff;
  if (s_.kumiai[i] != kOff) narration_.line(QT_TRID_NOOP("組んでいる状態では、100％命中します。"));

  int16_t wazaPow = 0;
  for (int slot = 0; slot < Logic::kSlots; ++slot) {
    // The first empty slot ends the pattern.
    if (!runAction(i, slot, pattern, wazaPow)) break;
  }
  patternEnd(i, pattern);
}

bool Battle::runAction(int i, int slot, const Logic& pattern, int16_t& wazaPow) {
  switch (pattern.getActions(slot)->ID) {
    case kMove:
      move(i, slot, pattern, wazaPow);
      return true;
    case kJump:
      jump(i, wazaPow);
      return true;
    case kSpin:
      spin(i, wazaPow);
      return true;
    case kPunch:
      strike(i, kPunch, kWazaPunch, wazaPow);
      return true;
    case kKick:
      strike(i, kKick, kWazaKick, wazaPow);
      return true;
    case kKumi:
      kumi(i, wazaPow);
      return true;
    case kDrop:
      nage(i, wazaPow);
      return true;
    case kHold:
      ori(i, wazaPow);
      return true;
    case kBlock:
      block(i, wazaPow);
      return true;
    case kUke:
      uke(i, wazaPow);
      return true;
    case kHazusi:
      hazusi(i, wazaPow);
      return true;
    default:
      return false;
  }
}

void Battle::move(int i, int slot, const Logic& pattern, int16_t& wazaPow) {
  const doll& d = s_.fighter(i);
  const int16_t direction = controllers_[i]->chooseMove(s_, i, slot, pattern);
  if (direction == kCloseIn) {
    if (s_.anyHold()) {
      narration_.line(QT_TRID_NOOP("組み合ったまま移動します。"));
    } else if (checkTentou2(i, kMove)) {
      // Down: checkTentou2 has said why.
    } else if (s_.span == 0) {
      const int16_t b = momentumPower(d);
      addPow(wazaPow, b);
      narration_.line(QT_TRID_NOOP("移動しつつ勢いをつけて%1パワー"), b);
    } else {
      const int16_t distance = mobilityInt(d.move, d.weight, 1);
      narration_.line(QT_TRID_NOOP("%1ダッシュで間合いを詰めた！"), distance);
      s_.span = clampSpan(s_.span - distance);
      addPow(wazaPow, distance);
    }
  } else {
    if (s_.anyHold()) {
      narration_.line(QT_TRID_NOOP("距離を置こうとしたが、ガッチリつかまれている。"));
    } else if (checkTentou2(i, kMove)) {
      // Down: checkTentou2 has said why.
    } else {
      narration_.line(QT_TRID_NOOP("距離を置いた。"));
      s_.span = clampSpan(s_.span + mobilityInt(d.move, d.weight, 1));
    }
  }
  view_.dspFightImage(s_, i, kMove);
}

void Battle::jump(int i, int16_t& wazaPow) {
  if (checkTentou2(i, kJump)) return;
  const doll& d = s_.fighter(i);
  const int16_t b = mobilityInt(d.jump, d.weight, 1);
  narration_.say(QT_TRID_NOOP("ジャンプで＋%1パワー"), b);
  addPow(wazaPow, b);
}

// A spin is allowed while down: it is how a Doll gets up.
void Battle::spin(int i, int16_t& wazaPow) {
  const doll& d = s_.fighter(i);
  const int16_t b = mobilityInt(d.spin, d.weight, 1);
  narration_.say(QT_TRID_NOOP("回転で＋%1パワー"), b);
  addPow(wazaPow, b);
  checkTentou(i);
  view_.dspFightImage(s_, i, kSpin);
}

void Battle::strike(int i, ActionId action, DamageKind waza, int16_t& wazaPow) {
  if (narration_.on()) appendShown(s_.battleLog, actionName(action).c_str());
  const int hitRoll = Hit(i, action);
  const bool down = checkTentou2(i, action);
  if (hitRoll > 0 && !down) {
    narration_.say(QT_TRID_NOOP("・・・命中！"));
    const Blow blow = Damage(i, waza, wazaPow);
    tellBreakFall(blow);
    narration_.endLine();
    narration_.line(QT_TRID_NOOP("ダメージは%1"), blow.damage);
  } else {
    narration_.line(QT_TRID_NOOP("かわされた！"));
  }
  wazaPow = 0;
  view_.dspFightImage(s_, i, action);
}

void Battle::kumi(int i, int16_t& wazaPow) {
  const int hitRoll = Hit(i, kKumi);
  if (hitRoll > 0 && s_.span == 0) {
    narration_.say(QT_TRID_NOOP("組みついて"));
    s_.kumiai[i] = kOn;
  } else {
    narration_.line(QT_TRID_NOOP("組みつきに失敗。"));
  }
  wazaPow = 0;
  view_.dspFightImage(s_, i, kKumi);
}

void Battle::nage(int i, int16_t& wazaPow) {
  const int foe = 1 - i;
  if (s_.kumiai[i] != kOff) {
    const Blow blow = Damage(i, kWazaThrow, wazaPow);
    narration_.say(QT_TRID_NOOP("投げ！"));
    tellBreakFall(blow);
    narration_.endLine();
    narration_.say(QT_TRID_NOOP("ダメージはモーターに%1。"), blow.damage);
    narration_.line(QT_TRID_NOOP("フレームに%1！"), blow.frameDamage);
    s_.kumiai[i] = kOff;
    s_.tentou[foe] = kOn;
    // Thrown, the other Doll loses its own hold too.
    if (s_.kumiai[foe] != kOff) {
      s_.kumiai[foe] = kOff;
      narration_.line(QT_TRID_NOOP("組み合っていた相手の技が外れました。"));
    }
  } else {
    narration_.line(QT_TRID_NOOP("組んでいなければ投げられません。"));
  }
  wazaPow = 0;
}

// A joint lock keeps the hold.
void Battle::ori(int i, int16_t& wazaPow) {
  if (s_.kumiai[i] != kOff) {
    const Blow blow = Damage(i, kWazaHold, wazaPow);
    narration_.line(QT_TRID_NOOP("間接技を極めて行きます。ダメージはフレームに%1"), blow.damage);
  } else {
    narration_.line(QT_TRID_NOOP("組んでいなければ関節技も決められません。"));
  }
  wazaPow = 0;
}

void Battle::block(int i, int16_t& wazaPow) {
  s_.bougyo[i] = 1;
  narration_.line(QT_TRID_NOOP("防御の構えです。"));
  view_.dspFightImage(s_, i, kBlock);
  wazaPow = 0;
}

void Battle::uke(int i, int16_t& wazaPow) {
  s_.ukemi[i] = kOn;
  wazaPow = 0;
}

void Battle::hazusi(int i, int16_t& wazaPow) {
  const int foe = 1 - i;
  if (s_.kumiai[foe] != kOff) {
    // Power against power; the one held wins ties.
    const int mine = s_.fighter(i).pow + wazaPow + get2D6();
    const int theirs = s_.fighter(foe).pow + get2D6();
    if (mine >= theirs) {
      s_.kumiai = {};
      narration_.line(QT_TRID_NOOP("振りほどいた。"));
    } else {
      s_.kumiai[i] = kOff;
      narration_.line(QT_TRID_NOOP("力が強くて振りほどけない！"));
    }
  } else if (s_.kumiai[i] != kOff) {
    s_.kumiai[i] = kOff;
    narration_.line(QT_TRID_NOOP("自ら技を解いた。"));
  } else {
    narration_.line(QT_TRID_NOOP("振りほどく動き。"));
  }
  wazaPow = 0;
}

void Battle::tellBreakFall(const Blow& blow) {
  if (blow.reduction > 0)
    narration_.say(QT_TRID_NOOP("受身効果で%1ダメージが軽減されます。"), blow.reduction);
}

void Battle::patternEnd(int i, const Logic& pattern) {
  if (narration_.on()) patternCall(i, pattern);
  view_.dspMsg(s_.battleLog);
}

void Battle::patternCall(int i, const Logic& pattern) {
  if (pattern.AP == 0) {
    narration_.line(QT_TRID_NOOP("様子見です。"));
    return;
  }
  const std::string name = shownPatternName(s_.fighter(i), pattern.name);
  const char* call = pattern.AP >= 13 ? QT_TRID_NOOP("これが、これが！%1だッ！！")
                                      : QT_TRID_NOOP("でたぁっ！%1ッ！！！！！");
  appendFilled(s_.battleLog, shown(call), {name});
  narration_.endLine();
}

}  // namespace velko
