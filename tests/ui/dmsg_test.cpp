// The game's message dialog on screen (offscreen platform): heights, placement over the
// owner window, button captions, what each routine returns for each way of closing, the
// game's dark look, the championship's picture, and how music that cannot play is told (with
// the preference file that remembers it).

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <chrono>
#include <filesystem>
#include <functional>
#include <iostream>
#include <sstream>

#include "core/music_player.h"
#include "core/prompter.h"
#include "support/qt_test_main.h"
#include "support/screenshots.h"
#include "ui/app/preferences.h"
#include "ui/widgets/dmsg.h"
#include "ui/widgets/qt_message_dialog.h"

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

// When the next modal window is up, acts on it.
void whenShownDo(std::function<void(QWidget*)> act) {
  QTimer::singleShot(0, [act] { act(QApplication::activeModalWidget()); });
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

// The game's dialogs are dark, as the title, the fight and the bracket behind them.
bool looksDark(QWidget* dialog) {
  const QImage image = dialog->grab().toImage();
  return image.pixelColor(image.width() / 2, image.height() - 4).lightness() < 80;
}

QByteArray fileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

// A file edited by hand between two runs: a later time, so that what this process's settings
// remember of it is read again (within one run the same size and second would hide the edit).
static void editedByHand(const QString& file, int hoursLater) {
  const std::filesystem::path path = file.toStdString();
  std::filesystem::last_write_time(
      path, std::filesystem::last_write_time(path) + std::chrono::hours(hoursLater));
}

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

  void theGamesLookAndTheChampionsPicture() {
    QtMessageDialog screen;
    DialogPrompter prompter(screen);
    bool dark = false;
    bool pictureBesideText = false;
    QString text;
    whenShownDo([&](QWidget* modal) {
      auto* dialog = qobject_cast<DMsg*>(modal);
      QVERIFY(dialog && dialog->picture());
      dark = looksDark(dialog);
      testing::saveScreen(*dialog, "championship.png");
      text = dialog->lblMsg()->text();
      pictureBesideText = dialog->picture()->isVisible() &&
                          dialog->picture()->geometry().right() < dialog->lblMsg()->x() &&
                          dialog->picture()->geometry().bottom() < dialog->cmdOK()->y();
      dialog->cmdOK()->click();
    });
    prompter.notifyPicture("優勝\n賞金 500Rl", VELKO_GAME_DIR "/img/VELKO01S.jpg");
    QVERIFY(dark);
    QVERIFY(pictureBesideText);
    QCOMPARE(text, QString("優勝\n賞金 500Rl"));

    dark = false;
    whenShownDo([&](QWidget* modal) {
      dark = looksDark(modal);
      testing::saveScreen(*modal, "version-box.png");
      qobject_cast<QMessageBox*>(modal)->accept();
    });
    prompter.msgBox("BRAM-KOL\nver.1.01\n2005/01/03");
    QVERIFY(dark);
  }

  void musicThatCannotPlayIsToldOnceOverAWindowThenQuietly() {
    QTemporaryDir folder;
    const QString file = folder.path() + "/preferences.ini";
    QStringList quiet;
    {
      Preferences preferences(folder.path().toStdString());
      QVERIFY(preferences.musicOn());
      QtMessageDialog screen;
      screen.setMusicNotices(&preferences, [&](const QString& line) { quiet << line; });
      DialogPrompter prompter(screen);
      // The music starts before its screen is drawn: the box waits for the window.
      prompter.cannotPlay(kCannotPlayMessage);
      QWidget shop;
      QWidget* over = nullptr;
      QString told;
      QTimer answer;
      answer.setInterval(10);
      connect(&answer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        over = box->parentWidget();
        told = box->text();
        box->accept();
      });
      answer.start();
      QTest::qWait(100);
      QVERIFY(told.isEmpty());
      shop.show();
      QTRY_COMPARE(told, QString(kCannotPlayMessage));
      QCOMPARE(over, &shop);
      QVERIFY(quiet.isEmpty());
      preferences.setMusicOn(false);
    }
    // The next start: the choice is remembered, and the failure is told in a quiet line.
    Preferences preferences(folder.path().toStdString());
    QVERIFY(!preferences.musicOn());
    QVERIFY(preferences.musicFailureTold());
    QVERIFY(preferences.adviceOn());  // the chances are shown until switched off
    preferences.setAdviceOn(false);
    QVERIFY(!Preferences(folder.path().toStdString()).adviceOn());
    // The automatic give-up: off and not offered until the player chose; each choice is read
    // back at the next start.
    QCOMPARE(preferences.autoGiveUp(), AutoGiveUp::Off);
    QVERIFY(!preferences.autoGiveUpOffered());
    for (AutoGiveUp line : {AutoGiveUp::Below25, AutoGiveUp::Below60, AutoGiveUp::Below40}) {
      preferences.setAutoGiveUp(line);
      QCOMPARE(Preferences(folder.path().toStdString()).autoGiveUp(), line);
    }
    preferences.setAutoGiveUpOffered();
    QVERIFY(Preferences(folder.path().toStdString()).autoGiveUpOffered());
    QtMessageDialog screen;
    screen.setMusicNotices(&preferences, [&](const QString& line) { quiet << line; });
    DialogPrompter prompter(screen);
    prompter.cannotPlay(kCannotPlayMessage);
    QCOMPARE(quiet, QStringList{kCannotPlayMessage});
    QTest::qWait(200);
    QVERIFY(QApplication::activeModalWidget() == nullptr);

    // A value this version does not write counts as not given; a file of another version is
    // read as empty and left as it is.
    {
      QFile out(file);
      QVERIFY(out.open(QIODevice::WriteOnly));
      out.write("[General]\nversion=1\nmusic=maybe\nautoGiveUp=45\n");
    }
    editedByHand(file, 1);
    {
      std::ostringstream told;
      std::streambuf* const standardError = std::cerr.rdbuf(told.rdbuf());
      const Preferences handEdited(folder.path().toStdString());
      std::cerr.rdbuf(standardError);
      QVERIFY(handEdited.musicOn());
      QCOMPARE(handEdited.autoGiveUp(), AutoGiveUp::Off);
      QVERIFY(QString::fromStdString(told.str()).contains("preferences.ini: autoGiveUp=45"));
    }
    {
      QFile out(file);
      QVERIFY(out.open(QIODevice::WriteOnly));
      out.write("[General]\nversion=2\nmusic=false\n");
    }
    editedByHand(file, 2);
    const QByteArray foreign = fileBytes(file);
    Preferences newer(folder.path().toStdString());
    QVERIFY(newer.musicOn());
    newer.setMusicOn(false);
    QCOMPARE(fileBytes(file), foreign);
  }
};

VELKO_QTEST(DMsgTest);
#include "dmsg_test.moc"
