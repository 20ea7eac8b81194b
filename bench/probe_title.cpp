// The game's own main, ended at the title screen's first paint. With --trace it tells on
// stderr when each step of the start was done, in ms since main was entered.

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <cstring>

#include "first_paint.h"
#include "ui/app/app.h"
#include "ui/widgets/ui_style.h"

int main(int argc, char** argv) {
  QElapsedTimer clock;
  clock.start();
  const bool trace = argc > 1 && std::strcmp(argv[1], "--trace") == 0;
  auto step = [&](const char* what) {
    if (trace) std::fprintf(stderr, "%7.2f ms  %s\n", clock.nsecsElapsed() / 1e6, what);
  };

  QApplication application(argc, argv);
  step("QApplication");
  velko::ui::applyGameStyle(application);
  step("applyGameStyle");
  application.setQuitOnLastWindowClosed(false);
  velko::ui::App app;
  step("App constructed");
  app.start();
  step("App::start (save folder, title shown)");
  velko::bench::FirstPaint painted([&] {
    step("title painted");
    QCoreApplication::quit();
  });
  app.title()->installEventFilter(&painted);
  const int code = application.exec();
  step("event loop left");
  velko::bench::printPeakResident();
  return code;
}
