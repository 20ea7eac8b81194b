// FluidSynth loaded on demand: nothing of it is in the process before the first track plays,
// the first track loads it, and a missing library or function is refused with its reason.
// This test must not link FluidSynth itself, or the first case would prove nothing.

#include <dlfcn.h>

#include <QtTest>
#include <string>

#include "audio/fluid_api.h"
#include "audio/fluid_engine.h"
#include "audio/fluid_midi_player.h"
#include "support/qt_test_main.h"

using namespace velko::audio;

namespace {

bool fluidSynthLoaded() {
  void* library = dlopen("libfluidsynth.so.3", RTLD_NOW | RTLD_NOLOAD);
  if (library == nullptr) library = dlopen("libfluidsynth.so", RTLD_NOW | RTLD_NOLOAD);
  if (library == nullptr) return false;
  dlclose(library);
  return true;
}

std::string trackPath(const char* track) {
  std::string path = VELKO_GAME_DIR;
  return path.append("/midi/").append(track).append(".mid");
}

}  // namespace

class FluidApiTest : public QObject {
  Q_OBJECT

 private slots:
  // Runs first: once loaded, the library stays for the rest of the process.
  void theFirstTrackLoadsTheLibrary() {
    FluidEngine engine({.drivers = {}, .fileName = {}, .rendersOffline = true});
    FluidMidiPlayer player(engine, kMusicChannels);
    QVERIFY(!player.open(trackPath("no-such-track")));
    QVERIFY(!fluidSynthLoaded());

    QVERIFY(player.open(trackPath("ind30xg")));
    QVERIFY(fluidSynthLoaded());
    QVERIFY(engine.started());
    QVERIFY(fluidApi() != nullptr);
    QCOMPARE(&engine.fluid(), fluidApi());
  }

  void aMissingLibraryIsRefused() {
    std::string error;
    QVERIFY(!loadFluidApi({"libvelko-no-such-1.so", "libvelko-no-such-2.so"}, error));
    QVERIFY2(error.find("libvelko-no-such-1.so") != std::string::npos, error.c_str());
    QVERIFY2(error.find("libvelko-no-such-2.so") != std::string::npos, error.c_str());
  }

  void aLibraryWithoutTheFunctionsIsRefused() {
    std::string error;
    QVERIFY(!loadFluidApi({"libm.so.6"}, error));
    QVERIFY2(error.find("fluid_set_log_function") != std::string::npos, error.c_str());
  }

  void everyFunctionIsFound() {
    std::string error;
    const std::optional<FluidApi> api = loadFluidApi({"libfluidsynth.so.3"}, error);
    QVERIFY2(api.has_value(), error.c_str());
    QVERIFY(error.empty());
#define VELKO_CHECK_FOUND(name) QVERIFY(api->name != nullptr);
    VELKO_FLUID_FUNCTIONS(VELKO_CHECK_FOUND)
#undef VELKO_CHECK_FOUND
  }
};

VELKO_QTEST(FluidApiTest);
#include "fluid_api_test.moc"
