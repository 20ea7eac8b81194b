#pragma once
// What a decided or abandoned fight hands to the career: the bracket, experience, money and
// repairs, and the reset of hit points. The engine calls these in the order the end phase and
// the give-up fix; the career code decides what each one does.

#include <cstdint>

namespace velko {

class AfterFight {
 public:
  virtual ~AfterFight() = default;
  // Tournament: the bracket records the winner (0 for the player, else the opponent's ID).
  virtual void setWin(int16_t winnerID) = 0;
  // Tournament: experience, level, skill, and the prize when outcome is 1.
  virtual void levelUp(int16_t outcome) = 0;
  // Every mode, after fighter 0 wins; it shows the result and closes the screen itself.
  virtual void winFight() = 0;
  // Tournament loss: the player's loss count rises by one.
  virtual void countLoss() = 0;
  // Street fight and duel, after fighter 1 wins: the result notice and full hit points back.
  // The screen closes after it.
  virtual void loseFight() = 0;
  // Tournament: extra income, then repair.
  virtual void Shunyu() = 0;
  virtual void Shuri() = 0;
  // Street fight and duel: full hit points back for both Dolls.
  virtual void initParam() = 0;
};

}  // namespace velko
