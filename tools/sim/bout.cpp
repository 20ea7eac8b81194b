#include "sim/bout.h"

#include "battle/computer_controller.h"
#include "battle/headless_fight.h"
#include "model/fight_clone.h"

namespace velko::sim {

BoutTally& BoutTally::operator+=(const BoutTally& other) {
  fights += other.fights;
  winsA += other.winsA;
  winsB += other.winsB;
  draws += other.draws;
  steps += other.steps;
  return *this;
}

BoutTally BoutTally::swapped() const {
  BoutTally other = *this;
  other.winsA = winsB;
  other.winsB = winsA;
  return other;
}

double BoutTally::scoreA() const {
  if (fights == 0) return 0;
  return (winsA + 0.5 * draws) / fights;
}

double BoutTally::meanSteps() const {
  if (fights == 0) return 0;
  return static_cast<double>(steps) / fights;
}

BoutTally playBout(const DollRef& a, const DollRef& b, int fights, Random& rnd, int stepCap) {
  ComputerController computer;
  const HeadlessOptions options{.stepCap = stepCap, .keepNarration = false};
  BoutTally tally;
  for (int k = 0; k < fights; ++k) {
    // Fresh copies at full hit points: the Dolls given stay as they are.
    const DollRef first = cloneForFight(*a);
    const DollRef second = cloneForFight(*b);
    restoreHitPoints(*first);
    restoreHitPoints(*second);
    const bool aFirst = k % 2 == 0;
    const HeadlessResult result = aFirst ? playHeadless(first, second, computer, rnd, options)
                                         : playHeadless(second, first, computer, rnd, options);
    ++tally.fights;
    tally.steps += result.steps;
    if (result.winner < 0) {
      ++tally.draws;
    } else if ((result.winner == 0) == aFirst) {
      ++tally.winsA;
    } else {
      ++tally.winsB;
    }
  }
  return tally;
}

}  // namespace velko::sim
