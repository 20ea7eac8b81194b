// The title, player-creation, save/load and workshop screens on the offscreen platform:
// their texts, what their buttons do, the workshop's enabling rules, and a screenshot of each.

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "career/game.h"
#include "data/catalogue/catalogue.h"
#include "data/save/slot_save.h"
#include "support/career_fakes.h"
#include "support/qt_test_main.h"
#include "support/screenshots.h"
#include "support/scripted_dialog.h"
#include "ui/app/start_up.h"
#include "ui/app/title_picture.h"
#include "ui/lab/chart_widgets.h"
#include "ui/widgets/ui_style.h"
#include "ui/workshop/design.h"
#include "ui/workshop/f_char_make.h"
#include "ui/workshop/history_charts.h"
#include "ui/workshop/history_window.h"
#include "ui/workshop/pilot_name_menu.h"
#include "ui/workshop/svld.h"

using namespace velko;
using namespace velko::ui;

class WorkshopScreensTest : public QObject {
  Q_OBJECT

  ClockRandom rnd{7};
  testing::ScriptedDialog dialog;
  DialogPrompter prompter{dialog};
  testing::FakeMusic music;
  std::unique_ptr<CareerState> state;
  std::unique_ptr<CareerServices> services;
  std::unique_ptr<testing::HeadlessNavigator> nav;
  std::unique_ptr<Game> game;
  QTemporaryDir elsewhere;  // a working directory that is no game folder

 private slots:
  void initTestCase() {
    applyGameStyle(*qApp);
    // The screens find their pictures through the game folder, wherever the game was started.
    QVERIFY(QDir::setCurrent(elsewhere.path()));
  }

  void init() {
    dialog.shown.clear();
    state = std::make_unique<CareerState>(rnd);
    services = std::make_unique<CareerServices>(
        CareerServices{GameFolder(VELKO_GAME_DIR), rnd, prompter, music});
    nav = std::make_unique<testing::HeadlessNavigator>(*state, *services);
    game = std::make_unique<Game>(*state, *services, *nav);
  }

  void titleScreen() {
    StartUp title(*game, services->folder);
    QCOMPARE(title.command1(0)->text(), QString("Initial Start"));
    QCOMPARE(title.command1(1)->text(), QString("Load Start"));
    QCOMPARE(title.cmdQuit()->text(), QString("Quit"));
    QVERIFY(testing::settleAndSave(title, "title.png"));
    title.command1(0)->click();
    QCOMPARE(nav->workshops, 1);
    QVERIFY(state->newGame);
  }

  // The title's picture is kept between starts: read back only when painted from the same look
  // and whole, painted again otherwise, and never written over a file that is not one.
  void titlePictureKeptBetweenStarts() {
    // The whole of a start's work: painting, and keeping what was painted.
    auto pictureOf = [](const TitleLook& look) {
      TitlePictureWork work = startTitlePicture(look);
      const QImage picture = takeTitlePicture(work);
      work.done.wait();
      return picture;
    };
    QTemporaryDir player;
    const QString cacheFile = player.filePath("title.cache");
    const QString stage =
        QString::fromStdString(services->folder.path("\\img\\stage.jpg").string());
    const TitleLook look{stage, 1, qApp->font(), "subtitle", cacheFile};
    const QImage fresh = pictureOf(look);
    const qint64 wholeSize = QFileInfo(cacheFile).size();
    QVERIFY(wholeSize > fresh.sizeInBytes());

    auto rewrite = [&](const std::function<void(QByteArray&)>& change) {
      QFile file(cacheFile);
      QVERIFY(file.open(QIODevice::ReadOnly));
      QByteArray bytes = file.readAll();
      file.close();
      change(bytes);
      QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
      file.write(bytes);
    };
    // Pixels changed in place are shown: the kept file is what the next start reads.
    rewrite([&](QByteArray& bytes) { bytes[bytes.size() - fresh.sizeInBytes()] = char(0x5a); });
    QCOMPARE(qBlue(pictureOf(look).pixel(0, 0)), 0x5a);
    // Another line under the name paints the picture again, and keeps that one.
    TitleLook other = look;
    other.subtitle = "another";
    const QImage repainted = pictureOf(other);
    QVERIFY(repainted != fresh);
    QCOMPARE(pictureOf(other), repainted);
    // A file cut short is painted again.
    rewrite([](QByteArray& bytes) { bytes.chop(1); });
    QCOMPARE(pictureOf(other), repainted);
    QCOMPARE(QFileInfo(cacheFile).size(), wholeSize);
    // Someone else's file of that name is left as it was.
    rewrite([](QByteArray& bytes) { bytes = "the player's own notes\n"; });
    QCOMPARE(pictureOf(look), fresh);
    QFile notes(cacheFile);
    QVERIFY(notes.open(QIODevice::ReadOnly));
    QCOMPARE(notes.readAll(), QByteArray("the player's own notes\n"));
  }

