#pragma once
// A round robin of Dolls: every pair fights a series with the seats taking turns, the pairs
// shared out among worker threads. Each series fights its own copies on its own dice, seeded
// from the run's seed and the pair, so a seed gives the same results whatever the number of
// threads, and any fight can be fought again exactly.

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "lab/bout.h"
#include "model/doll.h"
#include "replay/fight_recording.h"

namespace velko {

// One pair's series in a run; a and b are league entrant numbers, a < b, a sitting in seat 0
// in the even-numbered fights.
struct PairRecord {
  int a = 0;
  int b = 0;
  BoutTally tally;
  // The fight of each side's worst loss, -1 for none: [0] a lost, [1] b lost.
  std::array<int, 2> worstLoss{-1, -1};

  bool operator==(const PairRecord&) const = default;
};

struct LeagueRun {
  uint64_t seed = 1;
  int fightsPerPair = 0;
  std::vector<int> entrants;      // league entrant numbers, ascending
  std::vector<PairRecord> pairs;  // every pair of the entrants, a then b ascending
  bool cancelled = false;

  bool operator==(const LeagueRun& o) const {
    return seed == o.seed && fightsPerPair == o.fightsPerPair && entrants == o.entrants &&
           pairs == o.pairs;
  }
};

struct RoundRobinOptions {
  int fightsPerPair = 100;
  uint64_t seed = 1;
  int threads = 0;  // 0: one per core
};

// Told the fights done so far as series finish; never called by two threads at once.
using LeagueProgress = std::function<void(long done, long total)>;

// The dice of a pair's series.
uint64_t pairSeed(uint64_t runSeed, int a, int b);

// `dolls[k]` is entrant `entrants[k]` (ascending). The Dolls are only read. Throws
// std::invalid_argument for fewer than two Dolls or one without motor or frame.
LeagueRun runRoundRobin(const std::vector<DollRef>& dolls, const std::vector<int>& entrants,
                        const RoundRobinOptions& options, const std::atomic<bool>* cancel = nullptr,
                        const LeagueProgress& progress = {});

// The pair's worst loss of `side` (0: a lost, 1: b lost) fought again and recorded; a and b
// are the pair's Dolls. Empty when that side lost no fight.
std::optional<RecordedSeriesFight> worstLossOf(const LeagueRun& run, const PairRecord& pair,
                                               int side, const doll& a, const doll& b);

}  // namespace velko
