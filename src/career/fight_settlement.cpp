#include "career/fight_settlement.h"

#include "battle/battle_state.h"

namespace velko {

namespace {

bool isTournament(int16_t mode) {
  return mode != kModeStreet && mode != kModeDuel;
}

void settleWin(const FightOutcome& outcome, FightSettlement& steps) {
  if (isTournament(outcome.mode)) {
    steps.setWin(outcome.winnerID);
    steps.levelUp(1);
  }
  steps.winFight();
}

void settleLoss(const FightOutcome& outcome, FightSettlement& steps) {
  if (!isTournament(outcome.mode)) {
    steps.loseFight();
    return;
  }
  steps.setWin(outcome.winnerID);
  steps.countLoss();
  steps.levelUp(0);
  steps.Shunyu();
  steps.Shuri();
}

void settleGiveUp(const FightOutcome& outcome, FightSettlement& steps) {
  if (!isTournament(outcome.mode)) {
    steps.initParam();
    return;
  }
  steps.Shunyu();
  steps.Shuri();
}

}  // namespace

void settleFight(const FightOutcome& outcome, FightSettlement& steps) {
  switch (outcome.end) {
    case FightEnd::Won:
      settleWin(outcome, steps);
      return;
    case FightEnd::Lost:
      settleLoss(outcome, steps);
      return;
    case FightEnd::GivenUp:
      settleGiveUp(outcome, steps);
      return;
  }
}

}  // namespace velko
