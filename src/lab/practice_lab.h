#pragma once
// The practice lab: many fights of the player's Doll as it is now against chosen opponents,
// outside the career. Each fight is fought by fresh copies at full hit points, the computer
// choosing for both sides; nothing of the career changes. The run takes its own copies of
// everything it is given, so it may run on another thread while the screens go on.

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "lab/practice_opponents.h"
#include "lab/practice_stats.h"
#include "replay/fight_recording.h"

namespace velko {

struct PracticeOptions {
  int fights = 1000;
  uint64_t seed = 1;
  int stepCap = 1000;  // a fight that reaches it is a draw
  bool record = true;  // keep the worst lost fight's recording
};

// One of the player's patterns (slot 0-5), or the computer's empty pattern (index 6).
struct PatternTally {
  int chosen = 0;
  long dealt = 0;  // damage the opponent took while it ran
  long taken = 0;  // damage the player's Doll took before its next pattern
};

struct OpponentTally {
  int16_t id = 0;
  std::string name;
  int fights = 0;
  int wins = 0;
  int losses = 0;
};

struct PracticeResult {
  uint64_t seed = 0;  // the dice's seed: the same seed, Dolls and opponents give the same result
  int fights = 0;     // fought; fewer than asked when cancelled
  int wins = 0;
  int losses = 0;
  int draws = 0;
  Proportion winRate;
  Spread steps;  // presses of the next command per fight
  std::array<PatternTally, 7> patterns{};
  std::vector<OpponentTally> opponents;  // most losses first
  std::optional<FightRecording> worstLoss;
  bool cancelled = false;
};

// Told the fights done so far every few fights; the run stops when `cancel` becomes true.
using PracticeProgress = std::function<void(int done, int total)>;

// Fights are dealt round the opponents in turn. Throws std::invalid_argument for a Doll that
// cannot fight (no motor or frame) or no opponents.
PracticeResult runPractice(const doll& player, const std::vector<PracticeOpponent>& opponents,
                           const PracticeOptions& options,
                           const std::atomic<bool>* cancel = nullptr,
                           const PracticeProgress& progress = {});

}  // namespace velko