  void playerCreation() {
    FCharMake screen(*state, *services);
    QCOMPARE(screen.dspName()->text(), QString("秋津遥人"));
    for (int i = 0; i < 50; ++i) {
      screen.cmdReset()->click();
      const int money = screen.dspRl()->text().toInt();
      const int skill = screen.dspOparate()->text().toInt();
      QVERIFY(money >= 1000 && money <= 1600 && money % 100 == 0);
      QVERIFY(skill >= 3 && skill <= 18);
    }
    screen.dspName()->setText("別名");
    screen.cmdReset()->click();
    QCOMPARE(screen.dspName()->text(), QString("秋津遥人"));
    QVERIFY(screen.paneGuide()->isVisibleTo(&screen));
    QVERIFY(testing::settleAndSave(screen, "player-creation.png"));
    screen.dspName()->setText("");
    screen.cmdEntry()->click();
    QCOMPARE(screen.value(), -1);
    QCOMPARE(state->player().name, std::string(""));  // an empty name is accepted
  }

  void saveLoadScreen() {
    SVLD screen(1, services->folder, prompter);
    QCOMPARE(screen.windowTitle(), QString("セーブ画面"));
    QCOMPARE(screen.command1(7)->text(), QString(" 7"));
    screen.command1(1)->click();
    screen.command1(2)->click();
    QCOMPARE(screen.labNum()->text(), QString("save12"));
    screen.command2(0)->click();
    QCOMPARE(screen.labNum()->text(), QString("save"));
    screen.command1(9)->click();
    QVERIFY(testing::settleAndSave(screen, "save-screen.png"));
    QCOMPARE(screen.minimumSize(), screen.maximumSize());  // no resize handle under the keys
    dialog.answer(kAnswerOK);
    screen.command2(1)->click();
    QVERIFY(screen.value());
    QCOMPARE(screen.svNum(), int16_t(9));

    // Beside the keypad, the slots that hold a game; a click types the number and asks
    // nothing.
    QTemporaryDir player;
    const GameFolder folder(VELKO_GAME_DIR, player.path().toStdString());
    state->player().name = "秋津遥人";
    state->playerDoll().name = "ヴェルコ";
    state->player().Rl = 1200;
    QVERIFY(save_rtn(folder, 2, state->slotState(), prompter));
    QVERIFY(save_rtn(folder, 15, state->slotState(), prompter));
    SVLD load(2, folder, prompter);
    QCOMPARE(load.slotList()->count(), 2);
    QCOMPARE(load.slotList()->item(1)->text(),
             QString("save15  2013/01/01\n秋津遥人  ヴェルコ  所持金1200Rl"));
    const size_t asked = dialog.shown.size();
    const QRect second = load.slotList()->visualItemRect(load.slotList()->item(1));
    QTest::mouseClick(load.slotList()->viewport(), Qt::LeftButton, {}, second.center());
    QCOMPARE(load.labNum()->text(), QString("save15"));
    QCOMPARE(dialog.shown.size(), asked);
    QVERIFY(!load.value());
    QVERIFY(testing::settleAndSave(load, "load-screen-slots.png"));
    QCOMPARE(load.minimumSize(), load.maximumSize());
    QVERIFY(load.width() <= 1024 && load.height() <= 700);
  }

