#pragma once
// What a finished fight brings the career, in the rules' order: the one place that says what a
// tournament win, a loss or a give-up costs and pays. The steps themselves are the fight
// session's (the bracket, the notices) and the after-fight rules' (experience, income, repair).

#include <cstdint>

#include "battle/after_fight.h"

namespace velko {

class FightSettlement {
 public:
  virtual ~FightSettlement() = default;
  // Tournament: the bracket records the winner (0 for the player, else the opponent's ID).
  virtual void setWin(int16_t winnerID) = 0;
  // Tournament: experience, level, skill, and the prize when outcome is 1.
  virtual void levelUp(int16_t outcome) = 0;
  // Every mode, after fighter 0 wins: the result, and the screen closes or the bracket runs on.
  virtual void winFight() = 0;
  // Tournament loss: the player's loss count rises by one.
  virtual void countLoss() = 0;
  // Street fight and duel, after fighter 1 wins: the result notice and full hit points back.
  virtual void loseFight() = 0;
  // Tournament: extra income, then repair.
  virtual void Shunyu() = 0;
  virtual void Shuri() = 0;
  // Street fight and duel: full hit points back for both Dolls.
  virtual void initParam() = 0;
};

// A won tournament fight records the win and levels up before the result; a lost one records
// the opponent, counts the loss, pays experience, then income and repair; giving up in a
// tournament brings income and repair but no loss. Street fights and duels only show the result
// and restore hit points.
void settleFight(const FightOutcome& outcome, FightSettlement& steps);

}  // namespace velko
