#include "coach/coach_run.h"

#include "lab/practice_lab.h"

namespace velko {

WinMeasure measureWins(const doll& d, const std::vector<PracticeOpponent>& opponents,
                       int fightsEach, uint64_t seed, const std::atomic<bool>* cancel) {
  const PracticeOptions options{
      .fights = fightsEach * static_cast<int>(opponents.size()), .seed = seed, .record = false};
  const PracticeResult result = runPractice(d, opponents, options, cancel);
  return {result.fights, result.wins, result.cancelled};
}

}  // namespace velko
