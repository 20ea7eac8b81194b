// The game's MIDI player as the workshop and the battle screen drive it: starting a track
// (Close, Open, Play), the message when a track cannot be played, the done notification at
// the end of a track and the loop it drives, Close, and the sound effect's own channels.
// Most cases play offline, where time moves only as the test renders sound.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>
#include <cmath>
#include <string>
#include <vector>

#include "../support/scripted_dialog.h"
#include "audio/fluid_engine.h"
#include "audio/fluid_midi_player.h"
#include "core/music_player.h"
#include "music/general_midi.h"
#include "support/qt_test_main.h"

using namespace velko;
using namespace velko::audio;

namespace {

const char* kMessage =
    "この環境ではＢＧＭを再生できません。必要なランタイムをインストールして下さい。";

FluidOutput offline() {
  return {.drivers = {}, .fileName = {}, .rendersOffline = true};
}

FluidOutput noDevice() {
  return {.drivers = {"velko-no-such-device"}, .fileName = {}, .rendersOffline = false};
}

// Renders ms of sound and returns its loudness.
double renderMs(FluidEngine& engine, int ms) {
  const int frames = 44100 * ms / 1000;
  std::vector<float> left(frames), right(frames);
  engine.render(frames, left.data(), right.data());
  double sum = 0;
  for (int i = 0; i < frames; ++i)
    sum += left[i] * left[i] + right[i] * right[i];
  return std::sqrt(sum / (2.0 * frames));
}

int bankOf(FluidEngine& engine, int channel) {
  int font = 0, bank = 0, preset = 0;
  fluid_synth_get_program(engine.synth(), channel, &font, &bank, &preset);
  return bank;
}

int presetOf(FluidEngine& engine, int channel) {
  int font = 0, bank = 0, preset = 0;
  fluid_synth_get_program(engine.synth(), channel, &font, &bank, &preset);
  return preset;
}

}  // namespace

class MidiPlayerTest : public QObject {
  Q_OBJECT

 private slots:
  // The game runs in its game folder: track files are found under midi/ from there.
  void initTestCase() { QVERIFY(QDir::setCurrent(VELKO_GAME_DIR)); }

  // The first failing attempt tells; the next ones keep quiet until a track has played.
  void withoutADeviceTheFirstAttemptTells() {
    testing::ScriptedDialog dialog;
    DialogPrompter prompter(dialog);
    FluidEngine engine(noDevice());
    FluidMidiPlayer player(engine, kMusicChannels);

    QVERIFY(!startTrack(player, "ind30xg", prompter));
    QVERIFY(!startTrack(player, "fight", prompter));
    QCOMPARE(dialog.shown.size(), size_t(1));
    for (const auto& shown : dialog.shown) {
      QVERIFY(shown.plainBox);
      QCOMPARE(shown.request.text, std::string(kMessage));
      QCOMPARE(shown.request.caption, std::string(kGameTitle));
    }
    // The game goes on: nothing is open, and the commands refuse quietly.
    QCOMPARE(player.length(), 0L);
    QCOMPARE(player.position(), 0L);
    QVERIFY(!player.play());
    QVERIFY(!player.seek());
    replayAtEnd(player);
    player.close();
    QCOMPARE(dialog.shown.size(), size_t(1));
  }

  void soundEffectTellsItsFailureOnce() {
    testing::ScriptedDialog dialog;
    DialogPrompter prompter(dialog);
    FluidEngine engine(noDevice());
    FluidMidiPlayer player(engine, kSoundEffectChannels);
    SoundEffect effect(player, prompter);
    for (int blow = 0; blow < 5; ++blow)
      effect.stSound("SE");
    QCOMPARE(dialog.shown.size(), size_t(1));
    QCOMPARE(dialog.texts().front(), std::string(kMessage));
  }

  void nothingStartsBeforeAPlayableTrack() {
    testing::ScriptedDialog dialog;
    DialogPrompter prompter(dialog);
    FluidEngine engine(offline());
    FluidMidiPlayer player(engine, kMusicChannels);
    QVERIFY(!engine.started());

    QVERIFY(!startTrack(player, "no-such-track", prompter));
    QCOMPARE(dialog.texts(), std::vector<std::string>{kMessage});
    QVERIFY(!engine.started());

    QVERIFY(startTrack(player, "ind30xg", prompter));
    QVERIFY(engine.started());
    QVERIFY(engine.soundfontLoadSeconds() > 0);
    QCOMPARE(dialog.shown.size(), size_t(1));
  }

  void filesThatAreNotMidiAreRefused() {
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkdir("midi"));
    QFile shipped(QString(VELKO_GAME_DIR) + "/midi/ind30xg.mid");
    QVERIFY(shipped.open(QIODevice::ReadOnly));
    const QByteArray whole = shipped.readAll();
    QFile cut(folder.path() + "/midi/cut.mid");
    QVERIFY(cut.open(QIODevice::WriteOnly));
    cut.write(whole.left(whole.size() / 2));
    cut.close();
    QFile text(folder.path() + "/midi/text.mid");
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write("not a midi file");
    text.close();

