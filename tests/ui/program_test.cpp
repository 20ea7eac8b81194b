// The program editor on the built game folder (offscreen platform): a Doll with the starter
// software programmed through the widgets (hovers, drops on slots and the trash, the name
// boxes, the clear and register buttons), the guide pages, cancelling, and screenshots.

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
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
using velko::testing::FakeMusic;
using velko::testing::ScriptedDialog;
using velko::testing::settle;
using velko::testing::settleAndSave;
using velko::testing::starterDoll;

namespace {

void hover(QWidget* widget) {
  const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
  QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QCoreApplication::sendEvent(widget, &move);
}

// Presses a chip and moves the mouse far enough to start its drag. Only the offscreen
// platform gives the drag straight back; elsewhere it would wait for a real mouse.
bool startDrag(QWidget* chip) {
  if (QGuiApplication::platformName() != "offscreen") return false;
  QWindow* window = chip->window()->windowHandle();
  const QPoint at = chip->mapTo(chip->window(), QPoint(chip->width() / 2, chip->height() / 2));
  QTest::mousePress(window, Qt::LeftButton, {}, at);
  QTest::mouseMove(window, at + QPoint(30, 0));
  QTest::mouseRelease(window, Qt::LeftButton, {}, at + QPoint(30, 0));
  return true;
}

// What a finished drag delivers to the widget under the mouse.
bool deliverDrop(QWidget* target, const QString& format) {
  QMimeData data;
  data.setData(format, "0");
  const QPoint at(target->width() / 2, target->height() / 2);
  QDragEnterEvent enter(at, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(target, &enter);
  if (!enter.isAccepted()) return false;
  QDropEvent drop(QPointF(at), Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(target, &drop);
  return drop.isAccepted();
}

class Editor {
 public:
  explicit Editor(Program& program) : p_(program) {}

  ProgramChip* chip(int k) { return find<ProgramChip>(QString("dspAchip(%1)").arg(k)); }
  ProgramChip* slot(int pattern, int position) {
    return find<ProgramChip>(QString("dspAction(%1)").arg(pattern * 10 + position));
  }
  ProgramChip* trash() { return find<ProgramChip>("dspTrash"); }
  QLabel* label(const QString& name) { return find<QLabel>(name); }
  QLineEdit* name(int pattern) { return find<QLineEdit>(QString("Text1(%1)").arg(pattern)); }
  QPushButton* button(const QString& name) { return find<QPushButton>(name); }

  // Drags a palette chip (action ID) onto a slot, as the mouse does.
  void fromPalette(int id, int pattern, int position) {
    hover(chip(id - 1));
    QVERIFY(deliverDrop(slot(pattern, position), kChipMimeType));
  }
  void fromGrid(int pattern, int position, QWidget* target) {
    hover(slot(pattern, position));
    QVERIFY(deliverDrop(target, kChipMimeType));
  }
  // Japanese arrives as the input method's committed text.
  void type(int pattern, const QString& text) {
    QLineEdit* box = name(pattern);
    box->setFocus();
    box->selectAll();
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QCoreApplication::sendEvent(box, &commit);
  }

 private:
  template <typename T>
  T* find(const QString& objectName) {
    T* widget = p_.findChild<T*>(objectName);
    if (!widget) qFatal("no widget %s", qPrintable(objectName));
    return widget;
  }

  Program& p_;
};

QStringList texts(const QList<QLabel*>& labels) {
  QStringList all;
  for (QLabel* label : labels)
    all << label->text();
  return all;
}

}  // namespace

class ProgramTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QApplication::setFont(QFont("Noto Sans CJK JP", 10)); }

