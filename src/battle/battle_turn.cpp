// The turn sequence: set-up, initiative, action points, the step, the end phase, giving up.

#include <stdexcept>

#include "battle/battle.h"
#include "battle/fight_labels.h"
#include "core/dice.h"
#include "core/numbers.h"
#include "core/shown_text.h"

namespace velko {

namespace {

bool isBroken(const doll& d) {
  return d.Motor->HP <= 0 || d.frame->HP <= 0;
}

void requireDoll(const DollRef& d) {
  if (!d || !d->Motor || !d->frame)
    throw std::invalid_argument("a fighter needs a motor and a frame");
}

}  // namespace

Battle::Battle(Random& rnd, FightView& view, AfterFight& afterFight)
    : rnd_(rnd),
      view_(view),
      afterFight_(afterFight),
      narration_(s_.battleLog, view.showsText()),
      labels_(view.showsLabels()) {}

void Battle::setController(int i, FightController& controller) {
  controllers_.at(i) = &controller;
}

void Battle::initFight(DollRef fighter0, DollRef fighter1) {
  requireDoll(fighter0);
  requireDoll(fighter1);
  s_.fighters = {std::move(fighter0), std::move(fighter1)};
  s_.bougyo = {};
  s_.ukemi = {};
  s_.kumiai = {};
  s_.tentou = {};
  s_.spun = {};
  s_.span = 0;
  s_.winner = kNoWinner;
  over_ = false;
  s_.battleLog.clear();
  view_.dspMsg(s_.battleLog);
  view_.dspDolls(s_);
  view_.dspFightImage(s_, 0, kNoAction);
  initTurn();
  endFace();
}

void Battle::cmdNext_Click() {
  if (s_.isDuel()) {
    nextDuel();
    return;
  }
  nextFight();
}

void Battle::nextFight() {
  // The screen is closed once the fight is decided; a late press does nothing.
  if (over_) return;
  if (s_.turnStep == kTurnStart) {
    s_.sente = getInitiative();
    if (s_.sente == 0) {
      getAP(0);
      s_.turnStep = kFighter0Acts;
    } else if (s_.sente == 1) {
      getAP(1);
      s_.turnStep = kFighter1Acts;
    }
  } else if (s_.turnStep == kFighter0Acts) {
    act(0);
    if (s_.sente == 0) {
      getAP(1);
      s_.turnStep = kFighter1Acts;
    } else {
      s_.turnStep = kTurnStart;
      endTurn();
      initTurn();
    }
  } else if (s_.turnStep == kFighter1Acts) {
    act(1);
    if (s_.sente == 1) {
      getAP(0);
      s_.turnStep = kFighter0Acts;
    } else {
      s_.turnStep = kTurnStart;
      endTurn();
      initTurn();
    }
  }
  endFace();
}

// In a duel the users answer for both fighters through their controllers; the step is the same.
void Battle::nextDuel() {
  nextFight();
}

// A cancelled order is a pass: the pattern does not run at all.
void Battle::act(int i) {
  const Logic* pattern = controllers_[i]->choosePattern(s_, i);
  if (pattern == nullptr) return;
  waza_rtn(i, *pattern);
}

int16_t Battle::getInitiative() {
  const int a = die(rnd_);
  const int b = die(rnd_);
  if (a != b) {
    const int first = a > b ? 0 : 1;
    if (labels_) {
      const char* const side[2] = {QT_TRID_NOOP("先手"), QT_TRID_NOOP("後手")};
      view_.dspInitiative(0, first == 0, shown(side[first]));
      view_.dspInitiative(1, first == 1, shown(side[1 - first]));
    }
    return static_cast<int16_t>(first);
  }
  s_.battleLog.clear();
  narration_.line(QT_TRID_NOOP("（両者のイニシアチヴチェックは互角です）"));
  narration_.say(QT_TRID_NOOP("極限の精神状態が生み出す緊迫した攻防！"));
  view_.dspMsg(s_.battleLog);
  return kSenteTie;
}

void Battle::getAP(int i) {
  rnd_.reseedFromClock();
  // A computer rating near the 16-bit limit stays at the limit.
  s_.playAP = saturate16(roll2D6(rnd_) + s_.fighter(i).AP);
  if (!labels_) return;
  view_.dspAP(i, fill(shown("行動ポイント%1"), {Str(s_.playAP)}));
  view_.dspAP(1 - i, "");
}

// Turn hooks: nothing happens at the start or end of a turn yet.
void Battle::initTurn() {}
void Battle::endTurn() {}

void Battle::endFace() {
  for (const DollRef& d : s_.fighters) {
    d->Motor->HP = clampMax(d->Motor->HP, d->Motor->maxHP);
    d->frame->HP = clampMax(d->frame->HP, d->frame->maxHP);
  }
  if (labels_) view_.dspLabels(s_, fightLabels(s_));
  view_.dspDollImage(s_);
  s_.effectCount = 0;
  // One decision per end phase: a fight is won or lost, never both.
  if (!over_ && isBroken(s_.fighter(1))) {
    decideWin();
  } else if (!over_ && isBroken(s_.fighter(0))) {
    decideLoss();
  }
  s_.spun = {};
}

void Battle::decideWin() {
  s_.winner = 0;
  over_ = true;
  afterFight_.settle({FightEnd::Won, s_.Mode, 0});
}

void Battle::decideLoss() {
  s_.winner = 1;
  over_ = true;
  afterFight_.settle({FightEnd::Lost, s_.Mode, s_.fighter(1).ID});
  view_.closeFight();
}

void Battle::giveUp() {
  if (over_) return;
  afterFight_.settle({FightEnd::GivenUp, s_.Mode, 0});
  over_ = true;
  view_.closeFight();
}

}  // namespace velko
