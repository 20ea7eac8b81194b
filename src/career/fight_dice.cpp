#include "career/fight_dice.h"

namespace velko {

namespace {

thread_local Random* gFightDice = nullptr;

}  // namespace

FightDiceOverride::FightDiceOverride(Random& dice) : previous_(gFightDice) {
  gFightDice = &dice;
}

FightDiceOverride::~FightDiceOverride() {
  gFightDice = previous_;
}

Random* FightDiceOverride::current() {
  return gFightDice;
}

}  // namespace velko
