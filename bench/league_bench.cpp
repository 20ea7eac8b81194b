// A league of the factory opponents: 50 Dolls, 100 fights for each of the 1,225 pairs (122,500
// fights), on every core and on one. The time is wall-clock; "cpu us/fight" is the CPU time of
// the whole process (every worker) per fight, which does not depend on what else the machine
// is doing.

#include <benchmark/benchmark.h>

#include <ctime>
#include <numeric>

#include "league/round_robin.h"
#include "sim/registry_roster.h"

namespace velko {
namespace {

constexpr size_t kDolls = 50;

// The factory roster, its first Dolls again when it holds fewer than fifty.
std::vector<DollRef> factoryDolls() {
  const std::vector<sim::RosterDoll> roster =
      sim::loadRoster(GameFolder(VELKO_GAME_DIR), sim::RegistrySource::Factory);
  std::vector<DollRef> dolls;
  for (size_t k = 0; k < kDolls && !roster.empty(); ++k)
    dolls.push_back(roster[k % roster.size()].doll);
  return dolls;
}

void league(benchmark::State& state) {
  const std::vector<DollRef> dolls = factoryDolls();
  std::vector<int> entrants(dolls.size());
  std::iota(entrants.begin(), entrants.end(), 0);
  int64_t fights = 0;
  const std::clock_t cpuStart = std::clock();
  uint64_t seed = 1;
  for (auto _ : state) {
    const RoundRobinOptions options{
        .fightsPerPair = 100, .seed = seed++, .threads = static_cast<int>(state.range(0))};
    const LeagueRun run = runRoundRobin(dolls, entrants, options);
    for (const PairRecord& p : run.pairs)
      fights += p.tally.fights;
    benchmark::DoNotOptimize(run);
  }
  const double cpu = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
  state.SetItemsProcessed(fights);
  state.counters["dolls"] = static_cast<double>(dolls.size());
  state.counters["cpu us/fight"] = fights > 0 ? cpu * 1e6 / static_cast<double>(fights) : 0;
}

// 0 threads: one per core.
BENCHMARK(league)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace velko

BENCHMARK_MAIN();
