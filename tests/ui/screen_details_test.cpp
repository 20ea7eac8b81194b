// Details a player meets in the first hour (offscreen platform): the money beside the date in
// the workshop, a frame's description as soon as its row is selected in the shop, the battle
// screen's title before the fight is set up, one running game per game folder with a crashed
// run's lock taken over, the language notice in both languages, and the application icon from
// the game folder, read after the title's first paint.

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSysInfo>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "career/game.h"
#include "replay/replay_export.h"
#include "support/career_fakes.h"
#include "support/qt_test_main.h"
#include "support/recorded_fights.h"
#include "support/screenshots.h"
#include "support/scripted_dialog.h"
#include "ui/app/app.h"
#include "ui/app/folder_lock.h"
#include "ui/app/language.h"
#include "ui/app/language_menu.h"
#include "ui/fight/fight.h"
#include "ui/fight_fixture.h"
#include "ui/lab/inspector.h"
#include "ui/widgets/qt_japanese.h"
#include "ui/widgets/ui_style.h"
#include "ui/workshop/design.h"
#include "ui/workshop/shop.h"

using namespace velko;
using namespace velko::ui;

class ScreenDetailsTest : public QObject {
  Q_OBJECT

  ClockRandom rnd{11};
  testing::ScriptedDialog dialog;
  DialogPrompter prompter{dialog};
  testing::FakeMusic music;

 private slots:
  void initTestCase() { applyGameStyle(*qApp); }

  void theWorkshopShowsTheMoneyBesideTheDate() {
    CareerState state(rnd);
    CareerServices services{GameFolder(VELKO_GAME_DIR), rnd, prompter, music};
    testing::HeadlessNavigator nav(state, services);
    Game game(state, services, nav);
    state.player().Rl = 1400;
    Design design(game, services);
    design.refresh();
    QCOMPARE(design.label("dspMoney")->text(), QString("所持金 1400Rl"));
    state.player().Rl = 0;
    design.refresh();
    QCOMPARE(design.label("dspMoney")->text(), QString("所持金 0Rl"));
    testing::settleAndSave(design, "workshop-money.png");
  }

  void aSelectedFrameRowTellsWhatTheFrameNeeds() {
    CareerState state(rnd);
    state.player().Rl = 0;  // nothing can be bought: only the selection shows the text
    CareerServices services{GameFolder(VELKO_GAME_DIR), rnd, prompter, music};
    Shop shop(state, services);
    shop.ComboShop()->setCurrentIndex(1);
    QTableWidget* stock = shop.List1();
    int shura = -1;
    for (int row = 0; row < stock->rowCount(); ++row) {
      if (stock->item(row, 0)->text() == "修羅") shura = row;
    }
    QVERIFY(shura >= 0);
    const size_t asked = dialog.shown.size();
    stock->setCurrentCell(shura, 0);
    QVERIFY(shop.dspGuide()->text().contains("移動するためにはブースターが必要です。"));
    QVERIFY(shop.paneGuide()->isVisibleTo(&shop));
    QCOMPARE(dialog.shown.size(), asked);
    testing::settleAndSave(shop, "shop-frame-selected.png");
  }

  void theBattleScreenHasItsTitleFromTheStart() {
    testing::FightGame game;
    Fight fight(game.state, game.services, kModeStreet, "Novice", game.soundEffects);
    QCOMPARE(fight.windowTitle(), QString("VELKO"));
  }

