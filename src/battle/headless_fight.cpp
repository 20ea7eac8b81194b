#include "battle/headless_fight.h"

namespace velko {

HeadlessFight::HeadlessFight(DollRef fighter0, DollRef fighter1, FightController& policy0,
                             Random& rnd, bool keepNarration)
    : view_(keepNarration), battle_(rnd, view_, afterFight_) {
  battle_.setController(0, policy0);
  battle_.state().Mode = kModeStreet;
  battle_.initFight(std::move(fighter0), std::move(fighter1));
}

bool HeadlessFight::step() {
  if (battle_.isOver()) return false;
  battle_.nextFight();
  ++steps_;
  return !battle_.isOver();
}

HeadlessResult playHeadless(DollRef fighter0, DollRef fighter1, FightController& policy0,
                            Random& rnd, HeadlessOptions options) {
  HeadlessFight fight(std::move(fighter0), std::move(fighter1), policy0, rnd,
                      options.keepNarration);
  while (!fight.isOver() && fight.steps() < options.stepCap)
    fight.step();
  HeadlessResult result;
  result.winner = fight.winner();
  result.steps = fight.steps();
  result.narration = fight.takeNarration();
  return result;
}

}  // namespace velko
