// The battle screen's 振り返り command (offscreen platform): off until a bout is over, then the
// bout that ended opens in the fight inspector while the tournament goes on.

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "support/qt_test_main.h"
#include "ui/fight/fight.h"
#include "ui/fight/frm_tornament.h"
#include "ui/fight_fixture.h"
#include "ui/lab/inspector.h"

using namespace velko;
using namespace velko::ui;

class FightReplayTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QApplication::setFont(QFont("Noto Sans CJK JP", 10)); }

  void aFinishedBoutOpensInTheInspector() {
    testing::FightGame game(27);  // a Master Doll in a Novice tournament wins its first bout
    testing::PatternPicker picker(2);
    Fight fight(game.state, game.services, kModeTournament, "Novice", game.soundEffects, picker,
                picker);
    int inspected = 0;
    testing::ModalAnswerer answerer([&](QWidget* modal) {
      if (auto* view = qobject_cast<frmTornament*>(modal)) view->Command1()->click();
      if (auto* inspector = qobject_cast<Inspector*>(modal)) {
        ++inspected;
        QCOMPARE(inspector->lastStep(), fight.session().lastRecording()->steps);
        QTest::keyClick(inspector, Qt::Key_End);
        QVERIFY(testing::saveScreen(*inspector, "fight_replay.png"));
        inspector->close();
      }
    });
    fight.show();
    QTRY_VERIFY(!fight.findChild<QLabel*>("dspName1")->text().isEmpty());
    QVERIFY(!fight.cmdReplay()->isEnabled());
    for (int press = 0; press < 2000 && fight.session().lastRecording() == nullptr; ++press)
      fight.cmdNext()->click();
    QVERIFY(fight.session().lastRecording() != nullptr);
    if (fight.session().closed()) QSKIP("the first bout was lost: the screen closed with it");
    QCOMPARE(fight.session().lastRecording()->winner, int16_t{0});
    QVERIFY(fight.cmdReplay()->isEnabled());
    fight.cmdReplay()->click();
    QTRY_COMPARE(inspected, 1);
    fight.cmdTap()->click();
    QTRY_VERIFY(!fight.isVisible());
  }
};

VELKO_QTEST(FightReplayTest);
#include "fight_replay_test.moc"
