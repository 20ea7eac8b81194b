// The game at its title screen with the workshop's music playing: the real App, then
// "ind30xg" started on the App's own player. Where no sound device opens, the same player
// class plays on an engine writing to /dev/null in real time, so the synthesizer, the
// soundfont and the sequencer are all loaded and busy. Prints the driver used, the position
// reached and the peak resident set; fails when nothing played.
//   probe_music [seconds]

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "audio/fluid_engine.h"
#include "audio/fluid_midi_player.h"
#include "core/music_player.h"
#include "first_paint.h"
#include "ui/app/app.h"
#include "ui/widgets/ui_style.h"

namespace {

// A failing start must not stop the probe at a modal message box.
class SilentPrompter : public velko::Prompter {
 public:
  int askOK(const std::string&) override { return velko::kAnswerOK; }
  int askOKCaption(const std::string&, const std::string&) override { return velko::kAnswerOK; }
  int askYesNo(const std::string&, const std::string&) override { return velko::kAnswerYes; }
  void notify(const std::string&) override {}
  void notifyCaption(const std::string&, const std::string&) override {}
  void notifyTall(const std::string&, const std::string&, int16_t) override {}
  void msgBox(const std::string&) override {}
  int msgBoxOKCancel(const std::string&) override { return velko::kAnswerOK; }
  int msgBoxYesNo(const std::string&) override { return velko::kAnswerYes; }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  velko::ui::applyGameStyle(application);
  application.setQuitOnLastWindowClosed(false);
  const int seconds = argc > 1 ? std::atoi(argv[1]) : 5;

  velko::ui::App app;
  app.start();

  SilentPrompter prompter;
  std::unique_ptr<velko::audio::FluidEngine> fileEngine;
  std::unique_ptr<velko::audio::FluidMidiPlayer> filePlayer;
  velko::MusicPlayer* playing = nullptr;
  const char* driver = "none";

  velko::bench::FirstPaint painted([&] {
    if (velko::startTrack(app.services().music, "ind30xg", prompter)) {
      playing = &app.services().music;
      driver = "device";
    } else {
      fileEngine = std::make_unique<velko::audio::FluidEngine>(
          velko::audio::FluidOutput{{"file"}, "/dev/null"});
      filePlayer = std::make_unique<velko::audio::FluidMidiPlayer>(*fileEngine,
                                                                   velko::audio::kMusicChannels);
      filePlayer->setOnDone([&] { velko::replayAtEnd(*filePlayer); });
      if (velko::startTrack(*filePlayer, "ind30xg", prompter)) {
        playing = filePlayer.get();
        driver = "file";
      }
    }
    QTimer::singleShot(seconds * 1000, &application, &QCoreApplication::quit);
  });
  app.title()->installEventFilter(&painted);
  application.exec();

  const long position = playing ? playing->position() : 0;
  std::printf("driver=%s position_ms=%ld\n", driver, position);
  velko::bench::printPeakResident();
  if (filePlayer) filePlayer->close();
  return position > 0 ? 0 : 1;
}
