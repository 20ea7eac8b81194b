// The workshop pictures: the same maintenance bay behind three different Dolls, the black
// armour variant plainly darker than the white one.

#include <QTest>

#include "picture_support.h"
#include "support/qt_test_main.h"

using namespace velko::test;

namespace {

double meanDifference(const QImage& a, const QImage& b, QRect area) {
  qint64 sum = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x)
      sum += colourDistance(a.pixel(x, y), b.pixel(x, y));
  }
  return double(sum) / (area.width() * area.height());
}

double meanGrey(const QImage& image, QRect area) {
  qint64 sum = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x)
      sum += qGray(image.pixel(x, y));
  }
  return double(sum) / (area.width() * area.height());
}

}  // namespace

class WorkshopPictureTest : public QObject {
  Q_OBJECT

 private slots:
  void sameBayDifferentDolls() {
    const QImage warrior = loadPicture("VELKO01S.jpg");
    const QImage white = loadPicture("VELKO0201S.jpg");
    const QImage black = loadPicture("VELKO0202S.jpg");
    const QSize size = warrior.size();
    const QRect corners[] = {{0, 0, 20, 20},
                             {size.width() - 20, 0, 20, 20},
                             {0, size.height() - 20, 20, 20},
                             {size.width() - 20, size.height() - 20, 20, 20}};
    for (const QRect& corner : corners) {
      QVERIFY(meanDifference(warrior, white, corner) < 3);
      QVERIFY(meanDifference(white, black, corner) < 3);
    }
    // The Doll stands in the middle: its body is where the pictures differ.
    const QRect body(size.width() / 2 - 25, size.height() / 3, 50, size.height() / 3);
    QVERIFY(meanDifference(warrior, white, body) > 30);
    QVERIFY(meanGrey(black, body) + 60 < meanGrey(white, body));
  }
};

VELKO_QTEST(WorkshopPictureTest);
#include "workshop_picture_test.moc"
