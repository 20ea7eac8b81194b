// The sprite pictures drawn the game's way (mask with SRCERASE, sheet with SRCINVERT) onto
// coloured stages: the stage around a figure is untouched, the figure shows its own colours
// whatever lies beneath, its edge is a dark outline rather than a white halo, and each cell
// holds a whole figure of its own pose.

#include <QTest>

#include <vector>

#include "picture_support.h"
#include "support/qt_test_main.h"

using namespace velko::test;

namespace {

constexpr int kCell = 240;
constexpr int kColumns = 7;
constexpr int kJpegSlack = 6;  // what quality-100 JPEG may move a colour by

const QRgb kStages[] = {qRgb(40, 150, 90), qRgb(200, 60, 170), qRgb(250, 250, 250)};

struct Drawn {
  int inside = 0;
  int strayOutside = 0;    // stage pixels the sprite changed
  int unstableInside = 0;  // figure pixels that depend on the stage
  int offSheet = 0;        // figure pixels that differ from the sheet
  int lightEdge = 0;       // outline pixels that are not dark
  bool touchesBorder = false;
};

bool onEdge(const QImage& mask, QRect cell, int x, int y) {
  const int dx[] = {1, -1, 0, 0};
  const int dy[] = {0, 0, 1, -1};
  for (int k = 0; k < 4; ++k) {
    const int nx = x + dx[k];
    const int ny = y + dy[k];
    if (!cell.contains(nx, ny) || !maskCovers(mask, nx, ny)) return true;
  }
  return false;
}

Drawn drawCell(const QImage& sheet, const QImage& mask, QRect cell) {
  std::vector<QImage> results;
  for (QRgb colour : kStages) {
    QImage stage(cell.size(), QImage::Format_RGB32);
    stage.fill(colour);
    drawSprite(stage, sheet, mask, cell, {0, 0});
    results.push_back(stage);
  }
  Drawn d;
  for (int y = 0; y < cell.height(); ++y) {
    for (int x = 0; x < cell.width(); ++x) {
      const int sx = cell.x() + x;
      const int sy = cell.y() + y;
      if (!maskCovers(mask, sx, sy)) {
        for (int s = 0; s < 3; ++s) {
          if (colourDistance(results[s].pixel(x, y), kStages[s]) > kJpegSlack) ++d.strayOutside;
        }
        continue;
      }
      ++d.inside;
      if (x == 0 || y == 0 || x == cell.width() - 1 || y == cell.height() - 1) {
        d.touchesBorder = true;
      }
      const QRgb first = results[0].pixel(x, y);
      if (colourDistance(first, results[1].pixel(x, y)) > kJpegSlack ||
          colourDistance(first, results[2].pixel(x, y)) > kJpegSlack) {
        ++d.unstableInside;
      }
      if (colourDistance(first, sheet.pixel(sx, sy)) > kJpegSlack) ++d.offSheet;
      if (onEdge(mask, cell, sx, sy) && qGray(first) > 90) ++d.lightEdge;
    }
  }
  return d;
}

// The mask cell as a set of covered pixels, optionally mirrored left to right.
std::vector<bool> coverage(const QImage& mask, QRect cell, bool mirrored) {
  std::vector<bool> out;
  for (int y = 0; y < cell.height(); ++y) {
    for (int x = 0; x < cell.width(); ++x) {
      const int sx = cell.x() + (mirrored ? cell.width() - 1 - x : x);
      out.push_back(maskCovers(mask, sx, cell.y() + y));
    }
  }
  return out;
}

double difference(const std::vector<bool>& a, const std::vector<bool>& b) {
  int differ = 0;
  int either = 0;
  for (size_t i = 0; i < a.size(); ++i) {
    if (a[i] != b[i]) ++differ;
    if (a[i] || b[i]) ++either;
  }
  return either ? double(differ) / either : 0;
}

QImage sheetFor(const QString& name) {
  return loadPicture(name);
}

// Where the game puts the two cells at a distance, and the covered stage columns of a cell.
int cellX(int fighter, int span) {
  return fighter == 0 ? 220 - 10 * span : 240 + 10 * span;
}

std::pair<int, int> coveredColumns(const QImage& mask, QRect cell, int stageX) {
  int left = 10000;
  int right = -1;
  for (int y = 0; y < cell.height(); ++y) {
    for (int x = 0; x < cell.width(); ++x) {
      if (!maskCovers(mask, cell.x() + x, cell.y() + y)) continue;
      left = std::min(left, stageX + x);
      right = std::max(right, stageX + x);
    }
  }
  return {left, right};
}

int centreColumn(const QImage& mask, QRect cell, int stageX) {
  qint64 sum = 0;
  int n = 0;
  for (int y = 0; y < cell.height(); ++y) {
    for (int x = 0; x < cell.width(); ++x) {
      if (!maskCovers(mask, cell.x() + x, cell.y() + y)) continue;
      sum += stageX + x;
      ++n;
    }
  }
  return n ? int(sum / n) : -1;
}

}  // namespace

class SpriteDrawingTest : public QObject {
  Q_OBJECT

 private slots:
  void dollCellsDrawCleanly_data() {
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<QString>("mask");
    QTest::newRow("warrior") << "VELKO01.jpg"
                             << "VELKO01M.jpg";
    QTest::newRow("female") << "VELKO0201.jpg"
                            << "VELKO02M.jpg";
    QTest::newRow("female black") << "VELKO0202.jpg"
                                  << "VELKO02M.jpg";
  }

