// The music reaching a real sound server, as on a desktop: a PulseAudio server with one null
// sink runs in a scratch runtime folder, the game's own player plays "ind30xg" with its usual
// driver order, and two seconds recorded from the sink's monitor must not be silent. With the
// server gone, starting the track says once that it cannot play, and the game goes on.

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#include "../support/scripted_dialog.h"
#include "audio/fluid_engine.h"
#include "audio/fluid_midi_player.h"
#include "core/music_player.h"
#include "support/qt_test_main.h"

using namespace velko;
using namespace velko::audio;

namespace {

const char* kSink = "velko_test";

// Root mean square of 16-bit stereo samples, 0 for silence.
double loudness(const QByteArray& raw) {
  const qsizetype samples = raw.size() / 2;
  if (samples == 0) return 0;
  std::vector<int16_t> pcm(samples);
  std::memcpy(pcm.data(), raw.constData(), samples * 2);
  double sum = 0;
  for (int16_t s : pcm)
    sum += double(s) * s;
  return std::sqrt(sum / samples);
}

}  // namespace

class SoundServerTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY(QDir::setCurrent(VELKO_GAME_DIR));
    if (QStandardPaths::findExecutable("pulseaudio").isEmpty() ||
        QStandardPaths::findExecutable("parec").isEmpty())
      QSKIP("PulseAudio is not installed (scripts/install-deps.sh installs it)");
    QVERIFY(runtime_.isValid());
    // The player and the tools find the server only through these, never a desktop's own.
    const QByteArray folder = QFile::encodeName(runtime_.path());
    qputenv("XDG_RUNTIME_DIR", folder);
    qputenv("PIPEWIRE_RUNTIME_DIR", folder);
    qputenv("PULSE_SERVER", "unix:" + folder + "/pulse/native");
    qunsetenv("PIPEWIRE_REMOTE");
    QDir(runtime_.path()).mkdir("home");
    qputenv("HOME", folder + "/home");
  }

  void cleanup() { stopServer(); }

  void theMusicReachesTheServer() {
    startServer();
    QProcess recorder;
    const QString recording = runtime_.filePath("recording.raw");
    recorder.setStandardOutputFile(recording);
    recorder.start("parec", {"--device", QString(kSink) + ".monitor", "--raw", "--format=s16le",
                             "--rate=44100", "--channels=2", "--latency-msec=20"});
    QVERIFY(recorder.waitForStarted());

    testing::ScriptedDialog dialog;
    DialogPrompter prompter(dialog);
    FluidEngine engine;  // the game's driver order
    FluidMidiPlayer player(engine, kMusicChannels);
    QVERIFY(startTrack(player, "ind30xg", prompter));
    QVERIFY(dialog.shown.empty());

    // Two seconds of 16-bit stereo at 44.1 kHz, however long the recorder takes to start.
    constexpr qint64 kTwoSeconds = 2 * 44100 * 4;
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(recording).size() >= kTwoSeconds, 10000);
    recorder.terminate();
    QVERIFY(recorder.waitForFinished());
    QFile file(recording);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray sound = file.readAll();
    const double level = loudness(sound.right(kTwoSeconds));
    QVERIFY2(level > 100, qPrintable(QString("recorded level %1").arg(level)));
    player.close();
  }

  void withoutAServerTheGameSaysSoOnceAndGoesOn() {
    if (QFileInfo::exists("/dev/snd") || QFileInfo::exists("/dev/dsp"))
      QSKIP("this machine has a sound device, which the player would rightly use instead");
    testing::ScriptedDialog dialog;
    DialogPrompter prompter(dialog);
    FluidEngine engine;
    FluidMidiPlayer player(engine, kMusicChannels);
    QVERIFY(!startTrack(player, "ind30xg", prompter));
    QCOMPARE(dialog.texts(), std::vector<std::string>{kCannotPlayMessage});
    // Nothing plays, and the player still takes every command.
    QCOMPARE(player.length(), 0L);
    QVERIFY(!player.play());
    replayAtEnd(player);
    player.close();
    QCOMPARE(dialog.shown.size(), size_t(1));
  }

 private:
  void startServer() {
    server_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    server_.start("pulseaudio", {"-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
                                 "--log-target=stderr", "--log-level=error",
                                 "--load=module-native-protocol-unix auth-anonymous=1",
                                 QString("--load=module-null-sink sink_name=") + kSink});
    QVERIFY(server_.waitForStarted());
    // Ready once the server answers.
    for (int i = 0; i < 100; ++i) {
      QProcess ask;
      ask.setStandardOutputFile(QProcess::nullDevice());
      ask.start("pactl", {"info"});
      if (ask.waitForFinished() && ask.exitStatus() == QProcess::NormalExit && ask.exitCode() == 0)
        return;
      QVERIFY2(server_.state() == QProcess::Running, "the sound server stopped at start");
      QTest::qWait(100);
    }
    QFAIL("the sound server did not answer");
  }

  void stopServer() {
    if (server_.state() == QProcess::NotRunning) return;
    server_.terminate();
    QVERIFY(server_.waitForFinished());
  }

  QTemporaryDir runtime_;
  QProcess server_;
};

VELKO_QTEST(SoundServerTest);
#include "sound_server_test.moc"
