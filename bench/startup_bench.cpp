// Process start to the first painted window: the game's title screen against a bare Qt
// program showing one Japanese label, both as fresh processes, on the offscreen platform and
// on an Xvfb display of our own; and the bare program once more with FluidSynth linked in,
// to show what loading it before the first track costs. One iteration is one start; repetitions
// give the median. VELKO_BENCH_RUNS sets the number of starts per case (21).

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

void start(benchmark::State& state, const char* probe, bool x11) {
  if (x11 && display->name().empty()) {
    state.SkipWithError("no Xvfb display");
    return;
  }
  double peakKB = 0;
  double cpuMs = 0;
  for (auto _ : state) {
    const ProbeRun run = runProbe(probe, {}, platform(x11));
    if (!run.ok) {
      const std::string why = "the probe failed, status " + std::to_string(run.status) + " on " +
                              (x11 ? display->name() : "offscreen");
      state.SkipWithError(why.c_str());
      return;
    }
    state.SetIterationTime(run.wallMs / 1000);
    peakKB = run.peakKB;
    cpuMs += run.cpuMs;
  }
  state.counters["cpu_ms"] = benchmark::Counter(cpuMs, benchmark::Counter::kAvgIterations);
  state.counters["peak_MB"] = peakKB / 1024;
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
  } cases[] = {
      {"Start/bare/offscreen", VELKO_PROBE_BARE, false},
      {"Start/game/offscreen", VELKO_PROBE_TITLE, false},
      {"Start/bare_fluidsynth/offscreen", VELKO_PROBE_BARE_FLUIDSYNTH, false},
      {"Start/bare/xvfb", VELKO_PROBE_BARE, true},
      {"Start/game/xvfb", VELKO_PROBE_TITLE, true},
  };
  for (const auto& c : cases) {
    benchmark::RegisterBenchmark(c.name, start, c.probe, c.x11)
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
  // One unmeasured start of each fills the page cache and the font caches.
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
