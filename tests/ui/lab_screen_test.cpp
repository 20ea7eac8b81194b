// The practice lab screen (offscreen platform): a run on its worker thread with progress and
// results, cancelling a long run, the refusals, the save files untouched, and a screenshot.

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QtTest>
#include "ui/lab/chart_widgets.h"

#include "support/folder_bytes.h"
#include "support/qt_test_main.h"
#include "ui/fight_fixture.h"
#include "ui/lab/inspector.h"
#include "ui/lab/lab_screen.h"

using namespace velko;
using namespace velko::ui;

class LabScreenTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QApplication::setFont(QFont("Noto Sans CJK JP", 10)); }

  void aRunShowsItsResultsAndChangesNoFile() {
    testing::FightGame game;
    const auto before = testing::filesUnder(game.services.folder.path("\\save"));
    LabScreen screen(game.state, game.services);
    testing::settle(screen);
    // A label with a letter and no buddy shows the "&" instead of the letter.
    for (const QLabel* label : screen.findChildren<QLabel*>())
      if (label->text().contains("(&"))
        QVERIFY2(label->buddy() != nullptr, qPrintable(label->text()));
    QCOMPARE(screen.cmbAgainst()->itemData(0).toString(), QString("Novice"));
    QVERIFY(screen.cmbAgainst()->count() > 3);  // the classes and the registry
    screen.cmbAgainst()->setCurrentIndex(2);    // every Master
    screen.cmbFights()->setCurrentIndex(0);     // 100
    QSignalSpy done(&screen, &LabScreen::finished);
    QVERIFY(screen.start());
    QVERIFY(!screen.cmdStart()->isEnabled());
    QVERIFY(done.wait(30000));
    const PracticeResult* r = screen.result();
    QVERIFY(r != nullptr);
    QCOMPARE(r->fights, 100);
    QCOMPARE(screen.progress()->value(), 100);
    QCOMPARE(screen.findChild<QTableWidget*>("tablePatterns")->rowCount(), 7);
    QCOMPARE(screen.findChild<QTableWidget*>("tableOpponents")->rowCount(),
             static_cast<int>(r->opponents.size()));
    // The chart shows the twelve worst opponents at most, worst on top as in the table.
    const auto* chart = screen.findChild<RateBarChart*>("chartWinRate");
    QVERIFY(chart != nullptr);
    QCOMPARE(chart->names().size(), std::min<qsizetype>(12, r->opponents.size()));
    QCOMPARE(chart->names().first(),
             screen.findChild<QTableWidget*>("tableOpponents")->item(0, 0)->text().section(' ', 1));
    QCOMPARE(screen.cmdWorst()->isEnabled(), r->worstLoss.has_value());
    QVERIFY(testing::filesUnder(game.services.folder.path("\\save")) == before);
    QVERIFY(screen.findChild<QLabel*>("summary")->text().contains(
        QString("シード %1").arg(static_cast<qulonglong>(r->seed))));
    QVERIFY(testing::settleAndSave(screen, "lab.png"));

    // The seed shown, typed in again, gives the same table.
    const auto table = [&] {
      QStringList cells;
      for (const char* name : {"tablePatterns", "tableOpponents"}) {
        const auto* t = screen.findChild<QTableWidget*>(name);
        for (int row = 0; row < t->rowCount(); ++row)
          for (int column = 0; column < t->columnCount(); ++column)
            cells << t->item(row, column)->text();
      }
      return cells << screen.findChild<QLabel*>("summary")->text();
    };
    const QStringList first = table();
    screen.txtSeed()->setText(QString::number(static_cast<qulonglong>(r->seed)));
    QVERIFY(screen.start());
    QVERIFY(done.wait(30000));
    QCOMPARE(table(), first);
    r = screen.result();

    if (r->worstLoss) {
      testing::ModalAnswerer close([](QWidget* modal) {
        QVERIFY(qobject_cast<Inspector*>(modal) != nullptr);
        QVERIFY(testing::saveScreen(*modal, "lab_worst_loss.png"));
        modal->close();
      });
      screen.cmdWorst()->click();
    }
  }

  void cancelStopsALongRunAndAnUnprogrammedDollIsRefused() {
    testing::FightGame game;
    game.state.Dolls[1] = ldTekiDoll(game.services.folder, 5);
    game.state.duelistState = kDuelistReady;
    LabScreen screen(game.state, game.services);
    // The loaded duel opponent follows the three classes.
    QCOMPARE(screen.cmbAgainst()->itemData(3).toString(), QString());
    screen.cmbAgainst()->setCurrentIndex(3);
    screen.cmbFights()->setCurrentIndex(2);  // 10,000
    QSignalSpy done(&screen, &LabScreen::finished);
    QVERIFY(screen.start());
    screen.cmdCancel()->click();
    QVERIFY(done.wait(30000));
    QVERIFY(screen.result()->cancelled);
    QVERIFY(screen.result()->fights < 10000);
    QCOMPARE(screen.result()->opponents.size(), size_t{1});
    QCOMPARE(screen.result()->opponents[0].name, game.state.Dolls[1]->name);

    // A seed of more digits than a seed holds is refused as letters are, never shortened.
    for (const char* typed : {"99999999999999999999999", "12a"}) {
      screen.txtSeed()->clear();
      QTest::keyClicks(screen.txtSeed(), typed);
      QVERIFY(!screen.start());
      QCOMPARE(game.dialog.shown.back().request.text,
               std::string("シードは19桁までの数字で打ち込んでください"));
    }
    screen.txtSeed()->clear();

    game.state.playerDoll().programed = false;
    QVERIFY(!screen.start());
    QCOMPARE(game.dialog.shown.back().request.text, std::string("プログラムを登録して下さい"));
  }
};

VELKO_QTEST(LabScreenTest);
#include "lab_screen_test.moc"
