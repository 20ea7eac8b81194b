// The four tracks of the game folder, played offline through the game's own player and
// synthesizer: each must sound, have its length (a short blow, themes of a minute or more),
// keep sounding up to its loop point, and stay clear of clipping.

#include <QtTest>
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "audio/fluid_engine.h"
#include "audio/fluid_midi_player.h"
#include "audio/soundfont_path.h"
#include "support/qt_test_main.h"

using namespace velko::audio;

namespace {

constexpr int kRate = 44100;

struct Rendering {
  bool opened = false;
  long lengthMs = 0;
  double rms = 0;
  float peak = 0;
  std::vector<double> secondRms;  // loudness of each whole second
};

std::string trackPath(const QString& track) {
  std::string path = VELKO_GAME_DIR;
  return path.append("/midi/").append(track.toStdString()).append(".mid");
}

// Plays the track from its start to its end as fast as the synthesizer renders.
Rendering render(const QString& track, int channels) {
  FluidEngine engine({.drivers = {}, .fileName = {}, .rendersOffline = true});
  FluidMidiPlayer player(engine, channels);
  Rendering result;
  result.opened = player.open(trackPath(track)) && player.play();
  if (!result.opened) return result;
  result.lengthMs = player.length();

  std::vector<float> left(kRate), right(kRate);
  double total = 0;
  long frames = 0;
  while (player.position() < player.length()) {
    const long remainingMs = player.length() - player.position();
    const int count = static_cast<int>(std::min<long>(kRate, remainingMs * kRate / 1000 + 64));
    engine.render(count, left.data(), right.data());
    double sum = 0;
    for (int i = 0; i < count; ++i) {
      sum += left[i] * left[i] + right[i] * right[i];
      result.peak = std::max({result.peak, std::abs(left[i]), std::abs(right[i])});
    }
    total += sum;
    frames += count;
    if (count == kRate) result.secondRms.push_back(std::sqrt(sum / (2.0 * kRate)));
  }
  result.rms = std::sqrt(total / (2.0 * std::max(frames, 1L)));
  return result;
}

}  // namespace

class ShippedMusicTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QVERIFY2(!findSoundfont().empty(), "no General MIDI soundfont"); }

  void themesSoundForAMinuteAndLoop_data() {
    QTest::addColumn<QString>("track");
    for (const char* track : {"ind30xg", "jzz33xg", "fight"})
      QTest::newRow(track) << QString(track);
  }
  void themesSoundForAMinuteAndLoop() {
    QFETCH(QString, track);
    const Rendering r = render(track, kMusicChannels);
    QVERIFY(r.opened);
    QVERIFY2(r.lengthMs >= 55000 && r.lengthMs <= 95000, qPrintable(QString::number(r.lengthMs)));
    QVERIFY2(r.rms > 0.03, qPrintable(QString::number(r.rms)));
    QVERIFY2(r.peak < 1.0f, qPrintable(QString::number(r.peak)));
    // No silent stretch, and sound right up to the loop point: a gap would be heard at
    // every repeat.
    for (size_t second = 0; second < r.secondRms.size(); ++second)
      QVERIFY2(r.secondRms[second] > 0.01,
               qPrintable(QString("second %1: %2").arg(second).arg(r.secondRms[second])));
  }

  // The blow of damage and the championship's fanfare play on the sound effect's player, once.
  void soundEffectsAreShort_data() {
    QTest::addColumn<QString>("track");
    QTest::addColumn<int>("shortestMs");
    QTest::addColumn<int>("longestMs");
    QTest::newRow("SE") << QString("SE") << 100 << 1000;
    QTest::newRow("fanfare") << QString("fanfare") << 3000 << 6000;
  }
  void soundEffectsAreShort() {
    QFETCH(QString, track);
    QFETCH(int, shortestMs);
    QFETCH(int, longestMs);
    const Rendering r = render(track, kSoundEffectChannels);
    QVERIFY(r.opened);
    QVERIFY2(r.lengthMs > shortestMs && r.lengthMs < longestMs,
             qPrintable(QString::number(r.lengthMs)));
    QVERIFY2(r.rms > 0.03, qPrintable(QString::number(r.rms)));
    QVERIFY2(r.peak < 1.0f, qPrintable(QString::number(r.peak)));
  }
};

VELKO_QTEST(ShippedMusicTest);
#include "shipped_music_test.moc"