  void dollCellsDrawCleanly() {
    QFETCH(QString, sheet);
    QFETCH(QString, mask);
    const QImage s = sheetFor(sheet);
    const QImage m = sheetFor(mask);
    for (int row = 0; row < 2; ++row) {
      for (int column = 0; column < kColumns; ++column) {
        const QRect cell(column * kCell, row * kCell, kCell, kCell);
        const Drawn d = drawCell(s, m, cell);
        const QString where = QString("row %1 column %2").arg(row).arg(column);
        QVERIFY2(d.inside > 4000, qPrintable(where + ": no figure"));
        QVERIFY2(!d.touchesBorder, qPrintable(where + ": figure cut by the cell"));
        QVERIFY2(d.strayOutside == 0,
                 qPrintable(where + QString(": %1 stage pixels changed").arg(d.strayOutside)));
        QVERIFY2(
            d.unstableInside == 0,
            qPrintable(where + QString(": %1 figure pixels show the stage").arg(d.unstableInside)));
        QVERIFY2(d.offSheet == 0, qPrintable(where + ": figure differs from the sheet"));
        QVERIFY2(d.lightEdge == 0,
                 qPrintable(where + QString(": %1 light pixels on the outline").arg(d.lightEdge)));
      }
    }
  }

  void hitEffectDrawsCleanly() {
    const Drawn d = drawCell(sheetFor("effect.jpg"), sheetFor("effect_m.jpg"), {0, 0, 40, 40});
    QVERIFY(d.inside > 300);
    QVERIFY(!d.touchesBorder);
    QCOMPARE(d.strayOutside, 0);
    QCOMPARE(d.unstableInside, 0);
    QCOMPARE(d.lightEdge, 0);
  }

  // Row 240 is the same Doll turned to face left; every column is a pose of its own.
  void rowsFaceEachOtherAndPosesDiffer_data() {
    QTest::addColumn<QString>("mask");
    QTest::newRow("warrior") << "VELKO01M.jpg";
    QTest::newRow("female") << "VELKO02M.jpg";
  }

  void rowsFaceEachOtherAndPosesDiffer() {
    QFETCH(QString, mask);
    const QImage m = sheetFor(mask);
    std::vector<std::vector<bool>> poses;
    for (int column = 0; column < kColumns; ++column) {
      const QRect right(column * kCell, 0, kCell, kCell);
      const QRect left(column * kCell, kCell, kCell, kCell);
      poses.push_back(coverage(m, right, false));
      QVERIFY2(difference(poses.back(), coverage(m, left, true)) < 0.01,
               qPrintable(QString("column %1 is not mirrored").arg(column)));
    }
    for (int a = 0; a < kColumns; ++a) {
      for (int b = a + 1; b < kColumns; ++b) {
        QVERIFY2(difference(poses[a], poses[b]) > 0.2,
                 qPrintable(QString("columns %1 and %2 look alike").arg(a).arg(b)));
      }
    }
  }

  // Placed the game's way, a punch or kick at distance 0 lands past the middle of the standing
  // opponent, and the Dolls at distance 10 stand clear of each other.
  void strikesLandAtContactAndDollsStandApart_data() {
    QTest::addColumn<QString>("mask");
    QTest::newRow("warrior") << "VELKO01M.jpg";
    QTest::newRow("female") << "VELKO02M.jpg";
  }

  void strikesLandAtContactAndDollsStandApart() {
    QFETCH(QString, mask);
    const QImage m = sheetFor(mask);
    const QRect standingRight(0, 0, kCell, kCell);
    const QRect standingLeft(0, kCell, kCell, kCell);
    const int opponent = centreColumn(m, standingLeft, cellX(1, 0));
    for (int column : {2, 3}) {
      const QRect strike(column * kCell, 0, kCell, kCell);
      QVERIFY2(coveredColumns(m, strike, cellX(0, 0)).second > opponent,
               qPrintable(QString("column %1 falls short").arg(column)));
    }
    // The mirrored row strikes the other way just as far.
    const int leftDoll = centreColumn(m, standingRight, cellX(0, 0));
    QVERIFY(coveredColumns(m, QRect(2 * kCell, kCell, kCell, kCell), cellX(1, 0)).first < leftDoll);
    QVERIFY(coveredColumns(m, standingRight, cellX(0, 10)).second <
            coveredColumns(m, standingLeft, cellX(1, 10)).first);
  }

  // The black armour variant shares the mask and differs only in colour: darker overall.
  void blackVariantIsDarker() {
    const QImage white = sheetFor("VELKO0201.jpg");
    const QImage black = sheetFor("VELKO0202.jpg");
    const QImage mask = sheetFor("VELKO02M.jpg");
    qint64 whiteSum = 0;
    qint64 blackSum = 0;
    for (int y = 0; y < kCell; ++y) {
      for (int x = 0; x < kCell; ++x) {
        if (!maskCovers(mask, x, y)) continue;
        whiteSum += qGray(white.pixel(x, y));
        blackSum += qGray(black.pixel(x, y));
      }
    }
    QVERIFY(blackSum * 2 < whiteSum);
  }
};

VELKO_QTEST(SpriteDrawingTest);
#include "sprite_drawing_test.moc"