  void programTheStarterDollThroughTheWidgets() {
    testing::TestCareer career(3, GameFolder(VELKO_GAME_DIR));
    starterDoll(career.state, career.services.folder);
    const doll& d = career.state.playerDoll();

    Program program(career.state, career.services);
    Editor e(program);
    settle(program);
    QVERIFY(program.width() <= 1280 && program.height() <= 760);
    const QStringList headings = texts(program.findChildren<QLabel*>());
    for (const char* text :
         {"基本行動（数字は使用行動力：使用メモリ）", "行動パターン", "技名", "必要行動力",
          "使用メモリ", "総使用メモリ", "Dollの行動力", "コンピュータの総メモリ", "使用ソフト"})
      QVERIFY2(headings.contains(text), text);
    QCOMPARE(program.findChild<QGroupBox*>("frmLock")->title(), QString("組み"));
    QCOMPARE(program.findChild<QGroupBox*>("frmUnlock")->toolTip(),
             QString("ドラッグして行動パターンのところでドロップして下さい"));
    auto* attackSoft = program.findChild<QComboBox*>("cmbSoft(1)");
    QCOMPARE(attackSoft->currentText(), QString::fromStdString(d.getSoftA(0)->name));
    QCOMPARE(attackSoft->toolTip(), QString("ソフトの切替はできません"));
    QCOMPARE(e.label("dspAbl(3)")->text(), QString(" 2： 2"));  // punch of the starter software
    QCOMPARE(e.label("dspDollAP")->text(), QString(" %1～ %2").arg(d.AP + 2).arg(d.AP + 12));
    QCOMPARE(e.label("dspDollMem")->text(), QString(" %1").arg(d.Memory));
    QCOMPARE(e.label("dspMem(6)")->text(), QString(" 0"));
    QVERIFY(e.label("dspGuide")->isVisible());
    QVERIFY(e.label("dspGuide")->text().startsWith("　ここでDollの動きをプログラムします。"));
    QVERIFY(settleAndSave(program, "program-empty.png"));

    // Hints follow the mouse: chip, label and frame each have their own.
    hover(e.trash());
    QCOMPARE(e.label("dspDoll")->text(), QString("ゴミ箱"));
    hover(&program);
    QCOMPARE(e.label("dspDoll")->text(), QString());
    hover(e.label("dspAbl(10)"));
    QCOMPARE(e.label("dspDoll")->text(), QString("組まれていたら外します。"));
    hover(program.findChild<QGroupBox*>("frmUnlock"));
    QCOMPARE(e.label("dspDoll")->text(), QString("組まれていたら外します"));

    // Six patterns by drag and drop.
    e.fromPalette(kMove, 0, 0);
    e.fromPalette(kJump, 0, 1);
    e.fromPalette(kKick, 0, 2);
    e.type(0, "飛び蹴り");
    e.fromPalette(kMove, 1, 0);
    e.fromPalette(kPunch, 1, 1);
    e.fromPalette(kMove, 1, 2);
    e.type(1, "ヒット＆アウェイ");
    e.fromPalette(kKick, 2, 0);  // kick and spin, swapped below
    e.fromPalette(kSpin, 2, 1);
    e.fromGrid(2, 1, e.slot(2, 0));
    e.type(2, "回転蹴り");
    e.fromPalette(kKumi, 3, 0);
    e.fromPalette(kDrop, 3, 1);
    e.type(3, "投げ");
    e.fromPalette(kHazusi, 4, 0);
    e.fromPalette(kHold, 4, 1);  // a lock, moved to the last pattern below
    e.fromGrid(4, 1, e.slot(5, 1));
    e.fromPalette(kPunch, 4, 1);
    e.type(4, "外して殴る");
    e.fromPalette(kBlock, 5, 0);
    e.type(5, "防御");
    QCOMPARE(program.model().chipAt(20), int(kSpin));
    QCOMPARE(program.model().chipAt(21), int(kKick));
    QCOMPARE(e.label("dspAP(0)")->text(), QString(" 8"));
    QCOMPARE(e.label("dspMem(0)")->text(), QString(" 7"));
    QCOMPARE(e.label("dspAP(5)")->text(), QString(" 6"));  // block and the lock

    // Other drags are not taken, and a palette chip on the trash is let go.
    QVERIFY(!deliverDrop(e.slot(5, 3), "text/plain"));
    hover(e.chip(0));
    QVERIFY(deliverDrop(e.trash(), kChipMimeType));
    QCOMPARE(program.model().chipAt(51), int(kHold));

    // The lock leaves a gap when trashed from the middle; registering refuses the gap.
    e.fromPalette(kUke, 5, 2);
    e.fromGrid(5, 1, e.trash());
    QCOMPARE(program.model().chipAt(51), 0);
    hover(e.slot(4, 0));
    QVERIFY(settleAndSave(program, "program-filled.png"));
    QTest::mouseClick(e.button("cmdRegist"), Qt::LeftButton);
    QCOMPARE(career.dialog.texts().back(),
             std::string(" 6番目の技の入力が正しくありません\n左寄せに入力して下さい"));
    QVERIFY(program.isVisible());
    QVERIFY(!d.programed);
    e.fromGrid(5, 2, e.trash());
    QCOMPARE(e.label("dspMem(6)")->text(), QString(" 29"));

    // Enter in a name box presses no button.
    QTest::keyClick(e.name(5), Qt::Key_Return);
    QCOMPARE(program.model().chipAt(0), int(kMove));
    QVERIFY(program.isVisible());

    QTest::mouseClick(e.button("cmdRegist"), Qt::LeftButton);
    QCOMPARE(program.result(), int(QDialog::Accepted));
    QVERIFY(!program.isVisible());
    QCOMPARE(career.dialog.shown.size(), size_t(1));
    QVERIFY(d.programed);
    QCOMPARE(d.getLogic(0)->name, std::string("飛び蹴り"));
    QCOMPARE(int(d.getLogic(0)->AP), 8);
    QCOMPARE(d.getLogic(0)->getActions(2), d.getSoftA(0)->kick);
    QCOMPARE(d.getLogic(1)->name, std::string("ヒット＆アウェイ"));
    QCOMPARE(d.getLogic(2)->getActionsname(0), std::string("回転"));
    QCOMPARE(d.getLogic(4)->getActionsname(1), std::string("パンチ"));
    QCOMPARE(d.getLogic(5)->getActionsname(1), std::string(""));
    QCOMPARE(int(d.getLogic(5)->Memory), 1);
  }

