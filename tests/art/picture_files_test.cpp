// Every picture the game opens exists under img/ (and img/en/ for the English game) with the
// name, format and size it expects, and every mask is strictly black and white.

#include <QFile>
#include <QImageReader>
#include <QTest>

#include "picture_support.h"
#include "support/qt_test_main.h"

using velko::test::loadPicture;
using velko::test::picturePath;

class PictureFilesTest : public QObject {
  Q_OBJECT

 private slots:
  void hasNameFormatAndSize_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QSize>("size");
    const QSize sheet(240 * 7, 480);
    for (const char* name :
         {"VELKO01.jpg", "VELKO01M.jpg", "VELKO0201.jpg", "VELKO0202.jpg", "VELKO02M.jpg"}) {
      QTest::newRow(name) << QString(name) << QByteArray("jpeg") << sheet;
    }
    // The pictures with painted words, and their English twins.
    for (const char* name : {"VELKO01S.jpg", "VELKO0201S.jpg", "VELKO0202S.jpg", "en/VELKO01S.jpg",
                             "en/VELKO0201S.jpg", "en/VELKO0202S.jpg"}) {
      QTest::newRow(name) << QString(name) << QByteArray("jpeg") << QSize(240, 320);
    }
    QTest::newRow("en/stage") << QString("en/stage.jpg") << QByteArray("jpeg") << QSize(800, 400);
    QTest::newRow("effect") << QString("effect.jpg") << QByteArray("jpeg") << QSize(40, 40);
    QTest::newRow("effect mask") << QString("effect_m.jpg") << QByteArray("jpeg") << QSize(40, 40);
    QTest::newRow("stage") << QString("stage.jpg") << QByteArray("jpeg") << QSize(800, 400);
    QTest::newRow("chips") << QString("icon0.bmp") << QByteArray("bmp") << QSize(28 * 13, 28);
    for (int size : {48, 64, 128, 256}) {
      const QString name = QString("velko-icon-%1.png").arg(size);
      QTest::newRow(qPrintable(name)) << name << QByteArray("png") << QSize(size, size);
    }
  }

  // The desktop draws the icon on its own background: the tile's rounded corners are clear.
  void iconCornersAreClear() {
    for (int size : {48, 256}) {
      const QImage icon(picturePath(QString("velko-icon-%1.png").arg(size)));
      QVERIFY(icon.hasAlphaChannel());
      QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
      QCOMPARE(qAlpha(icon.pixel(size / 2, size / 2)), 255);
    }
  }

  void hasNameFormatAndSize() {
    QFETCH(QString, name);
    QFETCH(QByteArray, format);
    QFETCH(QSize, size);
    QVERIFY2(QFile::exists(picturePath(name)), qPrintable(picturePath(name)));
    // Judge the format by the file's content, as a Windows picture loader would.
    QImageReader reader(picturePath(name));
    reader.setDecideFormatFromContent(true);
    QCOMPARE(reader.format(), format);
    QCOMPARE(reader.size(), size);
  }

  // A grey pixel in a mask would XOR stray bits into the stage.
  void masksAreBlackAndWhite_data() {
    QTest::addColumn<QString>("name");
    for (const char* name : {"VELKO01M.jpg", "VELKO02M.jpg", "effect_m.jpg"}) {
      QTest::newRow(name) << QString(name);
    }
  }

  void masksAreBlackAndWhite() {
    QFETCH(QString, name);
    const QImage mask = loadPicture(name);
    int black = 0;
    for (int y = 0; y < mask.height(); ++y) {
      for (int x = 0; x < mask.width(); ++x) {
        const QRgb px = mask.pixel(x, y);
        const int lo = std::min({qRed(px), qGreen(px), qBlue(px)});
        const int hi = std::max({qRed(px), qGreen(px), qBlue(px)});
        if (hi > 8 && lo < 247) QFAIL(qPrintable(QString("grey at %1,%2").arg(x).arg(y)));
        if (hi <= 8) ++black;
      }
    }
    QVERIFY(black > 0);
  }
};

VELKO_QTEST(PictureFilesTest);
#include "picture_files_test.moc"
