#include "league/round_robin.h"

#include "core/shown_text.h"

#include <algorithm>
#include <mutex>
#include <stdexcept>
#include <thread>

#include "core/seeded_random.h"

namespace velko {

namespace {

// splitmix64's finaliser: neighbouring pairs get unrelated seeds.
uint64_t mix(uint64_t x) {
  x += 0x9e3779b97f4a7c15ULL;
  x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
  x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
  return x ^ (x >> 31);
}

int threadCount(int asked, size_t pairs) {
  int n = asked > 0 ? asked : static_cast<int>(std::thread::hardware_concurrency());
  n = std::max(n, 1);
  return static_cast<int>(std::min<size_t>(static_cast<size_t>(n), pairs));
}

}  // namespace

uint64_t pairSeed(uint64_t runSeed, int a, int b) {
  return mix(mix(runSeed) ^ (static_cast<uint64_t>(a) << 32 | static_cast<uint32_t>(b)));
}

LeagueRun runRoundRobin(const std::vector<DollRef>& dolls, const std::vector<int>& entrants,
                        const RoundRobinOptions& options, const std::atomic<bool>* cancel,
                        const LeagueProgress& progress) {
  if (dolls.size() < 2 || dolls.size() != entrants.size())
    throw std::invalid_argument(shown("リーグには2体以上のDollが必要です"));
  for (const DollRef& d : dolls) {
    if (!d || !d->Motor || !d->frame)
      throw std::invalid_argument(shown("Dollにモーターとフレームがありません"));
  }
  LeagueRun run;
  run.seed = options.seed;
  run.fightsPerPair = options.fightsPerPair;
  run.entrants = entrants;
  std::vector<std::pair<size_t, size_t>> seats;
  for (size_t x = 0; x < dolls.size(); ++x) {
    for (size_t y = x + 1; y < dolls.size(); ++y) {
      seats.push_back({x, y});
      PairRecord pair;
      pair.a = entrants[x];
      pair.b = entrants[y];
      run.pairs.push_back(pair);
    }
  }

  const long total = static_cast<long>(seats.size()) * options.fightsPerPair;
  std::atomic<size_t> next = 0;
  std::mutex reporting;
  long done = 0;
  const auto work = [&] {
    for (size_t p = next++; p < seats.size(); p = next++) {
      if (cancel && cancel->load()) return;
      PairRecord& record = run.pairs[p];
      SeededRandom dice(pairSeed(options.seed, record.a, record.b));
      const BoutSeries series = playSeries(*dolls[seats[p].first], *dolls[seats[p].second],
                                           options.fightsPerPair, dice, kDefaultStepCap, cancel);
      record.tally = series.tally;
      record.worstLoss = series.worstLoss;
      const std::lock_guard lock(reporting);
      done += series.tally.fights;
      if (progress) progress(done, total);
    }
  };
  std::vector<std::thread> workers;
  const int n = threadCount(options.threads, seats.size());
  for (int k = 1; k < n; ++k)
    workers.emplace_back(work);
  work();
  for (std::thread& t : workers)
    t.join();
  run.cancelled = cancel && cancel->load();
  return run;
}

std::optional<RecordedSeriesFight> worstLossOf(const LeagueRun& run, const PairRecord& pair,
                                               int side, const doll& a, const doll& b) {
  const int k = pair.worstLoss[side];
  if (k < 0) return std::nullopt;
  SeededRandom dice(pairSeed(run.seed, pair.a, pair.b));
  return recordSeriesFight(a, b, k, dice);
}

}  // namespace velko
