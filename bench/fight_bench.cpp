// Whole street fights between two Dolls built from the shipped catalogue, and single steps,
// with the game's own random source (which reseeds from the clock at every action-point roll
// and every 2D6), with the narration kept and without a reader.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <initializer_list>
#include <string>

#include "battle/computer_controller.h"
#include "battle/headless_fight.h"
#include "core/random.h"
#include "data/catalogue/catalogue.h"
#include "data/registry/registry_reset.h"
#include "lab/practice_lab.h"
#include "lab/tournament_advice.h"
#include "model/doll.h"
#include "model/doll_stats.h"
#include "model/owner.h"

namespace velko {
namespace {

struct Parts {
  int16_t motor;
  int16_t frame;
  const char* name;
};

// Six patterns of the software's own actions, as the program editor builds them.
LogicRef pattern(const doll& d, const char* name, std::initializer_list<int> ids) {
  auto logic = std::make_shared<Logic>();
  logic->name = name;
  int slot = 0;
  for (int id : ids) {
    ActionRef action = id <= kSpin   ? d.getSoftM(0)->getAction(id)
                       : id <= kHold ? d.getSoftA(0)->getAction(id)
                                     : d.getSoftD(0)->getAction(id);
    logic->setAction(action, slot++);
  }
  logic->getTotalAP();
  logic->getTotalMem();
  return logic;
}

DollRef buildDoll(const GameFolder& folder, const Parts& parts) {
  auto d = std::make_shared<doll>();
  d->name = parts.name;
  d->Motor = ld_Motor(folder, parts.motor);
  d->frame = ld_Frame(folder, parts.frame);
  d->Hard = ld_Hard(folder, 1);
  d->setSoftM(0, ld_SoftM(folder, 2));
  d->setSoftA(0, ld_SoftA(folder, 5));
  d->setSoftD(0, ld_SoftD(folder, 1));
  Owner pilot;
  resetDollParam(*d, pilot);
  d->setLogics(pattern(*d, "突進", {kMove, kPunch, kPunch}), 0);
  d->setLogics(pattern(*d, "跳び蹴り", {kMove, kJump, kKick}), 1);
  d->setLogics(pattern(*d, "組み投げ", {kKumi, kDrop}), 2);
  d->setLogics(pattern(*d, "守り", {kBlock, kUke}), 3);
  d->setLogics(pattern(*d, "外し", {kHazusi, kPunch}), 4);
  d->setLogics(pattern(*d, "起き上がり", {kSpin, kKick}), 5);
  d->programed = true;
  return d;
}

void repair(doll& d) {
  d.Motor->HP = d.Motor->maxHP;
  d.frame->HP = d.frame->maxHP;
}

struct Pair {
  DollRef player;
  DollRef opponent;
};

// The player's ダフネ on motor 5 against a バルキリー on motor 4.
Pair catalogueDolls() {
  const GameFolder folder(VELKO_GAME_DIR);
  return {buildDoll(folder, {5, 4, "ダフネ"}), buildDoll(folder, {4, 3, "バルキリー"})};
}

// keepNarration false: a fight nobody reads, as the lab, the league and the advice fight.
template <typename Source>
void wholeFights(benchmark::State& state, bool keepNarration = true) {
  Pair dolls = catalogueDolls();
  Source rnd;
  ComputerController mirrored;
  int64_t steps = 0;
  int64_t wins = 0;
  for (auto _ : state) {
    repair(*dolls.player);
    repair(*dolls.opponent);
    HeadlessResult result =
        playHeadless(dolls.player, dolls.opponent, mirrored, rnd, {.keepNarration = keepNarration});
    steps += result.steps;
    wins += result.winner == 0;
    benchmark::DoNotOptimize(result);
  }
  state.SetItemsProcessed(state.iterations());
  state.counters["steps/fight"] =
      benchmark::Counter(static_cast<double>(steps), benchmark::Counter::kAvgIterations);
  state.counters["player wins"] =
      benchmark::Counter(static_cast<double>(wins), benchmark::Counter::kAvgIterations);
}

template <typename Source>
void oneStep(benchmark::State& state) {
  Pair dolls = catalogueDolls();
  Source rnd;
  ComputerController mirrored;
  auto fight = std::make_unique<HeadlessFight>(dolls.player, dolls.opponent, mirrored, rnd);
  for (auto _ : state) {
    if (!fight->step()) {
      state.PauseTiming();
      repair(*dolls.player);
      repair(*dolls.opponent);
      fight = std::make_unique<HeadlessFight>(dolls.player, dolls.opponent, mirrored, rnd);
      state.ResumeTiming();
    }
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_WholeFight_ClockRandom(benchmark::State& state) {
  wholeFights<ClockRandom>(state);
}
void BM_WholeFight_NoReader(benchmark::State& state) {
  wholeFights<ClockRandom>(state, false);
}
void BM_Step_ClockRandom(benchmark::State& state) {
  oneStep<ClockRandom>(state);
}

// The practice lab: 1,000 fights of the player's Doll on one core, with the recording that
// keeps the worst loss and without it (the cost of recording).
void practiceRun(benchmark::State& state, bool record) {
  Pair dolls = catalogueDolls();
  const std::vector<PracticeOpponent> opponents = {{1, dolls.opponent}};
  int64_t fights = 0;
  uint64_t seed = 1;
  for (auto _ : state) {
    const PracticeResult result =
        runPractice(*dolls.player, opponents, {.fights = 1000, .seed = seed++, .record = record});
    fights += result.fights;
    benchmark::DoNotOptimize(result);
  }
  state.SetItemsProcessed(fights);
}

void BM_Lab1000_Recorded(benchmark::State& state) {
  practiceRun(state, true);
}
void BM_Lab1000_Unrecorded(benchmark::State& state) {
  practiceRun(state, false);
}

// The advice before a Novice tournament: the lab's fights against every factory opponent of
// the class, as many as the entry question runs on its worker thread. It should be ready in
// well under a second.
void BM_TournamentAdvice_Novice(benchmark::State& state) {
  namespace fs = std::filesystem;
  const fs::path root = fs::temp_directory_path() / "velko-advice-bench";
  fs::remove_all(root);
  fs::create_directories(root);
  fs::copy(fs::path(VELKO_GAME_DIR) / "ini", root / "ini", fs::copy_options::recursive);
  const GameFolder folder(root.string());
  if (!prepareSaveFolder(folder)) {
    state.SkipWithError("the factory registry is missing");
    return;
  }
  const auto opponents = selectOpponents(registryOpponents(folder), "Novice");
  Pair dolls = catalogueDolls();
  for (auto _ : state) {
    const TournamentAdvice advice = adviseTournament(*dolls.player, opponents);
    benchmark::DoNotOptimize(advice);
  }
  state.counters["opponents"] = static_cast<double>(opponents.size());
  fs::remove_all(root);
}

BENCHMARK(BM_WholeFight_ClockRandom);
BENCHMARK(BM_WholeFight_NoReader);
BENCHMARK(BM_Step_ClockRandom);
BENCHMARK(BM_Lab1000_Recorded)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Lab1000_Unrecorded)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TournamentAdvice_Novice)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velko

BENCHMARK_MAIN();
