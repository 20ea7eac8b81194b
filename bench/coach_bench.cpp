// The coach's two searches for a new player: the build advice for a Novice purse (1300 Rl, no
// parts, skill 10) and the program advice for the Doll it proposes first, each against the
// factory registry's Novice opponents. The goal is under 2 s each on the two-core machine.

#include <benchmark/benchmark.h>

#include "coach/build_advice.h"
#include "coach/program_advice.h"
#include "shop/shop_stock.h"
#include "sim/novice_builds.h"
#include "sim/registry_roster.h"

namespace velko {
namespace {

std::vector<PracticeOpponent> factoryOpponents() {
  std::vector<PracticeOpponent> all;
  for (const sim::RosterDoll& d :
       sim::loadRoster(GameFolder(VELKO_GAME_DIR), sim::RegistrySource::Factory))
    all.push_back({d.number, d.doll});
  return all;
}

BuildQuestion newPlayer(const BuildPlanner& planner) {
  Owner player;
  player.Rl = sim::kNoviceBudget;
  player.skillPlay = 10;
  return buildQuestion(player, planner.tables(), 0, factoryOpponents());
}

void buildAdvice(benchmark::State& state) {
  const BuildPlanner planner(GameFolder(VELKO_GAME_DIR));
  const BuildQuestion question = newPlayer(planner);
  BuildAdvice advice;
  for (auto _ : state) {
    advice = adviseBuilds(planner, question);
    benchmark::DoNotOptimize(advice);
  }
  state.counters["candidates"] = advice.candidates;
  state.counters["best %"] =
      advice.proposals.empty() ? 0 : 100 * advice.proposals[0].measure.chance().rate;
}

void programAdvice(benchmark::State& state) {
  const BuildPlanner planner(GameFolder(VELKO_GAME_DIR));
  const BuildQuestion question = newPlayer(planner);
  const BuildAdvice built = adviseBuilds(planner, question);
  if (built.proposals.empty()) {
    state.SkipWithError("no proposal");
    return;
  }
  const doll& d = *built.proposals[0].doll;
  ProgramProposal proposal;
  for (auto _ : state) {
    proposal = adviseProgram(d, question.opponents);
    benchmark::DoNotOptimize(proposal);
  }
  state.counters["today %"] = 100 * proposal.today.chance().rate;
  state.counters["proposed %"] = 100 * proposal.proposed.chance().rate;
  state.counters["kept"] = proposal.changesKept;
}

BENCHMARK(buildAdvice)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(programAdvice)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace velko

BENCHMARK_MAIN();
