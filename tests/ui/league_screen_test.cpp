// The league screen (offscreen platform): registry Dolls in a round robin on worker threads,
// the rating and cross tables and the history chart, a cell's worst loss in the inspector,
// saving and opening the league, a file that is not a league left alone, and a screenshot.

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include "ui/lab/chart_widgets.h"
#include "ui/lab/colour_scale.h"

#include "league/league_table.h"
#include "support/folder_bytes.h"
#include "support/qt_test_main.h"
#include "ui/fight_fixture.h"
#include "ui/lab/inspector.h"
#include "ui/lab/league_screen.h"

using namespace velko;
using namespace velko::ui;

class LeagueScreenTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QApplication::setFont(QFont("Noto Sans CJK JP", 10)); }

  void aRunRatesTheDollsAndIsSavedAndOpenedAgain() {
    testing::FightGame game;
    const auto before = testing::filesUnder(game.services.folder.path("\\save"));
    LeagueScreen screen(game.state, game.services);
    testing::settle(screen);
    QListWidget* list = screen.entrants();
    QVERIFY(list->count() > 5);  // the player's Doll and the registry
    for (int k = 1; k <= 4; ++k)
      list->item(k)->setCheckState(Qt::Checked);
    screen.cmbFights()->setCurrentIndex(0);  // 10 a pair
    QSignalSpy done(&screen, &LeagueScreen::finished);
    QVERIFY(screen.start());
    QVERIFY(!screen.cmdStart()->isEnabled());
    QVERIFY(done.wait(60000));
    QCOMPARE(screen.league().runs.size(), size_t{1});
    QCOMPARE(screen.progress()->value(), 60);  // six pairs of ten
    QCOMPARE(screen.ratings()->rowCount(), 4);
    QCOMPARE(screen.cross()->rowCount(), 4);
    const auto* history = screen.findChild<LineChart*>("chartHistory");
    QVERIFY(history != nullptr);
    QCOMPARE(history->series().size(), size_t{4});  // one line per entrant of the run
    QVERIFY(testing::filesUnder(game.services.folder.path("\\save")) == before);

    // The first row's loss against a Doll rated lower, or any loss, in the inspector.
    const LeagueTable table = leagueTable(screen.league());
    int row = -1;
    int column = -1;
    for (int x = 0; x < 4 && row < 0; ++x)
      for (int y = 0; y < 4 && row < 0; ++y)
        if (x != y && table.cells[x][y].tally.winsB > 0) row = x, column = y;
    QVERIFY(row >= 0);
    bool inspected = false;
    {
      testing::ModalAnswerer close([&](QWidget* modal) {
        auto* inspector = qobject_cast<Inspector*>(modal);
        QVERIFY(inspector != nullptr);
        QVERIFY(inspector->inspection().error.empty());
        inspected = true;
        modal->close();
      });
      screen.openWorstLoss(row, column);
    }
    QVERIFY(inspected);
    QVERIFY(testing::settleAndSave(screen, "league.png"));

    QTemporaryDir out;
    const QString path = out.filePath("a.velkoleague");
    QVERIFY(screen.saveLeague(path));
    LeagueScreen again(game.state, game.services);
    QVERIFY(again.openLeague(path));
    QVERIFY(again.league() == screen.league());
    QCOMPARE(again.ratings()->rowCount(), 4);

    // A file that is not a league is neither replaced nor read.
    const QString other = out.filePath("notes.velkoleague");
    QFile file(other);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("my notes\n");
    file.close();
    QVERIFY(!screen.saveLeague(other));
    QVERIFY(!again.openLeague(other));
    QVERIFY(game.dialog.shown.back().request.text.find("notes.velkoleagueが壊れています（1行目") !=
            std::string::npos);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("my notes\n"));
  }

  // A chart as low as the league's names every one of ten entrants inside itself, none over
  // another; the cross table's ends differ in blue, which red-green blindness keeps, and in
  // their marks.
  void everyEntrantAndEveryCellCanBeToldApart() {
    std::vector<LineChart::Series> series;
    for (int k = 0; k < 10; ++k)
      series.push_back({QString("エントラント%1").arg(k), {{1, 0}, {2, 10.0 * k}}});
    LineChart chart("history", "run", "rating", 1, 2, -100, 100, series);
    chart.resize(560, 260);
    const std::vector<QRect> places = chart.legendPlaces();
    QCOMPARE(places.size(), size_t{10});
    for (size_t k = 0; k < places.size(); ++k) {
      QVERIFY(chart.rect().contains(places[k]));
      for (size_t j = 0; j < k; ++j)
        QVERIFY(!places[k].intersects(places[j]));
    }
    const QColor better = deviationColour(3);
    const QColor worse = deviationColour(-3);
    QVERIFY(std::abs(better.blue() - worse.blue()) > 120);
    QVERIFY(!deviationMark(3).isEmpty() && deviationMark(3) != deviationMark(-3));
  }
};

VELKO_QTEST(LeagueScreenTest);
#include "league_screen_test.moc"