  void guidePagesAndCancelling() {
    testing::TestCareer career(5, GameFolder(VELKO_GAME_DIR));
    starterDoll(career.state, career.services.folder);
    const LogicRef before = career.state.playerDoll().getLogic(0);
    {
      // Nothing changed: キャンセル closes at once.
      Program unchanged(career.state, career.services);
      unchanged.show();
      QTest::mouseClick(Editor(unchanged).button("cmdCancel"), Qt::LeftButton);
      QVERIFY(!unchanged.isVisible());
      QVERIFY(career.dialog.shown.empty());
    }

    Program program(career.state, career.services);
    Editor e(program);
    settle(program);
    QLabel* guide = e.label("dspGuide");
    const int withGuide = program.height();
    QTest::mouseClick(guide, Qt::LeftButton);
    QCOMPARE(program.height(), withGuide);
    QVERIFY(guide->text().startsWith("　基本行動を複雑に組み合わせるほど"));
    QVERIFY(guide->text().contains(
        QString("以内、 %1ポイントくらい").arg(career.state.playerDoll().AP + 7)));
    QVERIFY(settleAndSave(program, "program-guide.png"));
    QTest::mouseClick(guide, Qt::LeftButton);
    QVERIFY(guide->text().startsWith("　得意な技を多く組みこむのがコツです。"));
    QTest::mouseClick(guide, Qt::LeftButton);
    QVERIFY(guide->text().endsWith("を最低一つは入れておくべきでしょう。▼\n"));
    QTest::mouseClick(guide, Qt::LeftButton);
    QVERIFY(guide->text().contains("2つめは「離脱」でヒット＆アウェイ"));
    QTest::mouseClick(guide, Qt::LeftButton);
    QVERIFY(!e.label("dspGuide")->isVisible());
    QVERIFY(program.height() < withGuide);  // the window gives up the guide's room

    e.fromPalette(kPunch, 0, 0);
    e.type(0, "捨てる技");
    QTest::mouseClick(e.button("cmdClear(0)"), Qt::LeftButton);
    QCOMPARE(e.name(0)->text(), QString());
    QCOMPARE(e.label("dspAP(0)")->text(), QString());
    QCOMPARE(e.label("dspMem(6)")->text(), QString(" 0"));
    // A drag started by the mouse names what is dragged and where from.
    if (!startDrag(e.chip(4))) hover(e.chip(4));
    QCOMPARE(program.model().dragName(), std::string("キック"));
    QCOMPARE(program.model().dragSource(), int(ProgramModel::kFromPalette));
    QVERIFY(deliverDrop(e.slot(0, 0), kChipMimeType));
    QCOMPARE(program.model().chipAt(0), int(kKick));
    if (startDrag(e.slot(0, 0))) {
      QCOMPARE(program.model().dragSource(), 0);
      QVERIFY(deliverDrop(e.slot(0, 1), kChipMimeType));
      QCOMPARE(program.model().chipAt(1), int(kKick));
      QCOMPARE(program.model().chipAt(0), 0);
    }
    // Esc and キャンセル would lose the changes: both ask the same question, No keeps the
    // editor open and Yes discards.
    career.dialog.answer(kAnswerCancel);
    QTest::keyClick(&program, Qt::Key_Escape);
    QVERIFY(program.isVisible());
    career.dialog.answer(kAnswerCancel);
    QTest::mouseClick(e.button("cmdCancel"), Qt::LeftButton);
    QVERIFY(program.isVisible());
    QCOMPARE(career.dialog.texts(), std::vector<std::string>(2, "変更を登録せずに閉じますか？"));
    QTest::mouseClick(e.button("cmdCancel"), Qt::LeftButton);
    QVERIFY(!program.isVisible());
    QCOMPARE(career.state.playerDoll().getLogic(0), before);
    QCOMPARE(before->getActions(0)->ID, int16_t(0));
    QVERIFY(!career.state.playerDoll().programed);
    QCOMPARE(career.dialog.shown.size(), size_t(3));
  }
};

VELKO_QTEST(ProgramTest);
#include "program_test.moc"
