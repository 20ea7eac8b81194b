// Process start to the first painted window (and, beside it, to the process's exit): the game's
// title screen against a bare Qt program showing one Japanese label, both as fresh processes, on
// the offscreen platform and on an Xvfb display of our own; and the bare program once more with
// FluidSynth linked in, to show what loading it before the first track costs. One iteration is one
// start; repetitions give the median. VELKO_BENCH_RUNS sets the number of starts per case (21).

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>

#include "probe_process.h"

namespace velko::bench {
namespace {

std::unique_ptr<VirtualDisplay> display;

std::map<std::string, std::string> platform(bool x11) {
  if (x11) return {{"QT_QPA_PLATFORM", "xcb"}, {"DISPLAY", display->name()}};
  return {{"QT_QPA_PLATFORM", "offscreen"}};
}

// The first start after an install or an upgrade paints the title's picture; later ones read
// the one it kept (title.cache in the game folder, which the probes use as the player's).
void forgetTitlePicture() {
  unlink((std::string(VELKO_GAME_DIR) + "/title.cache").c_str());
}

void start(benchmark::State& state, const char* probe, bool x11, bool firstStart) {
  if (x11 && display->name().empty()) {
    state.SkipWithError("no Xvfb display");
    return;
  }
  double peakKB = 0;
  double cpuMs = 0;
  double exitMs = 0;
  for (auto _ : state) {
    if (firstStart) forgetTitlePicture();
    const ProbeRun run = runProbe(probe, {}, platform(x11));
    if (!run.ok) {
      const std::string why = "the probe failed, status " + std::to_string(run.status) + " on " +
                              (x11 ? display->name() : "offscreen");
      state.SkipWithError(why.c_str());
      return;
    }
    state.SetIterationTime(run.paintedMs / 1000);
    peakKB = run.peakKB;
    cpuMs += run.cpuMs;
    exitMs += run.wallMs;
  }
  state.counters["cpu_ms"] = benchmark::Counter(cpuMs, benchmark::Counter::kAvgIterations);
  state.counters["exit_ms"] = benchmark::Counter(exitMs, benchmark::Counter::kAvgIterations);
  state.counters["peak_MB"] = peakKB / 1024;
}

// The bare program and the game started one right after the other, in turns, and the game's
// time divided by the bare one's: a machine that slows down or speeds up over the run moves
// both starts of a pair alike, so the median of these ratios holds still where the ratio of
// the two medians does not.
void pair(benchmark::State& state, bool x11) {
  if (x11 && display->name().empty()) {
    state.SkipWithError("no Xvfb display");
    return;
  }
  static bool gameFirst = false;
  double ratio = 0;
  double exitRatio = 0;
  for (auto _ : state) {
    gameFirst = !gameFirst;
    ProbeRun bare;
    ProbeRun game;
    if (gameFirst) game = runProbe(VELKO_PROBE_TITLE, {}, platform(x11));
    bare = runProbe(VELKO_PROBE_BARE, {}, platform(x11));
    if (!gameFirst) game = runProbe(VELKO_PROBE_TITLE, {}, platform(x11));
    if (!bare.ok || !game.ok) {
      state.SkipWithError("a probe failed");
      return;
    }
    state.SetIterationTime(game.paintedMs / 1000);
    ratio += game.paintedMs / bare.paintedMs;
    exitRatio += game.wallMs / bare.wallMs;
  }
  state.counters["ratio"] = benchmark::Counter(ratio, benchmark::Counter::kAvgIterations);
  state.counters["exit_ratio"] = benchmark::Counter(exitRatio, benchmark::Counter::kAvgIterations);
}

int runs() {
  const char* text = std::getenv("VELKO_BENCH_RUNS");
  return text ? std::max(1, std::atoi(text)) : 21;
}

void registerAll() {
  const struct {
    const char* name;
    const char* probe;
    bool x11;
    bool firstStart = false;
  } cases[] = {
      {"Start/bare/offscreen", VELKO_PROBE_BARE, false},
      {"Start/game/offscreen", VELKO_PROBE_TITLE, false},
      {"Start/bare_fluidsynth/offscreen", VELKO_PROBE_BARE_FLUIDSYNTH, false},
      {"Start/bare/xvfb", VELKO_PROBE_BARE, true},
      {"Start/game/xvfb", VELKO_PROBE_TITLE, true},
      {"Start/game_first/xvfb", VELKO_PROBE_TITLE, true, true},
  };
  for (const bool x11 : {false, true}) {
    benchmark::RegisterBenchmark(x11 ? "Pair/xvfb" : "Pair/offscreen", pair, x11)
        ->Iterations(1)
        ->Repetitions(runs())
        ->ReportAggregatesOnly(true)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
  }
  for (const auto& c : cases) {
    benchmark::RegisterBenchmark(c.name, start, c.probe, c.x11, c.firstStart)
        ->Iterations(1)
        ->Repetitions(runs())
        ->ReportAggregatesOnly(true)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
  }
}

}  // namespace
}  // namespace velko::bench

int main(int argc, char** argv) {
  using namespace velko::bench;
  // The probes run in the game folder, as the game does.
  if (chdir(VELKO_GAME_DIR) != 0) return 1;
  display = std::make_unique<VirtualDisplay>();
  // One unmeasured start of each fills the page cache and the font caches, and keeps the
  // title's picture for the starts after it.
  for (bool x11 : {false, true}) {
    if (x11 && display->name().empty()) continue;
    runProbe(VELKO_PROBE_BARE, {}, platform(x11));
    runProbe(VELKO_PROBE_BARE_FLUIDSYNTH, {}, platform(x11));
    runProbe(VELKO_PROBE_TITLE, {}, platform(x11));
  }
  registerAll();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  display.reset();
  return 0;
}
