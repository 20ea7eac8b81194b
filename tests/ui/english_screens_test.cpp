// Every window in English (offscreen platform at 1280x800, the English translation loaded):
// no Japanese where a player reads (titles, labels, buttons, the items and headers of lists
// and tables, menus, tooltips, the help text) but the names the player typed, and no text cut
// off by its widget; the same for every page of the program editor's guide, every part kind
// of the shop, and the practice lab's and the league's tables once filled. The pictures with
// painted words open in their English twins.

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

#include "support/every_window.h"
#include "support/qt_test_main.h"
#include "support/screen_texts.h"
#include "support/screenshots.h"
#include "ui/app/language.h"
#include "ui/widgets/ui_style.h"

using namespace velko;
using namespace velko::ui;

class EnglishScreensTest : public QObject {
  Q_OBJECT

  std::unique_ptr<testing::EveryWindow> every;
  // The names the test's Dolls were given, as a player would type them.
  const QStringList typed = {"ヴェルコ", "ブラム"};
  QStringList faults;

  // Notes every Japanese or cut-off text of the window as it is now.
  void look(QWidget& window, const QString& what, const QStringList& alsoTyped = {}) {
    testing::settle(window);
    const QStringList names = typed + alsoTyped;
    for (const QString& fault :
         testing::japaneseTexts(window, names) + testing::clippedTexts(window, names))
      faults << what + ": " + fault;
  }

  void expectNoFaults() {
    for (const QString& fault : faults)
      qWarning("%s", qPrintable(fault));
    QCOMPARE(faults.size(), 0);
    faults.clear();
  }

 private slots:
  void initTestCase() {
    applyGameStyle(*qApp);
    QVERIFY(useLanguage(*qApp, Language::English, GameFolder(VELKO_GAME_DIR)));
    every = std::make_unique<testing::EveryWindow>();
  }

  void everyWindowReadsInEnglishAndWhole() {
    for (const auto& [name, make] : every->windows()) {
      std::unique_ptr<QWidget> window = make();
      if (!window->testAttribute(Qt::WA_Resized)) window->adjustSize();
      look(*window, name);
      testing::saveScreen(*window, "english-" + name + ".png");
      window->close();
    }
    expectNoFaults();
  }

  void everyGuidePageAndPartKind() {
    auto& game = every->game;
    Program program(game.state, game.services);
    for (int page = 0; page < 5; ++page) {
      look(program, QString("program guide page %1").arg(page + 1));
      program.dspGuide_Click();
    }
    Shop shop(game.state, game.services);
    for (int kind = 0; kind < shop.ComboShop()->count(); ++kind) {
      shop.ComboShop()->setCurrentIndex(kind);
      look(shop, "shop, " + shop.ComboShop()->currentText());
    }
    expectNoFaults();
  }

  void theLabAndLeagueTablesFilled() {
    testing::FightGame game;
    // The player's Doll here is a factory one: its pattern names stand for the player's own.
    QStringList patterns;
    for (int k = 0; k < 6; ++k)
      if (const auto& pattern = game.state.playerDoll().getLogic(k))
        patterns << QString::fromStdString(pattern->name);
    LabScreen lab(game.state, game.services);
    testing::settle(lab);
    lab.cmbFights()->setCurrentIndex(0);
    QSignalSpy labDone(&lab, &LabScreen::finished);
    QVERIFY(lab.start());
    QVERIFY(labDone.wait(30000));
    look(lab, "lab after a run", patterns);
    testing::saveScreen(lab, "english-lab-run.png");

    LeagueScreen league(game.state, game.services);
    testing::settle(league);
    for (int k = 1; k <= 3; ++k)
      league.entrants()->item(k)->setCheckState(Qt::Checked);
    league.cmbFights()->setCurrentIndex(0);
    QSignalSpy leagueDone(&league, &LeagueScreen::finished);
    QVERIFY(league.start());
    QVERIFY(leagueDone.wait(60000));
    look(league, "league after a run");
    testing::saveScreen(league, "english-league-run.png");
    expectNoFaults();
  }

  void picturesWithWordsOpenInEnglish() {
    const QDir img(QString(VELKO_GAME_DIR) + "/img");
    QCOMPARE(letteredPicture(img.filePath("stage.jpg")), img.filePath("en/stage.jpg"));
    QCOMPARE(letteredPicture(img.filePath("VELKO01S.jpg")), img.filePath("en/VELKO01S.jpg"));
    // A picture without words has no twin and opens as it is.
    QCOMPARE(letteredPicture(img.filePath("effect.jpg")), img.filePath("effect.jpg"));
  }
};

VELKO_QTEST(EnglishScreensTest);
#include "english_screens_test.moc"
