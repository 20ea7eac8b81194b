// The game by keyboard (offscreen platform): Return answers the pattern and move dialogs, and
// the keyboard comes back to the battle screen's next command after them and after a message
// placed over the workshop; the title's buttons take the arrows, Return, Esc and Ctrl+Q; the
// shop's stock and owned parts are reached by Tab and bought and sold by Return; the save
// screen takes digits, Backspace, Return and Esc; every menu has a mnemonic and the usual
// commands their shortcuts; F1 opens the help; the move dialog has no close button; the
// narration marks each step, scrolls by whole lines with the wheel and is read out.

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTextBrowser>
#include <QtTest>

#include "career/game.h"
#include "shop/owned_parts.h"
#include "support/career_fakes.h"
#include "support/qt_test_main.h"
#include "support/scripted_dialog.h"
#include "support/test_career.h"
#include "ui/app/help_window.h"
#include "ui/app/start_up.h"
#include "ui/fight/dialog_action.h"
#include "ui/fight/dialog_move.h"
#include "ui/fight/fight.h"
#include "ui/fight/narration_view.h"
#include "ui/fight_fixture.h"
#include "ui/widgets/dmsg.h"
#include "ui/widgets/qt_message_dialog.h"
#include "ui/widgets/ui_style.h"
#include "ui/workshop/design.h"
#include "ui/workshop/shop.h"
#include "ui/workshop/svld.h"

using namespace velko;
using namespace velko::ui;
using velko::testing::FightGame;
using velko::testing::ModalAnswerer;

namespace {

void press(QWidget* target, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QTest::keyClick(target, key, modifiers);
}

// Return where the dialog has the keyboard; a dialog it leaves open is counted and closed.
void pressReturn(QDialog* dialog, int& leftOpen) {
  QWidget* focused = dialog->focusWidget();
  press(focused ? focused : dialog, Qt::Key_Return);
  if (!dialog->isVisible()) return;
  ++leftOpen;
  dialog->done(QDialog::Accepted);
}

// Tab until `wanted` has the keyboard; false when it never comes.
bool tabTo(QWidget* window, QWidget* wanted) {
  for (int k = 0; k < 12; ++k) {
    if (window->focusWidget() == wanted) return true;
    press(window->focusWidget() ? window->focusWidget() : window, Qt::Key_Tab);
  }
  return window->focusWidget() == wanted;
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
    int moves = 0;
    int leftOpen = 0;
    ModalAnswerer answerer([&](QWidget* modal) {
      // Return picks the first pattern that can be chosen, and moves closer.
      if (auto* dialog = qobject_cast<DialogAction*>(modal)) {
        ++patterns;
        pressReturn(dialog, leftOpen);
      } else if (auto* dialog = qobject_cast<dialogMove*>(modal)) {
        ++moves;
        pressReturn(dialog, leftOpen);
        QCOMPARE(dialog->value(), int16_t(0));
      } else if (auto* message = qobject_cast<DMsg*>(modal)) {
        message->cmdOK()->click();
      }
    });
    fight.show();
    QTRY_VERIFY(fight.ready());
    QTRY_COMPARE(fight.focusWidget(), fight.cmdNext());
    for (int k = 0; k < 40 && (patterns == 0 || moves == 0) && !fight.session().closed(); ++k)
      fight.cmdNext()->click();
    QVERIFY(patterns > 0 || fight.session().closed());
    QCOMPARE(leftOpen, 0);
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

  void theTitleTakesKeys() {
    testing::TestCareer career(3, GameFolder(VELKO_GAME_DIR));
    StartUp title(career.game, career.services.folder);
    title.show();
    QVERIFY(QTest::qWaitForWindowActive(&title));
    QCOMPARE(title.focusWidget(), title.command1(0));
    press(title.focusWidget(), Qt::Key_Down);
    QCOMPARE(title.focusWidget(), title.command1(1));
    press(title.focusWidget(), Qt::Key_Down);
    QCOMPARE(title.focusWidget(), title.cmdQuit());
    press(title.focusWidget(), Qt::Key_Up);
    press(title.focusWidget(), Qt::Key_Up);
    QCOMPARE(title.focusWidget(), title.command1(0));
    press(title.focusWidget(), Qt::Key_Return);
    QCOMPARE(career.nav.workshops, 1);
    QVERIFY(career.state.newGame);
    // Esc and Ctrl+Q quit as Quit does.
    press(title.focusWidget(), Qt::Key_Escape);
    QCOMPARE(career.nav.ends, 1);
    press(title.focusWidget(), Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(career.nav.ends, 2);
  }

  void theShopTakesKeys() {
    testing::TestCareer career(7, GameFolder(VELKO_GAME_DIR));
    career.state.player().Rl = 2000;
    Shop shop(career.state, career.services);
    shop.show();
    QVERIFY(QTest::qWaitForWindowActive(&shop));
    // Tab reaches the stock with its first row chosen; Down chooses the next, Return asks to
    // buy it as a click does, and the shop stays open.
    QVERIFY(tabTo(&shop, shop.List1()));
    QCOMPARE(shop.List1()->currentRow(), 0);
    press(shop.List1(), Qt::Key_Down);
    const QString second = shop.List1()->item(1, 0)->text();
    press(shop.List1(), Qt::Key_Return);
    QCOMPARE(career.dialog.shown.back().request.text, std::string("購入しますか？"));
    QCOMPARE(QString::fromStdString(career.dialog.shown.back().request.caption), second);
    QCOMPARE(shop.ListOwnParts(kListNew)->count(), 1);
    QVERIFY(shop.isVisible());
    // Tab goes on to the new parts; Return asks to give the part back.
    QVERIFY(tabTo(&shop, shop.ListOwnParts(kListNew)));
    press(shop.ListOwnParts(kListNew), Qt::Key_Return);
    QVERIFY(
        QString::fromStdString(career.dialog.shown.back().request.text).endsWith("返品しますか？"));
    QCOMPARE(shop.ListOwnParts(kListNew)->count(), 0);
    QCOMPARE(int(career.state.player().Rl), 2000);
    QVERIFY(shop.isVisible());
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
    // A screen reader reads the whole newest step, from its heading.
    QVERIFY(view->accessibleName().startsWith(QString("―― 第%1手 ――").arg(view->step())));
    QVERIFY(view->accessibleName().endsWith("キック・・・命中！ 24"));
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
