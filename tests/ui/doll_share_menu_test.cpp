// Sharing a Doll through the workshop's ファイル menu (offscreen platform): the player's Doll
// written to a file and read back as the duel opponent, a damaged file refused without
// changing the opponent, and screenshots of the menu and of the opponent read in.

#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>
#include <fstream>

#include "career/game.h"
#include "data/catalogue/catalogue.h"
#include "data/save/slot_save.h"
#include "data/share/doll_share.h"
#include "model/action_factories.h"
#include "model/doll_stats.h"
#include "support/career_fakes.h"
#include "support/qt_test_main.h"
#include "support/screenshots.h"
#include "support/scripted_dialog.h"
#include "ui/widgets/ui_style.h"
#include "ui/workshop/design.h"
#include "ui/workshop/doll_share_menu.h"

using namespace velko;
using namespace velko::ui;

namespace {

void saveOverWorkshop(QWidget& workshop, const std::string& text, const QString& name) {
  QMessageBox box(QMessageBox::Information, "VELKO", QString::fromStdString(text), QMessageBox::Ok,
                  &workshop);
  testing::settle(box);
  QImage shot = workshop.grab().toImage();
  {
    QPainter painter(&shot);
    const QPixmap message = box.grab();
    painter.drawPixmap((shot.width() - message.width()) / 2, (shot.height() - message.height()) / 3,
                       message);
  }
  box.hide();
  QVERIFY(shot.save(testing::screenPath(name)));
}

}  // namespace

class DollShareMenuTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    applyGameStyle(*qApp);
    QDir::setCurrent(VELKO_GAME_DIR);
  }

  void exportThenImportAsTheDuelOpponent() {
    ClockRandom rnd{7};
    testing::ScriptedDialog dialog;
    DialogPrompter prompter{dialog};
    testing::FakeMusic music;
    CareerState state(rnd);
    CareerServices services{GameFolder(VELKO_GAME_DIR), rnd, prompter, music};
    testing::HeadlessNavigator nav(state, services);
    Game game(state, services, nav);
    const GameFolder& folder = services.folder;

    Owner& p = state.player();
    p.name = "秋津遥人";
    p.skillPlay = 9;
    doll& d = state.playerDoll();
    d.name = "ヴェルコ";
    d.Motor = ld_Motor(folder, 3);
    d.frame = ld_Frame(folder, 3);
    d.Hard = ld_Hard(folder, 2);
    // The workshop fits the player's own programs to the Doll.
    p.setSoftM(ld_SoftM(folder, 2));
    p.setSoftA(ld_SoftA(folder, 5));
    p.setSoftD(ld_SoftD(folder, 1));
    d.setSoftM(0, p.getSoftM(0));
    d.setSoftA(0, p.getSoftA(0));
    d.setSoftD(0, p.getSoftD(0));
    auto jab = std::make_shared<Logic>();
    jab->name = "ジャブ";
    jab->addAction(workshopAction(d, kMove), prompter);
    jab->addAction(workshopAction(d, kPunch), prompter);
    d.setLogics(jab, 0);
    d.programed = true;

    Design design(game, services);
    design.refresh();
    auto* share = design.findChild<DollShareMenu*>();
    QVERIFY(share != nullptr);
    QTemporaryDir dir;
    const QString file = dir.filePath("velko.velkodoll");
    share->choosePath = [&](bool, const QString&) { return file; };

    design.menu("mnExportDoll")->trigger();
    QCOMPARE(dialog.shown.back().request.text, std::string("ヴェルコを書き出しました"));

    // The opponent slot takes the file; its Doll is the player's, rebuilt from the catalogue.
    // The player's own pilot, inventory, Doll and patterns stay exactly as they were.
    p.skillPlay = 12;  // trained since the export: the file's pilot is not the player now
    const auto pilotBefore = state.Owners[0];
    const auto dollBefore = state.Dolls[0];
    const auto mine = [&] {
      return savePlayerRtn(folder, 0, state.slotState()).bytes +
             writeDollShare(state.player(), state.playerDoll());
    };
    const std::string mineBefore = mine();
    design.menu("mnImportDoll")->trigger();
    QCOMPARE(state.Owners[0], pilotBefore);
    QCOMPARE(state.Dolls[0], dollBefore);
    QCOMPARE(mine(), mineBefore);
    QCOMPARE(dialog.shown.back().request.text,
             std::string("秋津遥人のヴェルコを対戦相手にしました"));
    QCOMPARE(state.duelistState, kDuelistReady);
    const DollRef opponent = state.Dolls[1];
    QVERIFY(opponent != state.Dolls[0]);
    QCOMPARE(opponent->pow, d.pow);
    QCOMPARE(opponent->value, d.value);
    QCOMPARE(opponent->getLogic(0)->name, std::string("ジャブ"));

    // A damaged file is refused and the opponent stays as it was.
    {
      std::ofstream out(file.toStdString(), std::ios::app);
      out << "x";
    }
    design.menu("mnImportDoll")->trigger();
    QVERIFY(dialog.shown.back().request.text.rfind("読み込めません", 0) == 0);
    QCOMPARE(state.Dolls[1], opponent);
    QCOMPARE(state.duelistState, kDuelistReady);

    // The menu with its new entries, over the workshop.
    testing::settle(design);
    QMenu* mnFile = design.menuBar()->findChildren<QMenu*>().front();
    mnFile->popup(design.mapToGlobal(QPoint(8, design.menuBar()->height())));
    testing::settle(*mnFile);
    QImage shot = design.grab().toImage();
    {
      QPainter painter(&shot);
      painter.drawPixmap(QPoint(8, design.menuBar()->height()), mnFile->grab());
    }
    QVERIFY(shot.save(testing::screenPath("doll_share_menu.png")));
    mnFile->hide();

    // What the player reads after each import, as the plain message box shows it.
    saveOverWorkshop(design, dialog.shown[1].request.text, "doll_share_import.png");
    saveOverWorkshop(design, dialog.shown.back().request.text, "doll_share_refused.png");
    design.closeQuietly();
  }
};

VELKO_QTEST(DollShareMenuTest);
#include "doll_share_menu_test.moc"
