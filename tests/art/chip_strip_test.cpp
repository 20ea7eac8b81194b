// The program editor's chip strip: thirteen 28 x 28 tiles (eleven actions, the trash can,
// the empty slot), each a picture of its own, the action chips carrying a light pictogram.

#include <QTest>

#include "picture_support.h"
#include "support/qt_test_main.h"

using namespace velko::test;

namespace {

constexpr int kChip = 28;
constexpr int kTiles = 13;

QImage tile(const QImage& strip, int k) {
  return strip.copy(k * kChip, 0, kChip, kChip);
}

qint64 tileDifference(const QImage& a, const QImage& b) {
  qint64 sum = 0;
  for (int y = 0; y < kChip; ++y) {
    for (int x = 0; x < kChip; ++x)
      sum += colourDistance(a.pixel(x, y), b.pixel(x, y));
  }
  return sum;
}

// Light pixels inside the chip's rim (its round corners show the window behind).
int lightPixels(const QImage& t) {
  int n = 0;
  for (int y = 3; y < kChip - 3; ++y) {
    for (int x = 3; x < kChip - 3; ++x) {
      if (qGray(t.pixel(x, y)) > 220) ++n;
    }
  }
  return n;
}

}  // namespace

class ChipStripTest : public QObject {
  Q_OBJECT

 private slots:
  void tilesAreDistinct() {
    const QImage strip = loadPicture("icon0.bmp");
    QCOMPARE(strip.size(), QSize(kChip * kTiles, kChip));
    for (int a = 0; a < kTiles; ++a) {
      for (int b = a + 1; b < kTiles; ++b) {
        // At least a tenth of the tile's pixels clearly different.
        QVERIFY2(tileDifference(tile(strip, a), tile(strip, b)) > 78 * 40,
                 qPrintable(QString("tiles %1 and %2 look alike").arg(a).arg(b)));
      }
    }
  }

  void actionChipsCarryAPictogramAndTheEmptySlotNone() {
    const QImage strip = loadPicture("icon0.bmp");
    for (int k = 0; k < 12; ++k) {
      QVERIFY2(lightPixels(tile(strip, k)) > 40, qPrintable(QString("tile %1 is blank").arg(k)));
    }
    QCOMPARE(lightPixels(tile(strip, 12)), 0);
  }
};

VELKO_QTEST(ChipStripTest);
#include "chip_strip_test.moc"
