// Opening the shop on the built game folder: the dialog built, its catalogue read, shown and
// painted once, then closed and destroyed, for a fresh player with the music off. The first
// opening after the game's title screen is reported on its own, since it also pays for the
// shop's kinds of widget being set up; the catalogue read alone shows how much of an opening
// is the files.
// Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <memory>

#include "career/career_state.h"
#include "career/new_player.h"
#include "core/music_player.h"
#include "core/prompter.h"
#include "core/random.h"
#include "shop/shop_tables.h"
#include "ui/app/app.h"
#include "ui/widgets/ui_style.h"
#include "ui/workshop/shop.h"

namespace velko::bench {
namespace {

class SilentDialog : public MessageDialog {
 public:
  int show(const DialogRequest&) override { return kAnswerOK; }
  void msgBox(const std::string&) override {}
  int msgBoxOKCancel(const std::string&) override { return kAnswerOK; }
  int msgBoxYesNo(const std::string&) override { return kAnswerYes; }
};

class PaintSeen : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) seen = true;
    return QObject::eventFilter(watched, event);
  }
  bool seen = false;
};

// A new career's player, as the shop first sees it.
struct Career {
  Career() : state(rnd), prompter(dialog), services{GameFolder(), rnd, prompter, music} {
    initPlayer(state.player(), rnd);
    state.playMusic = false;
  }
  ClockRandom rnd;
  CareerState state;
  SilentDialog dialog;
  DialogPrompter prompter;
  SilentMusic music;
  CareerServices services;
};

// Processes events until the widget has been painted once; false after two seconds.
bool paintOnce(QWidget& widget) {
  PaintSeen painted;
  widget.installEventFilter(&painted);
  widget.show();
  QElapsedTimer patience;
  patience.start();
  while (!painted.seen && patience.elapsed() < 2000)
    QCoreApplication::processEvents();
  widget.removeEventFilter(&painted);
  return painted.seen;
}

// Milliseconds from the constructor to the destroyed dialog; show says whether it is shown
// and painted in between.
double openShop(bool show) {
  Career career;
  const auto begin = std::chrono::steady_clock::now();
  auto shop = std::make_unique<ui::Shop>(career.state, career.services);
  if (show) {
    if (!paintOnce(*shop)) return -1;
    shop->close();
  }
  shop.reset();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin)
      .count();
}

void opening(benchmark::State& state, bool show) {
  for (auto _ : state) {
    const double ms = openShop(show);
    if (ms < 0) {
      state.SkipWithError("the shop was never painted");
      return;
    }
    state.SetIterationTime(ms / 1000);
  }
}

void catalogue(benchmark::State& state) {
  const GameFolder folder;
  for (auto _ : state) {
    ShopTables tables;
    readShopTables(folder, tables);
    benchmark::DoNotOptimize(tables);
  }
}

int runs() {
  const char* text = std::getenv("VELKO_BENCH_RUNS");
  return text ? std::max(1, std::atoi(text)) : 21;
}

}  // namespace
}  // namespace velko::bench

int main(int argc, char** argv) {
  using namespace velko::bench;
  if (chdir(VELKO_GAME_DIR) != 0) return 1;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  velko::ui::applyGameStyle(application);
  // The game has shown its title screen, and so loaded its fonts, before any shop opens.
  velko::ui::App game;
  game.start();
  if (!paintOnce(*game.title())) return 1;
  game.title()->hide();

  // Registered first and run once: the first shop after the title screen.
  benchmark::RegisterBenchmark("Shop/open_first", opening, true)
      ->Iterations(1)
      ->UseManualTime()
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("Shop/open", opening, true)
      ->Iterations(1)
      ->Repetitions(runs())
      ->ReportAggregatesOnly(true)
      ->UseManualTime()
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("Shop/build_unshown", opening, false)
      ->Iterations(1)
      ->Repetitions(runs())
      ->ReportAggregatesOnly(true)
      ->UseManualTime()
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("Shop/catalogue_read", catalogue)
      ->Repetitions(5)
      ->ReportAggregatesOnly(true)
      ->Unit(benchmark::kMillisecond);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
