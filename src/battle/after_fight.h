#pragma once
// What a decided or abandoned fight hands to the career: one outcome, once per fight. The
// career settles it (the bracket, experience, money, repairs, the reset of hit points); the
// engine never asks what a fight costs.

#include <cstdint>

namespace velko {

// How a fight ended, from fighter 0's side.
enum class FightEnd { Won, Lost, GivenUp };

struct FightOutcome {
  FightEnd end = FightEnd::Won;
  int16_t mode = 0;      // the fight's Mode
  int16_t winnerID = 0;  // the bracket's entry for the winner: 0 for fighter 0, else fighter 1's ID
};

class AfterFight {
 public:
  virtual ~AfterFight() = default;
  // Called when the end phase decides the fight, or when the player gives up; after a loss or a
  // give-up the engine closes the screen once this returns.
  virtual void settle(const FightOutcome& outcome) = 0;
};

}  // namespace velko
