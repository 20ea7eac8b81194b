// The game's message dialog on screen (offscreen platform): heights, placement over the
// owner window, button captions, and what each routine returns for each way of closing.

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "core/prompter.h"
#include "ui/dmsg.h"
#include "ui/qt_message_dialog.h"

using namespace velko;
using namespace velko::ui;

namespace {

struct Seen {
  QString caption;
  QString text;
  QString ok;
  QString cancel;
  bool cancelVisible = false;
  QSize size;
  QPoint pos;
  int buttonTop = 0;
};

// When the next modal dialog is up, records it and acts on it.
void whenShown(Seen* seen, std::function<void(DMsg*)> act) {
  QTimer::singleShot(0, [seen, act] {
    auto* dialog = qobject_cast<DMsg*>(QApplication::activeModalWidget());
    QVERIFY(dialog);
    seen->caption = dialog->windowTitle();
    seen->text = dialog->lblMsg()->text();
    seen->ok = dialog->cmdOK()->text();
    seen->cancel = dialog->cmdCancel()->text();
    seen->cancelVisible = !dialog->cmdCancel()->isHidden();
    seen->size = dialog->size();
    seen->pos = dialog->pos();
    seen->buttonTop = dialog->cmdOK()->y();
    act(dialog);
  });
}

void pressOK(DMsg* d) {
  d->cmdOK()->click();
}
void pressCancel(DMsg* d) {
  d->cmdCancel()->click();
}
void closeByFrame(DMsg* d) {
  d->close();
}
void pressReturn(DMsg* d) {
  QTest::keyClick(d, Qt::Key_Return);
}

}  // namespace

class DMsgTest : public QObject {
  Q_OBJECT

 private slots:
  void heightsFollowTheLineCount() {
    DMsg dialog;
    QCOMPARE(dialog.size(), QSize(360, 120));  // 3 lines: 1800 twips high
    QCOMPARE(dialog.cmdOK()->y(), 67);         // buttons at 1000 twips
    dialog.setHeight(5);
    QCOMPARE(dialog.height(), 147);  // 2200 twips
    QCOMPARE(dialog.cmdCancel()->y(), 93);
    QCOMPARE(dialog.value(), 0);
  }

  void routinesAnswerAndLabelTheButtons() {
    QWidget workshop;
    workshop.setGeometry(300, 210, 900, 600);
    workshop.show();
    QtMessageDialog screen(&workshop);
    DialogPrompter prompter(screen);
    Seen seen;

    whenShown(&seen, pressOK);
    QCOMPARE(prompter.askOK("出撃しますか？"), 1);
    QCOMPARE(seen.caption, QString("VELKO"));
    QCOMPARE(seen.text, QString("出撃しますか？"));
    QCOMPARE(seen.ok, QString("OK"));
    QCOMPARE(seen.cancel, QString("Cancel"));
    QVERIFY(seen.cancelVisible);
    const QRect frame = workshop.frameGeometry();
    QCOMPARE(seen.pos, QPoint(frame.left() + frame.width() / 3, frame.top() + frame.height() / 3));

    whenShown(&seen, pressCancel);
    QCOMPARE(prompter.askOKCaption("t", "Simulation"), 2);
    QCOMPARE(seen.caption, QString("Simulation"));
    whenShown(&seen, closeByFrame);
    QCOMPARE(prompter.askOK("t"), 0);

    whenShown(&seen, pressOK);
    QCOMPARE(prompter.askYesNo("本当に？", "BRAM-KOL"), 6);
    QCOMPARE(seen.ok, QString("Yes"));
    QCOMPARE(seen.cancel, QString("No"));
    whenShown(&seen, pressCancel);
    QCOMPARE(prompter.askYesNo("本当に？", "BRAM-KOL"), 7);
    whenShown(&seen, closeByFrame);
    QCOMPARE(prompter.askYesNo("本当に？", "BRAM-KOL"), 7);
    // Return takes the default: Yes, or No where Yes would lose something.
    whenShown(&seen, pressReturn);
    QCOMPARE(prompter.askYesNo("本当に？", "BRAM-KOL"), 6);
    whenShown(&seen, pressReturn);
    QCOMPARE(prompter.askYesNoSafe("ギブアップ？", "VELKO"), 7);
    whenShown(&seen, pressReturn);
    QCOMPARE(prompter.askOKSafe("上書き？"), 2);

    // A tall notice has only OK; the next dialog is back to the normal height.
    whenShown(&seen, pressOK);
    prompter.notifyTall("1\n2\n3\n4\n5", "Result", 5);
    QVERIFY(!seen.cancelVisible);
    QCOMPARE(seen.size.height(), 147);
    QCOMPARE(seen.buttonTop, 93);
    whenShown(&seen, pressOK);
    prompter.notify("次へ");
    QCOMPARE(seen.size.height(), 120);
    QCOMPARE(seen.caption, QString("VELKO"));
    QVERIFY(!seen.cancelVisible);
  }
};

QTEST_MAIN(DMsgTest)
#include "dmsg_test.moc"
