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

#include "career/game.h"
#include "support/career_fakes.h"
#include "support/qt_test_main.h"
#include "support/recorded_fights.h"
#include "support/screenshots.h"
#include "ui/app/help_window.h"
#include "ui/app/start_up.h"
#include "ui/fight/dialog_action.h"
#include "ui/fight/dialog_move.h"
#include "ui/fight/fight.h"
#include "ui/fight/frm_tornament.h"
#include "ui/fight_fixture.h"
#include "ui/lab/inspector.h"
#include "ui/lab/lab_screen.h"
#include "ui/lab/replay_list.h"
#include "ui/program/program.h"
#include "ui/widgets/dmsg.h"
#include "ui/widgets/screen_fit.h"
#include "ui/widgets/ui_style.h"
#include "ui/workshop/design.h"
#include "ui/workshop/f_char_make.h"
#include "ui/workshop/shop.h"
#include "ui/workshop/svld.h"

using namespace velko;
using namespace velko::ui;

namespace {

using Make = std::function<std::unique_ptr<QWidget>()>;

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

  std::unique_ptr<testing::FightGame> game;
  std::unique_ptr<testing::HeadlessNavigator> nav;
  std::unique_ptr<Game> rules;
  FightRecording recording;
  Bracket bracket;

  std::vector<std::pair<QString, Make>> windows() {
    auto& s = game->state;
    auto& v = game->services;
    return {
        {"title", [&] { return std::make_unique<StartUp>(*rules, v.folder); }},
        {"player-creation", [&] { return std::make_unique<FCharMake>(s, v); }},
        {"save-load", [&] { return std::make_unique<SVLD>(1, v.folder, game->prompter); }},
        {"workshop", [&] { return std::make_unique<Design>(*rules, v); }},
        {"shop", [&] { return std::make_unique<Shop>(s, v); }},
        {"program", [&] { return std::make_unique<Program>(s, v); }},
        {"fight",
         [&] { return std::make_unique<Fight>(s, v, kModeStreet, "Novice", game->soundEffects); }},
        {"pattern", [&] { return std::make_unique<DialogAction>(12, true, game->prompter); }},
        {"move", [&] { return std::make_unique<dialogMove>(3); }},
        {"bracket", [&] { return std::make_unique<frmTornament>(bracket); }},
        {"lab", [&] { return std::make_unique<LabScreen>(s, v); }},
        {"inspector", [&] { return std::make_unique<Inspector>(recording, v.folder); }},
        {"records", [&] { return std::make_unique<ReplayList>(v.folder, game->prompter); }},
        {"help", [&] { return std::make_unique<HelpWindow>(nullptr); }},
        {"message", [&] {
           auto dialog = std::make_unique<DMsg>();
           dialog->setDialog("セーブしていませんが、よろしいですか？");
           return dialog;
         }}};
  }

 private slots:
  void initTestCase() {
    applyGameStyle(*qApp);
    QCOMPARE(QGuiApplication::screens().size(), 3);
    game = std::make_unique<testing::FightGame>();
    nav = std::make_unique<testing::HeadlessNavigator>(game->state, game->services);
    rules = std::make_unique<Game>(game->state, game->services, *nav);
    SeededRandom dolls(21);
    recording = testing::recordFight(*testing::randomDoll(dolls, "ヴェルコ"),
                                     *testing::randomDoll(dolls, "ブラム"), kModeStreet, 77)
                    .recording;
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
    for (const auto& [name, make] : windows()) {
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
