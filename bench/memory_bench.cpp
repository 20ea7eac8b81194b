// Peak resident memory of a whole process: the bare Qt label, the game at its title screen,
// and the game at its title screen with the workshop's music playing for a few seconds
// (VELKO_MUSIC_SECONDS, 5). The time reported is the process's wall time; the figure that
// matters is the peak_MB counter.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "probe_process.h"

namespace velko::bench {
namespace {

const std::map<std::string, std::string> kOffscreen = {{"QT_QPA_PLATFORM", "offscreen"}};

std::string musicSeconds() {
  const char* text = std::getenv("VELKO_MUSIC_SECONDS");
  return text ? text : "5";
}

void peak(benchmark::State& state, const char* probe, bool music) {
  const std::vector<std::string> args =
      music ? std::vector<std::string>{musicSeconds()} : std::vector<std::string>{};
  double peakKB = 0;
  std::string label;
  for (auto _ : state) {
    const ProbeRun run = runProbe(probe, args, kOffscreen);
    if (!run.ok) {
      state.SkipWithError(("the probe failed: " + run.output).c_str());
      return;
    }
    state.SetIterationTime(run.wallMs / 1000);
    peakKB = run.peakKB;
    if (const auto at = run.output.find("driver="); at != std::string::npos)
      label = run.output.substr(at, run.output.find(' ', at) - at);
  }
  state.counters["peak_MB"] = peakKB / 1024;
  state.SetLabel(label);
}

}  // namespace
}  // namespace velko::bench

int main(int argc, char** argv) {
  using namespace velko::bench;
  if (chdir(VELKO_GAME_DIR) != 0) return 1;
  const struct {
    const char* name;
    const char* probe;
    bool music;
  } cases[] = {
      {"Peak/bare", VELKO_PROBE_BARE, false},
      {"Peak/game_title", VELKO_PROBE_TITLE, false},
      {"Peak/game_music", VELKO_PROBE_MUSIC, true},
  };
  for (const auto& c : cases) {
    benchmark::RegisterBenchmark(c.name, peak, c.probe, c.music)
        ->Iterations(1)
        ->Repetitions(3)
        ->ReportAggregatesOnly(true)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