  void workshop() {
    const GameFolder folder(VELKO_GAME_DIR);
    Owner& p = state->player();
    p.setMotor(ld_Motor(folder, 5));
    p.setMotor(ld_Motor(folder, 9));
    p.setFrame(ld_Frame(folder, 4));
    p.setHard(ld_Hard(folder, 1));
    p.setBooster(ld_Boost(folder, 2));
    p.setProtector(ld_Protect(folder, 3));
    state->gameDate = GameDate::fromYMD(2013, 4, 1);
    Design design(*game, *services);
    game->init();
    QCOMPARE(design.label("dspDate")->text(), QString("2013/04/01"));
    QVERIFY(!design.command("cmdStreet")->isEnabled());
    QVERIFY(!design.command("cmdProgram")->isEnabled());
    QVERIFY(!design.menu("mnEntry")->isVisible());

    // Mount motor, frame and computer from the lists.
    design.cmbParts()->setCurrentIndex(0);
    QCOMPARE(design.listPart()->item(design.listPart()->count() - 1)->text(),
             QString("（はずす）"));
    QTest::mouseClick(design.listPart()->viewport(), Qt::LeftButton, {},
                      design.listPart()->visualItemRect(design.listPart()->item(0)).center());
    for (int kind : {1, 2, 3, 4}) {
      design.cmbParts()->setCurrentIndex(kind);
      auto* first = design.listPart()->item(0);
      QTest::mouseClick(design.listPart()->viewport(), Qt::LeftButton, {},
                        design.listPart()->visualItemRect(first).center());
    }
    p.setSoftM(ld_SoftM(folder, 2));
    p.setSoftA(ld_SoftA(folder, 5));
    p.setSoftD(ld_SoftD(folder, 1));
    game->init();
    QVERIFY(design.command("cmdStreet")->isEnabled());
    QVERIFY(design.command("cmdProgram")->isEnabled());
    QCOMPARE(design.label("dspPart1")->text(), QString::fromStdString(ld_Motor(folder, 5)->name));
    QCOMPARE(design.label("dspClass")->text(), QString("Novice"));
    QVERIFY(design.findChild<QLabel*>("Picture1")->pixmap().width() > 0);
    QVERIFY(!state->saved);
    QVERIFY(testing::settleAndSave(design, "workshop.png"));
    QCOMPARE(design.minimumSize(), design.maximumSize());  // no resize handle under the commands

    // Stripping keeps the programs and turns the fight commands off.
    design.findChild<QPushButton*>("cmdClear")->click();
    QVERIFY(!design.command("cmdStreet")->isEnabled());
    QCOMPARE(design.label("dspMove")->text(), QString("--"));

    // 情報 → プレイヤー名の変更: the box shows the present name, and the Game asks and renames.
    state->player().name = "秋津遥人";
    QString shownName;
    design.findChild<PilotNameMenu*>()->askName = [&shownName](const QString& present) {
      shownName = present;
      return std::optional<QString>("遥人");
    };
    design.menu("mnPilotName")->trigger();
    QCOMPARE(shownName, QString("秋津遥人"));
    QCOMPARE(dialog.shown.back().request.text, std::string("プレイヤー名を遥人に変更しますか？"));
    QCOMPARE(state->player().name, std::string("遥人"));
    design.closeQuietly();
  }

