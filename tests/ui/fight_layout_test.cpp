// Where the battle display puts each Doll: the pose cell for every situation of the display
// table, the places at each distance, the hit effects and the hit-point bars.

#include <QtTest>

#include "support/qt_test_main.h"
#include "ui/fight/fight_layout.h"

using namespace velko;
using namespace velko::ui;

namespace {

BattleState situation(bool hold0, bool hold1, bool down0, bool down1) {
  BattleState s;
  s.kumiai = {hold0 ? kOn : kOff, hold1 ? kOn : kOff};
  s.tentou = {down0 ? kOn : kOff, down1 ? kOn : kOff};
  return s;
}

}  // namespace

class FightLayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void placesAtEachDistance() {
    QCOMPARE(cellX(0, 0), 220);
    QCOMPARE(cellX(1, 0), 240);
    QCOMPARE(cellX(0, 10), 120);
    QCOMPARE(cellX(1, 10), 340);
    // In contact the cells overlap by 220 pixels.
    QCOMPARE(cellX(0, 0) + kCell - cellX(1, 0), 220);
    QCOMPARE(cellRow(0), 0);
    QCOMPARE(cellRow(1), 240);
  }

  void techniquePictureShowsTheActionAndTheOtherInItsState() {
    QCOMPARE(actionColumn(kNoAction), kPoseStand);
    QCOMPARE(actionColumn(kMove), kPoseStand);
    QCOMPARE(actionColumn(kSpin), 240);
    QCOMPARE(actionColumn(kPunch), 480);
    QCOMPARE(actionColumn(kKick), 720);
    QCOMPARE(actionColumn(kKumi), 960);
    QCOMPARE(actionColumn(kBlock), 960);
    QCOMPARE(actionColumn(kDrop), kPoseStand);

    QCOMPARE(statePose(situation(false, false, false, false), 1), kPoseStand);
    QCOMPARE(statePose(situation(false, false, false, true), 1), kPoseDown);
    // A hold puts the other in the clinch even when it alone is down...
    QCOMPARE(statePose(situation(true, false, false, true), 1), kPoseClinch);
    QCOMPARE(statePose(situation(false, true, false, false), 0), kPoseClinch);
    // ...but with both down it lies down.
    QCOMPARE(statePose(situation(true, false, true, true), 1), kPoseDown);
  }

  void endOfStepPictureFollowsTheTable() {
    QVERIFY(!dollImagePoses(situation(false, false, false, false)).redraw);

    struct Row {
      bool hold0, hold1, down0, down1;
      int pose0, pose1;
    };
    const Row rows[] = {
        {false, false, true, false, 1200, 0},    // no hold, fighter 0 down
        {false, false, false, true, 0, 1200},    // no hold, fighter 1 down
        {false, false, true, true, 1200, 1200},  // no hold, both down
        {true, false, false, false, 960, 960},   // hold, both standing
        {false, true, true, false, 1200, 960},   // hold, fighter 0 down
        {true, true, false, true, 960, 1200},    // hold, fighter 1 down
        {false, true, true, true, 1440, 1200},   // hold, both down
    };
    for (const Row& r : rows) {
      const DollPoses poses = dollImagePoses(situation(r.hold0, r.hold1, r.down0, r.down1));
      QVERIFY(poses.redraw);
      QCOMPARE(poses.column[0], r.pose0);
      QCOMPARE(poses.column[1], r.pose1);
    }
  }

  void effectsFallOnTheOneHitAndLowerForBigSizes() {
    const StagePoint first = effectPlace(0, 10, 1, 0.0);
    QCOMPARE(first.x, 300);
    QCOMPARE(first.y, 50);
    const StagePoint third = effectPlace(1, 150, 3, 0.99);
    QCOMPARE(third.x, 340 + 29);  // Int(10 x 3 x 0.99)
    QCOMPARE(third.y, 230);
  }

  void barsShrinkTowardsTheOuterEdges() {
    QCOMPARE(barSpan(0, 110).left, 0);
    QCOMPARE(barSpan(0, 110).width, 2200);
    QCOMPARE(barSpan(1, 110).left, 9500 - 2200);
    QCOMPARE(barSpan(1, 30).left + barSpan(1, 30).width, 9500);
    QCOMPARE(barSpan(1, 0).width, 0);
    QCOMPARE(barSpan(0, -5).width, 0);  // never drawn inside out
  }
};

VELKO_QTEST(FightLayoutTest);
#include "fight_layout_test.moc"