  void oneGamePerFolderAndACrashedRunsLockIsTakenOver() {
    QTemporaryDir dir;
    const std::filesystem::path root(dir.path().toStdString());
    {
      FolderLock first(root);
      QVERIFY(first.acquire());
      FolderLock second(root);
      QVERIFY(!second.acquire());
      QVERIFY(QString::fromStdString(second.refusal()).contains("すでに起動しています"));
    }
    FolderLock again(root);
    QVERIFY(again.acquire());
    // The player's folder of an installed game is made at the first start.
    FolderLock firstStart(root / "share" / "velko");
    QVERIFY(firstStart.acquire());

    // A lock left by a process that has ended.
    QTemporaryDir crashed;
    QProcess gone;
    gone.start("true");
    QVERIFY(gone.waitForStarted());
    const qint64 pid = gone.processId();
    QVERIFY(gone.waitForFinished());
    QFile lock(crashed.path() + "/" + kLockFileName);
    QVERIFY(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArray::number(pid) + "\nvelko\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    lock.close();
    FolderLock taker(std::filesystem::path(crashed.path().toStdString()));
    QVERIFY(taker.acquire());
  }

  void theSecondCopyIsToldAndStops() {
    const QString before = QDir::currentPath();
    QTemporaryDir folder;
    QVERIFY(QDir::setCurrent(folder.path()));
    FolderLock running(std::filesystem::current_path());
    QVERIFY(running.acquire());
    App second;
    QString told;
    QTimer::singleShot(0, [&] {
      QWidget* box = QApplication::activeModalWidget();
      QVERIFY(box);
      told = box->findChild<QLabel*>("qt_msgbox_label")->text();
      box->close();
    });
    QVERIFY(!second.start());
    QVERIFY(told.contains("VELKOがすでに起動しています"));
    QVERIFY(!second.title());
    QDir::setCurrent(before);
  }

  void theLanguageNoticeSpeaksTheLanguageLeftAndTheOneChosen() {
    QTemporaryDir player;
    const GameFolder folder(VELKO_GAME_DIR, player.path().toStdString());
    QMenu system;
    addLanguageMenu(system, prompter, folder);
    dialog.shown.clear();
    system.findChild<QAction*>("mnLanguage_en")->trigger();
    QCOMPARE(dialog.texts(), std::vector<std::string>{"言語は次に起動したときから変わります\n"
                                                      "The language changes the next time the "
                                                      "game starts."});
    QCOMPARE(rememberedLanguage(folder), QString("en"));
  }

  void qtsOwnButtonsSpeakJapanese() {
    QVERIFY(useJapaneseQtTexts(*static_cast<QApplication*>(qApp)));
    QMessageBox box(QMessageBox::Question, "VELKO", "?", QMessageBox::Yes | QMessageBox::No);
    QVERIFY(box.button(QMessageBox::No)->text().startsWith("いいえ"));
  }

  void theIconComesFromTheGameFolder() {
    const QString before = QDir::currentPath();
    QTemporaryDir folder;
    QDir(folder.path()).mkpath("img");
    QImage icon(256, 256, QImage::Format_ARGB32);
    icon.fill(QColor(176, 40, 40));
    QVERIFY(icon.save(folder.path() + "/img/velko-icon-256.png"));
    QDir(folder.path()).mkpath("save");
    QDir::setCurrent(folder.path());
    {
      // A folder without the factory files: the game says so, and goes on.
      testing::ModalAnswerer answerer([](QWidget* box) { box->close(); });
      App app;
      QApplication::setWindowIcon(QIcon());
      QVERIFY(app.start());
      // The box came before the title: it carried the icon all the same.
      QVERIFY(!QApplication::windowIcon().isNull());
      delete app.title();
    }
    QDir::setCurrent(before);
    // A start without a box: the icon is read only once the title has been painted.
    App app(GameFolder(VELKO_GAME_DIR, folder.path().toStdString()));
    QApplication::setWindowIcon(QIcon());
    QVERIFY(app.start());
    QVERIFY(QApplication::windowIcon().isNull());
    QTRY_VERIFY(!QApplication::windowIcon().isNull());
    delete app.title();
  }

  // `velko FRIEND.velkodoll`, as a double-click in a file manager starts it: nothing is asked
  // over the title; once the workshop is up, the duel question, then the file as the opponent.
  // An exported replay named so opens in the inspector over the title.
  void aFileNamedOnTheCommandLineOpensAtItsScreen() {
    QStringList asked;
    QStringList windows;
    testing::ModalAnswerer answerer([&](QWidget* modal) {
      windows << modal->metaObject()->className();
      auto* box = qobject_cast<QMessageBox*>(modal);
      if (box) asked << box->text();
      if (box && box->text() == "対戦相手をロードしますか？") {
        box->button(QMessageBox::Yes)->click();
        return;
      }
      // Saved as shown, without running events here: a notice the title opens meanwhile (no
      // sound, say) would wait in a loop this answerer, busy in this call, never answers.
      if (qobject_cast<Inspector*>(modal))
        QVERIFY(testing::saveScreen(*modal, "inspector-exported-replay.png"));
      modal->close();  // the shop of a new game, the notices
    });
    {
      QTemporaryDir player;
      App app(GameFolder(VELKO_GAME_DIR, player.path().toStdString()));
      app.openWhenReady(VELKO_TEST_FILES_DIR "/akitsu.velkodoll");
      QVERIFY(app.start());
      QTest::qWait(20);
      QVERIFY(asked.isEmpty());
      app.openWorkshop(std::nullopt);
      QTRY_COMPARE(app.state().duelistState, kDuelistReady);
      QVERIFY(asked.contains("対戦相手をロードしますか？"));
      QCOMPARE(app.state().Dolls[1]->name, std::string("ヴェルコ"));
      QCOMPARE(app.state().Owners[1]->name, std::string("秋津遥人"));
      app.workshop()->closeQuietly();
    }
    QTemporaryDir player;
    SeededRandom dolls(3);
    const DollRef a = testing::randomDoll(dolls, "ヴェルコ");
    const DollRef b = testing::randomDoll(dolls, "ブラム");
    const QString replay = player.filePath("final.velkoreplay");
    QCOMPARE(saveReplayExport(replay.toStdString(),
                              testing::recordFight(*a, *b, kModeDuel, 17).recording),
             std::string());
    App app(GameFolder(VELKO_GAME_DIR, player.path().toStdString()));
    app.openWhenReady(replay);
    windows.clear();
    QVERIFY(app.start());
    QTRY_VERIFY(windows.contains("velko::ui::Inspector"));
    delete app.title();
  }

  // Last: leaving ends the application's event loops for the rest of this run.
  void leavingAsksOnceWithCancelAsTheDefault() {
    int asked = 0;
    bool cancelIsDefault = false;
    testing::ModalAnswerer answerer([&](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      if (!box || box->text() != "セーブしていませんが、よろしいですか？") {
        modal->close();  // the shop of a new game, a music notice
        return;
      }
      ++asked;
      cancelIsDefault = box->defaultButton() == box->button(QMessageBox::Cancel);
      // OK the first time; a second question would be answered Cancel and keep the window.
      box->button(asked == 1 ? QMessageBox::Ok : QMessageBox::Cancel)->click();
    });
    App app(GameFolder(VELKO_GAME_DIR));
    app.openWorkshop(std::nullopt);
    QVERIFY(app.workshop());
    app.state().saved = false;
    app.workshop()->menu("mnEnd")->trigger();
    QTRY_VERIFY(!app.workshop());
    QCOMPARE(asked, 1);
    QVERIFY(cancelIsDefault);
  }
};

VELKO_QTEST(ScreenDetailsTest);
#include "screen_details_test.moc"
