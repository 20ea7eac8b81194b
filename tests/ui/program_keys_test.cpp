// The program editor's undo and redo buttons and shortcuts, the row copy, placing chips with
// the keyboard and Return on a focused button, on the built game folder (offscreen platform); a
// screenshot.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "career/career_state.h"
#include "core/random.h"
#include "data/catalogue/catalogue.h"
#include "support/career_fakes.h"
#include "support/qt_test_main.h"
#include "support/screenshots.h"
#include "support/scripted_dialog.h"
#include "support/starter_doll.h"
#include "support/test_career.h"
#include "ui/program/program.h"
#include "ui/program/program_chip.h"

using namespace velko;
using namespace velko::ui;

class ProgramKeysTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QApplication::setFont(QFont("Noto Sans CJK JP", 10)); }

  void keyboardPlacingUndoRedoAndRowCopy() {
    testing::TestCareer career(7, GameFolder(VELKO_GAME_DIR));
    const GameFolder& folder = career.services.folder;
    testing::starterDoll(career.state, folder);
    doll& d = career.state.playerDoll();
    career.state.guideOn = false;

    Program editor(career.state, career.services);
    testing::settle(editor);
    QVERIFY(!editor.cmdUndo()->isEnabled());
    QVERIFY(!editor.cmdRedo()->isEnabled());

    // Focus the move chip; Enter places it and steps on, so a row is typed in one go.
    auto* move = editor.findChild<ProgramChip*>("dspAchip(0)");
    auto* kick = editor.findChild<ProgramChip*>("dspAchip(4)");
    auto* first = editor.findChild<ProgramChip*>("dspAction(0)");
    QVERIFY(!first->marked());  // no mark while the mouse is all that is used
    move->setFocus();
    QVERIFY(first->marked());
    QTest::keyClick(move, Qt::Key_Return);
    kick->setFocus();
    QTest::keyClick(kick, Qt::Key_Return);
    QCOMPARE(editor.model().chipAt(0), 1);
    QCOMPARE(editor.model().chipAt(1), 5);
    QCOMPARE(editor.keyboardTarget(), 2);
    QTest::keyClick(kick, Qt::Key_Down);  // the same position one row down
    QCOMPARE(editor.keyboardTarget(), 12);
    QTest::keyClick(kick, Qt::Key_Return);
    QCOMPARE(editor.model().chipAt(12), 5);
    QTest::keyClick(kick, Qt::Key_Left);
    QTest::keyClick(kick, Qt::Key_Left);
    QCOMPARE(editor.keyboardTarget(), 11);
    QTest::keyClick(kick, Qt::Key_Return);
    QCOMPARE(editor.model().chipAt(11), 5);
    QTest::keyClick(kick, Qt::Key_Left);  // back onto the chip just placed, then empty it
    QTest::keyClick(kick, Qt::Key_Delete);
    QCOMPARE(editor.model().chipAt(11), 0);
    QVERIFY(editor.cmdUndo()->isEnabled());

    // Ctrl+Z brings the chip back, Ctrl+Y empties it again, the button undoes once more.
    QTest::keyClick(&editor, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(editor.model().chipAt(11), 5);
    QVERIFY(editor.cmdRedo()->isEnabled());
    QTest::keyClick(&editor, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(editor.model().chipAt(11), 0);
    editor.cmdUndo()->click();
    QCOMPARE(editor.model().chipAt(11), 5);
    QTest::keyClick(&editor, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(editor.model().chipAt(11), 0);

    // Typing a name is undone by the editor, not by the box alone.
    auto* name = editor.findChild<QLineEdit*>("Text1(0)");
    name->setFocus();
    QTest::keyClicks(name, "Jab");
    QCOMPARE(editor.model().Text1(0), std::string("Jab"));
    QTest::keyClick(name, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(name->text(), QString());
    QCOMPARE(editor.model().Text1(0), std::string());
    editor.cmdRedo()->click();
    QCOMPARE(name->text(), QString("Jab"));

    // The row copy, shown on the grid, undone in one step.
    editor.copyPattern_Click(0, 3);
    QCOMPARE(editor.model().chipAt(30), 1);
    QCOMPARE(editor.findChild<QLineEdit*>("Text1(3)")->text(), QString("Jab"));
    QCOMPARE(editor.findChild<QLabel*>("dspMem(3)")->text(),
             editor.findChild<QLabel*>("dspMem(0)")->text());
    editor.cmdUndo()->click();
    QCOMPARE(editor.model().chipAt(30), 0);
    editor.cmdRedo()->click();
    move->setFocus();
    QVERIFY(testing::saveScreen(editor, "program_undo.png"));

    // Cancel, answered Yes, still discards everything.
    editor.cmdCancel_Click();
    QCOMPARE(d.getLogic(0)->getActions(0)->ID, int16_t(0));

    // Return presses the button that has the keyboard: 登録 registers.
    Program again(career.state, career.services);
    again.show();
    again.findChild<QPushButton*>("cmdRegist")->setFocus();
    QTest::keyClick(again.findChild<QPushButton*>("cmdRegist"), Qt::Key_Return);
    QCOMPARE(again.result(), int(QDialog::Accepted));
    QVERIFY(d.programed);
  }
};

VELKO_QTEST(ProgramKeysTest);
#include "program_keys_test.moc"
