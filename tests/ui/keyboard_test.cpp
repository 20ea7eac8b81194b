// The game by keyboard (offscreen platform): the keyboard comes back to the battle screen's
// next command after the pattern dialog and after a message placed over the workshop; the
// save screen takes digits, Backspace, Return and Esc; every menu has a mnemonic and the
// usual commands their shortcuts; F1 opens the help; the move dialog has no close button;
// the narration marks each step and scrolls by whole lines with the wheel.

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTextBrowser>
#include <QtTest>

#include "career/game.h"
#include "support/career_fakes.h"
#include "support/qt_test_main.h"
#include "support/scripted_dialog.h"
#include "support/test_career.h"
#include "ui/app/help_window.h"
#include "ui/fight/dialog_action.h"
#include "ui/fight/dialog_move.h"
#include "ui/fight/fight.h"
#include "ui/fight/narration_view.h"
#include "ui/fight_fixture.h"
#include "ui/widgets/dmsg.h"
#include "ui/widgets/qt_message_dialog.h"
#include "ui/widgets/ui_style.h"
#include "ui/workshop/design.h"
#include "ui/workshop/svld.h"

using namespace velko;
using namespace velko::ui;
using velko::testing::FightGame;
using velko::testing::ModalAnswerer;

namespace {

void pickFirstWhite(DialogAction* dialog) {
  for (int row = 0; row < 6; ++row) {
    if (dialog->dspPattern(row)->styleSheet().contains("#c0c0c0")) continue;
    dialog->dspPattern(row)->click();
    return;
  }
  dialog->cmdCancel()->click();
}

void press(QWidget* target, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QTest::keyClick(target, key, modifiers);
}

}  // namespace

class KeyboardTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { applyGameStyle(*qApp); }

  void theNextCommandHasTheKeyboardAfterEveryDialog() {
    FightGame game;
    game.state.guideOn = false;
    QWidget workshop;
    workshop.setGeometry(40, 40, 900, 600);
    workshop.show();
    Fight fight(game.state, game.services, kModeStreet, "Novice", game.soundEffects);
    int patterns = 0;
    ModalAnswerer answerer([&](QWidget* modal) {
      if (auto* dialog = qobject_cast<DialogAction*>(modal)) {
        ++patterns;
        pickFirstWhite(dialog);
      } else if (auto* dialog = qobject_cast<dialogMove*>(modal)) {
        dialog->Command1(0)->click();
      } else if (auto* message = qobject_cast<DMsg*>(modal)) {
        message->cmdOK()->click();
      }
    });
    fight.show();
    QTRY_VERIFY(fight.ready());
    QTRY_COMPARE(fight.focusWidget(), fight.cmdNext());
    for (int k = 0; k < 40 && patterns == 0 && !fight.session().closed(); ++k)
      fight.cmdNext()->click();
    QVERIFY(patterns > 0 || fight.session().closed());
    if (fight.session().closed()) return;
    QTRY_COMPARE(QApplication::activeWindow(), &fight);
    QCOMPARE(fight.focusWidget(), fight.cmdNext());
    // Return goes straight to the next step.
    const int step = fight.narration()->step();
    press(fight.focusWidget(), Qt::Key_Return);
    QCOMPARE(fight.narration()->step(), step + 1);

    // A message the game places over the workshop gives the keyboard back to the fight.
    QtMessageDialog overWorkshop(&workshop);
    DialogPrompter prompter(overWorkshop);
    prompter.notify("臨時収入が 300Rl入った");
    QTRY_COMPARE(QApplication::activeWindow(), &fight);
    QCOMPARE(fight.focusWidget(), fight.cmdNext());
    fight.cmdTap()->click();
    QTRY_VERIFY(!fight.isVisible());
  }

  void theSaveScreenTakesKeys() {
    testing::ScriptedDialog dialog;
    DialogPrompter prompter(dialog);
    SVLD screen(1, GameFolder(), prompter);
    screen.show();
    press(&screen, Qt::Key_1);
    press(&screen, Qt::Key_2);
    press(&screen, Qt::Key_7, Qt::KeypadModifier);
    QCOMPARE(screen.labNum()->text(), QString("save127"));
    press(&screen, Qt::Key_Backspace);
    QCOMPARE(screen.labNum()->text(), QString("save12"));
    press(&screen, Qt::Key_Return);  // 決定: the question, then the slot
    QVERIFY(!dialog.shown.empty());
    QVERIFY(screen.value());
    QCOMPARE(screen.svNum(), int16_t(12));

    SVLD back(2, GameFolder(), prompter);
    back.show();
    press(&back, Qt::Key_3);
    press(&back, Qt::Key_Escape);  // 戻る
    QVERIFY(!back.isVisible());
    QVERIFY(!back.value());
  }

  void menusHaveMnemonicsShortcutsAndHelp() {
    testing::TestCareer career(3, GameFolder(VELKO_GAME_DIR));
    Design design(career.game, career.services);
    design.refresh();
    for (QAction* top : design.menuBar()->actions()) {
      QVERIFY2(top->text().contains("(&"), qPrintable(top->text()));
      QSet<QChar> keys;
      for (QAction* entry : top->menu()->actions()) {
        if (entry->isSeparator() || !entry->isVisible()) continue;
        const qsizetype at = entry->text().indexOf("(&");
        QVERIFY2(at >= 0, qPrintable(entry->text()));
        // Two visible entries of one menu never share their letter.
        QVERIFY2(!keys.contains(entry->text().at(at + 2)), qPrintable(entry->text()));
        keys.insert(entry->text().at(at + 2));
      }
    }
    QCOMPARE(design.menu("mnSave")->shortcut(), QKeySequence(QKeySequence::Save));
    QCOMPARE(design.menu("mnLoad")->shortcut(), QKeySequence(QKeySequence::Open));
    QCOMPARE(design.menu("mnEnd")->shortcut(), QKeySequence(QKeySequence::Quit));
    QCOMPARE(design.menu("mnHelp")->shortcut(), QKeySequence(Qt::Key_F1));

    design.show();
    QVERIFY(QTest::qWaitForWindowActive(&design));
    press(&design, Qt::Key_F1);
    auto* help = design.findChild<HelpWindow*>();
    QVERIFY(help);
    QTRY_VERIFY(help->isVisible());
    const QString text = help->text()->toPlainText();
    for (const char* topic : {"行動ポイント", "イニシアチヴ", "組み", "投げ", "転倒", "Novice",
                              "Expert", "Master", "修理", "壊れ", "2015年1月1日"})
      QVERIFY2(text.contains(topic), topic);
    testing::saveScreen(*help, "help.png");
    press(help, Qt::Key_Escape);
    QVERIFY(!help->isVisible());
  }

  void theMoveDialogHasNoCloseButton() {
    dialogMove dialog(3);
    QVERIFY(!dialog.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(dialog.windowFlags().testFlag(Qt::WindowTitleHint));
  }

  void theNarrationMarksEachStepAndScrollsByLines() {
    FightGame game;
    testing::PatternPicker picker(0);
    Fight fight(game.state, game.services, kModeStreet, "Novice", game.soundEffects, picker,
                picker);
    fight.show();
    QTRY_VERIFY(fight.ready());
    NarrationView* view = fight.narration();
    // Presses until an initiative is won: the labels say who acts first, and the narration
    // holds the rules' own text only (the inspector notes the winner, the fight does not).
    const auto won = [&fight] {
      for (const char* name : {"dspInitiative0", "dspInitiative1"})
        if (fight.findChild<QLabel*>(name)->text() == "先手") return true;
      return false;
    };
    QString shown;
    for (int k = 0; k < 20 && !won(); ++k) {
      fight.cmdNext()->click();
      shown = view->visibleText().join('\n');
    }
    QVERIFY(won());
    QVERIFY2(!shown.contains("先手"), qPrintable(shown));
    QVERIFY(shown.contains(QString("第%1手").arg(view->step())));
    testing::saveScreen(fight, "fight-step-marks.png");

    // A long step: its last lines can be brought into view, by the wheel as by the buttons.
    std::string log;
    for (int line = 1; line <= 24; ++line)
      log += "キック・・・命中！ " + std::to_string(line) + "\r\n";
    view->beginStep();
    fight.dspMsg(log);
    const int first = view->firstLine();
    QWheelEvent down(QPointF(10, 10), view->mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, -120),
                     Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view, &down);
    QCOMPARE(view->firstLine(), first + QApplication::wheelScrollLines());
    // Whole lines only: every line in view is shown completely.
    QVERIFY(view->visibleLines() * view->lineHeight() <= view->height());
    QCOMPARE(view->visibleText().size(), view->visibleLines());
    for (int k = 0; k < 20; ++k)
      QApplication::sendEvent(view, &down);
    QCOMPARE(view->visibleText().last(), QString("キック・・・命中！ 24"));
    testing::saveScreen(fight, "fight-narration.png");
    fight.cmdTap()->click();
  }
};

VELKO_QTEST(KeyboardTest);
#include "keyboard_test.moc"
