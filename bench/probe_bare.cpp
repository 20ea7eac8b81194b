// The floor of any Qt game here: one Japanese label, ended at its first paint. Built a second
// time with FluidSynth linked in (never called) to show what loading it at start costs.

#include <QApplication>
#include <QLabel>

#include "first_paint.h"

#ifdef VELKO_PROBE_WITH_FLUIDSYNTH
#include <fluidsynth.h>
// Taking an address keeps the library among the ones loaded at start.
auto* volatile keepFluidSynth = &fluid_version_str;
#endif

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QLabel label("ドール");
  velko::bench::FirstPaint painted([] { QCoreApplication::quit(); });
  label.installEventFilter(&painted);
  label.show();
  const int code = application.exec();
  velko::bench::printPeakResident();
  return code;
}