  // 情報 → 「戦績」: four charts of the history, each point's numbers on hover, and the totals
  // with the give-ups.
  void theHistoryWindowChartsTheCareerWithItsNumbersOnHover() {
    CareerHistory history = startHistory(GameDate::fromYMD(2013, 2, 1));
    countTournament(history);
    countFight(history, {1, HistoryEnd::Won, 0, 900, "", "Red"});
    countFight(history, {1, HistoryEnd::GivenUp, 0, 1200, "", "Blue"});
    state->player().Rl = 1250;
    state->player().skillPlay = 14;
    closeMonth(history, state->player(), state->playerDoll(), GameDate::fromYMD(2013, 3, 1));
    state->player().Rl = 480;
    takeMonth(history, state->player(), state->playerDoll());
    state->history = history;
    game->init();
    Design workshop(*game, *services);
    QAction* entry = workshop.menu("mnHistory");
    QVERIFY(entry);
    QCOMPARE(entry->text(), QString("戦績(&H)"));

    HistoryWindow window(state->history);
    QVERIFY(testing::settleAndSave(window, "history.png"));
    QCOMPARE(window.charts()->charts().size(), size_t(4));
    QCOMPARE(window.findChild<QLabel*>("historyTotals")->text(),
             QString("試合2　勝ち1　負け0　ギブアップ1　トーナメント出場1　優勝0　失ったパーツ0"));
    QCOMPARE(window.findChild<QLabel*>("historySince")->text(),
             QString("戦績は2013/02から記録されています"));
    // Every tip the money chart gives, found by hovering over it pixel by pixel.
    const LineChart& money = *window.charts()->charts()[0];
    QStringList tips;
    for (int x = 0; x < money.width(); x += 2) {
      for (int y = 0; y < money.height(); y += 2) {
        const QString tip = money.tipAt(QPoint(x, y));
        if (!tip.isEmpty() && !tips.contains(tip)) tips << tip;
      }
    }
    QVERIFY2(tips.contains("2013/02\n所持金 1250Rl"), qPrintable(tips.join(" | ")));
    QVERIFY2(tips.contains("2013/03\n所持金 480Rl"), qPrintable(tips.join(" | ")));
    QVERIFY(money.tipAt(QPoint(2, 2)).isEmpty());  // the corner is no point
  }

  void theRefreshAfterAScreenTheGuideAndTheEnding() {
    Design design(*game, *services);
    game->init();
    design.cmbParts()->setCurrentIndex(3);
    design.menu("mnChar")->trigger();  // a menu that does not refresh keeps the kind
    QCOMPARE(design.cmbParts()->currentIndex(), 3);
    design.command("cmdShop")->click();
    QCOMPARE(nav->shops, 1);
    QCOMPARE(design.cmbParts()->currentIndex(), 0);

    auto* guide = design.findChild<QLabel*>("dspGuide");
    design.menu("mnGuide")->trigger();  // on: Yes turns it off
    QVERIFY(guide->isHidden());
    design.menu("mnGuide")->trigger();  // back on, the third line worded for the menu
    QVERIFY(!guide->isHidden());
    QVERIFY(guide->text().endsWith(
        "\n　コンボでパーツの種類を選択し、リストからパーツを選んで下さい。"));

    // The last work day: the new date is on screen when the final record appears.
    state->gameDate = GameDate::fromYMD(2014, 12, 1);
    QString dateAtEnding;
    dialog.onShow = [&](const std::string& text) {
      if (text.starts_with("最終成績")) dateAtEnding = design.label("dspDate")->text();
    };
    design.command("cmdWork")->click();
    dialog.onShow = nullptr;
    QCOMPARE(nav->titles, 1);
    QCOMPARE(dateAtEnding, QString("2015/01/01"));
  }

  void theWorkshopMusicStartsAgainAtItsEndAndItsQuietLineGoesWithIt() {
    Design design(*game, *services);
    const int seeks = music.seeks;
    const int plays = music.plays;
    music.reachEnd();
    QCOMPARE(music.seeks, seeks + 1);
    QCOMPARE(music.plays, plays + 1);

    // Music that cannot play is told in a quiet line, which goes once BGM is switched off.
    state->playMusic = true;
    design.showQuietLine("音楽を再生できません");
    auto* line = design.findChild<QLabel*>("quietLine");
    design.refresh();
    QCOMPARE(line->text(), QString("音楽を再生できません"));
    design.menu("mnBGM")->trigger();
    QVERIFY(!state->playMusic);
    QVERIFY(line->text().isEmpty());
  }
};

VELKO_QTEST(WorkshopScreensTest);
#include "workshop_screens_test.moc"
