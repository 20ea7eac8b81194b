#pragma once
// What the coach's searches share: their dice seed, the signal that stops them, the progress
// they report, and the measure they rank by. Every fight is a lab fight on copies, the computer
// choosing the patterns for both sides, so nothing of the career and none of its dice change.

#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

#include "battle/auto_give_up.h"
#include "lab/practice_opponents.h"
#include "lab/practice_stats.h"
#include "model/doll.h"

namespace velko {

// The same question asked twice gets the same answer.
inline constexpr uint64_t kCoachSeed = 20260401;

// Told the steps done and the steps in all, now and then.
using CoachProgress = std::function<void(int done, int total)>;

struct CoachControl {
  uint64_t seed = kCoachSeed;
  // The player's automatic give-up: a fight in which it would have given up counts as lost.
  AutoGiveUp giveUp = AutoGiveUp::Off;
  const std::atomic<bool>* cancel = nullptr;
  CoachProgress progress;

  bool cancelled() const { return cancel && cancel->load(); }
};

// `fightsEach` lab fights against every opponent, dealt in turn; a draw is no win, and so is a
// fight in which a motor or frame fell below the `giveUp` line, since the game would have given
// it up there.
struct WinMeasure {
  int fights = 0;
  int wins = 0;
  bool cancelled = false;
  Proportion chance() const { return wilson95(wins, fights); }
};
WinMeasure measureWins(const doll& d, const std::vector<PracticeOpponent>& opponents,
                       int fightsEach, uint64_t seed, const std::atomic<bool>* cancel,
                       AutoGiveUp giveUp = AutoGiveUp::Off);

}  // namespace velko
