// Every window on small screens (offscreen platform with three screens: 1024x768, 1280x720 and
// 2560x1600 at twice the scale): a window the screen holds keeps its designed size; any other
// fits the available area, and every control in it can be scrolled into view on the screen.

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QSlider>
#include <QtTest>
#include <functional>
#include <memory>

#include "support/every_window.h"
#include "support/qt_test_main.h"
#include "support/screenshots.h"
#include "ui/widgets/screen_fit.h"
#include "ui/widgets/ui_style.h"

using namespace velko;
using namespace velko::ui;

namespace {

bool isControl(const QWidget* widget) {
  return qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QComboBox*>(widget) ||
         qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QSlider*>(widget) ||
         (qobject_cast<const QAbstractScrollArea*>(widget) &&
          widget->objectName() != "screenFitScroll");
}

// A control inside a list or text view of the window is reached through that view.
bool insideView(const QWidget* control, const QWidget* window) {
  for (const QWidget* up = control->parentWidget(); up && up != window; up = up->parentWidget()) {
    if (qobject_cast<const QAbstractScrollArea*>(up) && up->objectName() != "screenFitScroll")
      return true;
  }
  return false;
}

QRect onScreen(const QWidget* widget) {
  return {widget->mapToGlobal(QPoint(0, 0)), widget->size()};
}

// What of the window the player sees: its inside, less what its scroll area hides.
QRect seenPart(QWidget& window) {
  if (auto* scroll = window.findChild<QScrollArea*>("screenFitScroll"))
    return onScreen(scroll->viewport());
  return onScreen(&window);
}

}  // namespace

class SmallScreensTest : public QObject {
  Q_OBJECT

  std::unique_ptr<testing::EveryWindow> every;

 private slots:
  void initTestCase() {
    applyGameStyle(*qApp);
    QCOMPARE(QGuiApplication::screens().size(), 3);
    every = std::make_unique<testing::EveryWindow>();
  }

  void everyControlOfEveryWindowCanBeReached_data() {
    QTest::addColumn<int>("screen");
    QTest::newRow("1024x768") << 0;
    QTest::newRow("1280x720") << 1;
    QTest::newRow("2x") << 2;
  }

  void everyControlOfEveryWindowCanBeReached() {
    QFETCH(int, screen);
    QScreen* target = QGuiApplication::screens()[screen];
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
      if (screen == 2) QVERIFY2(window->size() == designed, qPrintable(what));
      auto* scroll = window->findChild<QScrollArea*>("screenFitScroll");
      // Moving the controls into a scroll area must not leave the keyboard on the scroll area.
      QVERIFY2(!scroll || window->focusWidget() != scroll, qPrintable(what));
      for (QWidget* control : window->findChildren<QWidget*>()) {
        if (!isControl(control) || !control->isVisibleTo(window.get())) continue;
        if (insideView(control, window.get())) continue;
        if (scroll) scroll->ensureWidgetVisible(control, 0, 0);
        const QString where =
            what + ": " + control->objectName() + " " + control->metaObject()->className();
        QVERIFY2(seenPart(*window).contains(onScreen(control)),
                 qPrintable(where + QString(" %1,%2 %3x%4 in %5,%6 %7x%8")
                                        .arg(onScreen(control).x())
                                        .arg(onScreen(control).y())
                                        .arg(control->width())
                                        .arg(control->height())
                                        .arg(seenPart(*window).x())
                                        .arg(seenPart(*window).y())
                                        .arg(seenPart(*window).width())
                                        .arg(seenPart(*window).height())));
      }
      testing::saveScreen(*window,
                          "small-" + QString(QTest::currentDataTag()) + "-" + name + ".png");
      window->close();
    }
  }
};

VELKO_QTEST(SmallScreensTest);
#include "small_screens_test.moc"
