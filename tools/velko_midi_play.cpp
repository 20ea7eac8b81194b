// Plays a track of the game folder through the game's own player and tells what it costs:
//   cd build/game && velko-midi-play ind30xg [seconds] [--silent]
// --silent plays in real time into /dev/null, for machines without a sound device.

#include <sys/resource.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <string>

#include "audio/fluid_engine.h"
#include "audio/fluid_midi_player.h"
#include "core/music_player.h"

namespace {

// Tells the player's messages on the console.
class ConsolePrompter : public velko::Prompter {
 public:
  int askOK(const std::string& text) override { return say(text, velko::kAnswerOK); }
  int askOKCaption(const std::string& text, const std::string&) override {
    return say(text, velko::kAnswerOK);
  }
  int askYesNo(const std::string& text, const std::string&) override {
    return say(text, velko::kAnswerYes);
  }
  void notify(const std::string& text) override { say(text, 0); }
  void notifyCaption(const std::string& text, const std::string&) override { say(text, 0); }
  void notifyTall(const std::string& text, const std::string&, int16_t) override { say(text, 0); }
  void msgBox(const std::string& text) override { say(text, 0); }
  int msgBoxOKCancel(const std::string& text) override { return say(text, velko::kAnswerOK); }
  int msgBoxYesNo(const std::string& text) override { return say(text, velko::kAnswerYes); }

 private:
  int say(const std::string& text, int answer) {
    std::printf("message: %s\n", text.c_str());
    return answer;
  }
};

long peakResidentKB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: velko-midi-play <track> [seconds] [--silent]\n");
    return 2;
  }
  const std::string track = argv[1];
  const int seconds = argc > 2 ? std::atoi(argv[2]) : 5;
  velko::audio::FluidOutput output;
  if (argc > 3 && std::strcmp(argv[3], "--silent") == 0) output = {{"file"}, "/dev/null"};

  const long before = peakResidentKB();
  velko::audio::FluidEngine engine(output);
  velko::audio::FluidMidiPlayer player(engine, velko::audio::kMusicChannels);
  player.setOnDone([&player] { velko::replayAtEnd(player); });
  ConsolePrompter prompter;

  QElapsedTimer clock;
  clock.start();
  const bool started = velko::startTrack(player, track, prompter);
  const qint64 startMs = clock.elapsed();
  std::printf("started: %s in %lld ms (soundfont %.1f ms)\n", started ? "yes" : "no",
              static_cast<long long>(startMs), engine.soundfontLoadSeconds() * 1000);

  QTimer::singleShot(seconds * 1000, &app, &QCoreApplication::quit);
  app.exec();
  std::printf("position %ld of %ld ms\n", player.position(), player.length());
  std::printf("peak resident: %ld KB before the player, %ld KB after %d s of play\n", before,
              peakResidentKB(), seconds);
  return started ? 0 : 1;
}