    testing::ScriptedDialog dialog;
    DialogPrompter prompter(dialog);
    FluidEngine engine(offline());
    FluidMidiPlayer player(engine, kMusicChannels);
    const QString home = QDir::currentPath();
    QVERIFY(QDir::setCurrent(folder.path()));
    QVERIFY(!startTrack(player, "cut", prompter));
    QVERIFY(!startTrack(player, "text", prompter));
    QVERIFY(QDir::setCurrent(home));
    QCOMPARE(dialog.texts(), std::vector<std::string>{kMessage});  // told once
    QCOMPARE(player.length(), 0L);
  }

  void doneAtTheEndStartsTheTrackAgain() {
    FluidEngine engine(offline());
    FluidMidiPlayer player(engine, kMusicChannels);
    int done = 0;
    long positionAtDone = -1;
    player.setOnDone([&] {
      ++done;
      positionAtDone = player.position();
      replayAtEnd(player);
    });
    player.setNotify(true);
    QVERIFY(player.open(trackFile("SE")));
    QCOMPARE(player.length(), 500L);
    QVERIFY(player.play());

    renderMs(engine, 300);
    QTest::qWait(30);
    QCOMPARE(done, 0);
    QVERIFY(player.position() >= 290 && player.position() <= 310);

    renderMs(engine, 250);
    QTRY_COMPARE(done, 1);
    QCOMPARE(positionAtDone, player.length());
    // Rewound and playing again from the start: it sounds, and ends once more.
    QCOMPARE(player.position(), 0L);
    QVERIFY(renderMs(engine, 100) > 0.01);
    renderMs(engine, 450);
    QTRY_COMPARE(done, 2);
  }

  void withoutNotificationATrackJustEnds() {
    FluidEngine engine(offline());
    FluidMidiPlayer player(engine, kMusicChannels);
    int done = 0;
    player.setOnDone([&] { ++done; });
    player.setNotify(false);
    QVERIFY(player.open(trackFile("SE")));
    QVERIFY(player.play());
    renderMs(engine, 600);
    QTRY_COMPARE(player.position(), player.length());
    QTest::qWait(30);
    QCOMPARE(done, 0);
    // At its end it stays there: "play" alone does not start it again, "seek" then "play" does.
    QVERIFY(player.play());
    QCOMPARE(player.position(), player.length());
    QVERIFY(player.seek());
    QCOMPARE(player.position(), 0L);
    QVERIFY(player.play());
    QVERIFY(renderMs(engine, 100) > 0.01);
  }

  void closeSilencesAtOnceAndNoDoneFollows() {
    FluidEngine engine(offline());
    FluidMidiPlayer player(engine, kMusicChannels);
    int done = 0;
    player.setOnDone([&] { ++done; });
    player.setNotify(true);
    QVERIFY(player.open(trackFile("ind30xg")));
    QVERIFY(player.play());
    QVERIFY(renderMs(engine, 2000) > 0.01);

    player.close();
    QCOMPARE(player.length(), 0L);
    renderMs(engine, 500);  // the reverb dies away
    QVERIFY(renderMs(engine, 1000) < 1e-3);
    QTest::qWait(30);
    QCOMPARE(done, 0);
  }

  void aNewTrackReplacesTheOldOne() {
    testing::ScriptedDialog dialog;
    DialogPrompter prompter(dialog);
    FluidEngine engine(offline());
    FluidMidiPlayer player(engine, kMusicChannels);
    QVERIFY(startTrack(player, "ind30xg", prompter));
    renderMs(engine, 1000);
    QVERIFY(startTrack(player, "SE", prompter));
    QCOMPARE(player.length(), 500L);
    QVERIFY(renderMs(engine, 400) > 0.01);
    // Half a second of blow and its dying ring, then nothing of the workshop theme is left.
    renderMs(engine, 2600);
    QVERIFY(renderMs(engine, 1000) < 2e-3);
    QVERIFY(dialog.shown.empty());
  }

  void soundEffectKeepsTheMusicsInstruments() {
    testing::ScriptedDialog dialog;
    DialogPrompter prompter(dialog);
    FluidEngine engine(offline());
    FluidMidiPlayer music(engine, kMusicChannels);
    FluidMidiPlayer effects(engine, kSoundEffectChannels);
    SoundEffect effect(effects, prompter);

    QVERIFY(startTrack(music, "ind30xg", prompter));
    renderMs(engine, 200);
    QCOMPARE(presetOf(engine, 0), midi::gm::kSynthBass1);
    effect.stSound("SE");
    QVERIFY(renderMs(engine, 200) > 0.01);
    effect.stSound("SE");  // the next blow starts it afresh
    renderMs(engine, 200);

    QCOMPARE(presetOf(engine, 0), midi::gm::kSynthBass1);
    QCOMPARE(presetOf(engine, kSoundEffectChannels), midi::gm::kTaikoDrum);
    QCOMPARE(bankOf(engine, kSoundEffectChannels + midi::gm::kDrumChannel), 128);
    QVERIFY(music.position() > 500);
    QVERIFY(dialog.shown.empty());
  }

  // With a real audio thread (writing into /dev/null at the pace of a sound card): the track
  // loops on its own and every done notification arrives on the game's thread.
  void loopsInRealTimeWithDoneOnTheGameThread() {
    FluidEngine engine({.drivers = {"file"}, .fileName = "/dev/null", .rendersOffline = false});
    FluidMidiPlayer player(engine, kMusicChannels);
    int done = 0;
    bool onGameThread = true;
    player.setOnDone([&] {
      ++done;
      onGameThread = onGameThread && QThread::currentThread() == qApp->thread();
      replayAtEnd(player);
    });
    testing::ScriptedDialog dialog;
    DialogPrompter prompter(dialog);
    QVERIFY(startTrack(player, "SE", prompter));
    QTRY_VERIFY_WITH_TIMEOUT(done >= 3, 10000);
    QVERIFY(onGameThread);
    player.close();
  }
};

VELKO_QTEST(MidiPlayerTest);
#include "midi_player_test.moc"
