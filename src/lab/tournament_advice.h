#pragma once
// Advice before a tournament: the player's chances against each Doll the class may draw, from
// a short practice run on copies, in words a player reads at a glance. It has its own random
// source and never touches the tournament's draw, dice or Dolls.

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "lab/practice_lab.h"

namespace velko {

// Enough for a rough figure, quick enough to be ready before the player has read the question.
inline constexpr int kAdviceFightsEach = 100;
// The same Doll against the same opponents gives the same advice every time it is shown.
inline constexpr uint64_t kAdviceSeed = 20130101;

struct Chance {
  int16_t id = 0;
  std::string name;
  int fights = 0;
  int wins = 0;
  double rate() const { return fights > 0 ? static_cast<double>(wins) / fights : 0; }
};

struct TournamentAdvice {
  std::vector<Chance> chances;  // the hardest opponent first
  bool cancelled = false;
  // The mean chance over the opponents: a bout against one drawn at random.
  double meanRate() const;
};

// `fightsEach` lab fights against every opponent (dealt in turn, as the lab deals them), without
// recording. Throws std::invalid_argument as runPractice does.
TournamentAdvice adviseTournament(const doll& player,
                                  const std::vector<PracticeOpponent>& opponents,
                                  uint64_t seed = kAdviceSeed, int fightsEach = kAdviceFightsEach,
                                  const std::atomic<bool>* cancel = nullptr);

// A rate in percent to the nearest 5, as a player reads it.
int roughPercentValue(double rate);
// The same in words: "およそ55%".
std::string roughPercent(double rate);

// Two lines: the chance in a bout against the class and the hardest opponent by name, e.g.
// "勝率はおよそ60%（相手9体の平均）" and "いちばん手強いのは鋼鉄丸（およそ25%）".
std::string adviceText(const TournamentAdvice& advice);

}  // namespace velko
