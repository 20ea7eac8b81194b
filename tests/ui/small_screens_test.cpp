// Every window on small screens (offscreen platform with four screens: 1024x768, 1366x768,
// 1280x720 and 2560x1600 at twice the scale): a window the screen holds keeps its designed
// size; any other fits the available area whole, by its layout or drawn smaller, and is never
// scrolled: every control, picture and bar shows whole inside what holds it and the screen.

#include <QAbstractScrollArea>
#include <QApplication>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>
#include <functional>
#include <memory>

#include "support/every_window.h"
#include "support/qt_test_main.h"
#include "support/screenshots.h"
#include "ui/widgets/screen_fit.h"
#include "ui/widgets/ui_style.h"
#include "ui/widgets/window_scale.h"

using namespace velko;
using namespace velko::ui;

namespace {

// What stands inside a list or text view of the window is reached through that view.
bool insideView(const QWidget* control, const QWidget* window) {
  for (const QWidget* up = control->parentWidget(); up && up != window; up = up->parentWidget()) {
    if (qobject_cast<const QAbstractScrollArea*>(up)) return true;
  }
  return false;
}

// A scroll bar for the rows of a list, a table or a text; not one that scrolls controls.
bool scrollsRows(const QScrollBar* bar) {
  for (const QWidget* up = bar->parentWidget(); up; up = up->parentWidget()) {
    if (qobject_cast<const QAbstractScrollArea*>(up)) return !qobject_cast<const QScrollArea*>(up);
  }
  return false;
}

QRect onScreen(const QWidget* widget) {
  return {widget->mapToGlobal(QPoint(0, 0)), widget->size()};
}

// The first of the widget's parents that cuts it off, or none.
const QWidget* cutBy(const QWidget* widget, const QWidget* window) {
  for (const QWidget* up = widget->parentWidget(); up; up = up->parentWidget()) {
    if (!onScreen(up).contains(onScreen(widget))) return up;
    if (up == window) break;
  }
  return nullptr;
}

// The mean lightness of what the window shows, 0 (black) to 255 (white).
int meanLightness(QWidget& window) {
  const QImage image = window.grab().toImage();
  qint64 sum = 0;
  qint64 count = 0;
  for (int y = 0; y < image.height(); y += 4) {
    for (int x = 0; x < image.width(); x += 4) {
      sum += image.pixelColor(x, y).lightness();
      ++count;
    }
  }
  return count > 0 ? static_cast<int>(sum / count) : 0;
}

QString place(const QRect& r) {
  return QString("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

}  // namespace

class SmallScreensTest : public QObject {
  Q_OBJECT

  std::unique_ptr<testing::EveryWindow> every;

 private slots:
  void initTestCase() {
    applyGameStyle(*qApp);
    QCOMPARE(QGuiApplication::screens().size(), 4);
    every = std::make_unique<testing::EveryWindow>();
  }

  void everyWindowShowsWholeWithoutScrolling_data() {
    // The screens by their names in small_screens.json.
    QTest::addColumn<QString>("screen");
    QTest::newRow("1024x768") << "1024x768";
    QTest::newRow("1366x768") << "1366x768";
    QTest::newRow("1280x720") << "1280x720";
    QTest::newRow("2x") << "2560x1600 at 2x";
  }

  void everyWindowShowsWholeWithoutScrolling() {
    QFETCH(QString, screen);
    QScreen* target = nullptr;
    for (QScreen* s : QGuiApplication::screens())
      if (s->name() == screen) target = s;
    QVERIFY(target != nullptr);
    const bool twice = screen.endsWith("2x");
    const QRect area = target->availableGeometry();
    for (const auto& [name, make] : every->windows()) {
      std::unique_ptr<QWidget> window = make();
      // A window without a size of its own takes its layout's, as showing it would.
      if (!window->testAttribute(Qt::WA_Resized)) window->adjustSize();
      const QSize designed = window->size();
      window->setScreen(target);
      window->move(area.topLeft() + QPoint(40, 30));
      testing::settle(*window);
      const QString what = name + " on " + QTest::currentDataTag();
      QCOMPARE(window->screen(), target);
      const QSize outer = window->size() + QSize(12, 40);
      QVERIFY2(area.contains(QRect(window->pos(), outer)), qPrintable(what));
      // Twice the scale on a large screen holds every window as it is designed.
      if (twice) QVERIFY2(window->size() == designed, qPrintable(what));
      // The smallest laptop screen shows every window at its designed scale.
      if (screen == "1366x768") {
        QVERIFY2(windowScale(window.get()) == 1.0, qPrintable(what));
        // One dark look for every window: each is darker than middle grey as a whole.
        const int lightness = meanLightness(*window);
        QVERIFY2(lightness < 128, qPrintable(what + QString(": lightness %1").arg(lightness)));
      }
      // Only the rows of a list or a text scroll; never the window, nor a table's columns.
      for (const QScrollBar* bar : window->findChildren<QScrollBar*>()) {
        if (!bar->isVisibleTo(window.get())) continue;
        QVERIFY2(bar->orientation() == Qt::Vertical && scrollsRows(bar),
                 qPrintable(what + ": a scroll bar in " + bar->parentWidget()->objectName() + " " +
                            bar->parentWidget()->parentWidget()->objectName()));
      }
      // Everything shown (controls, pictures, bars) stands whole inside what holds it.
      for (QWidget* control : window->findChildren<QWidget*>()) {
        if (control->isWindow() || !control->isVisibleTo(window.get())) continue;
        if (insideView(control, window.get())) continue;
        const QString where =
            what + ": " + control->objectName() + " " + control->metaObject()->className();
        const QWidget* cut = cutBy(control, window.get());
        QVERIFY2(!cut, qPrintable(where + " " + place(onScreen(control)) + " cut off by " +
                                  (cut ? cut->objectName() + " " + place(onScreen(cut)) : "")));
        QVERIFY2(area.contains(onScreen(control)), qPrintable(where));
      }
      testing::saveScreen(*window,
                          "small-" + QString(QTest::currentDataTag()) + "-" + name + ".png");
      window->close();
    }
  }
};

VELKO_QTEST(SmallScreensTest);
#include "small_screens_test.moc"
