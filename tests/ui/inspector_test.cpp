// The fight inspector on screen (offscreen platform): stepping back reaches exactly what
// stepping forward showed, the keys, the slider, and a screenshot.

#include <QApplication>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QWheelEvent>
#include <QtTest>

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QTemporaryDir>
#include <algorithm>
#include <ctime>
#include <fstream>

#include "replay/replay_folder.h"
#include "support/qt_test_main.h"
#include "support/recorded_fights.h"
#include "support/screenshots.h"
#include "support/scripted_dialog.h"
#include "ui/fight/fight_stage.h"
#include "ui/fight_fixture.h"
#include "ui/lab/inspector.h"
#include "ui/lab/replay_list.h"
#include "ui/workshop/career_summary.h"

using namespace velko;
using namespace velko::ui;

namespace {

struct Shown {
  QString text;
  QImage stage;
};

Shown shown(const Inspector& inspector) {
  return {inspector.shownText(), inspector.stage()->image()};
}

FightRecording sampleFight() {
  SeededRandom dolls(21);
  const DollRef a = testing::randomDoll(dolls, "ヴェルコ");
  const DollRef b = testing::randomDoll(dolls, "ブラム");
  return testing::recordFight(*a, *b, kModeStreet, 77).recording;
}

}  // namespace

class InspectorTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QApplication::setFont(QFont("Noto Sans CJK JP", 10));
    qputenv("TZ", "Asia/Tokyo");
    tzset();
  }

  void steppingBackShowsWhatSteppingForwardShowed() {
    const FightRecording recording = sampleFight();
    Inspector inspector(recording, GameFolder(VELKO_GAME_DIR));
    testing::settle(inspector);
    QVERIFY(inspector.inspection().error.empty());
    QCOMPARE(inspector.lastStep(), recording.steps);
    QVERIFY(inspector.lastStep() >= 4);

    std::vector<Shown> forward{shown(inspector)};
    for (int k = 1; k <= inspector.lastStep(); ++k) {
      QTest::keyClick(&inspector, Qt::Key_Right);
      QCOMPARE(inspector.step(), k);
      forward.push_back(shown(inspector));
    }
    QTest::keyClick(&inspector, Qt::Key_Right);  // nothing after the last step
    QCOMPARE(inspector.step(), inspector.lastStep());

    // The narration pane: no line cut at its foot, whole lines under the wheel, and every step
    // read from its top, even after the step before was scrolled down.
    const QScrollArea* pane = inspector.narrationPane();
    QScrollBar* bar = pane->verticalScrollBar();
    const int line = pane->widget()->fontMetrics().lineSpacing();
    QVERIFY(pane->viewport()->height() % line < line / 2);
    const auto showStep = [&inspector](int k) {
      inspector.showStep(k);
      QCoreApplication::processEvents();  // the pane takes the new text's size
    };
    std::vector<int> longSteps;
    for (int k = 0; k <= inspector.lastStep(); ++k) {
      showStep(k);
      if (bar->maximum() > 0) longSteps.push_back(k);
    }
    QVERIFY(longSteps.size() >= 2);
    for (int k : longSteps) {
      QCOMPARE(bar->value(), 0);
      QWheelEvent wheel(QPointF(5, 5), pane->viewport()->mapToGlobal(QPointF(5, 5)), QPoint(),
                        QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
      showStep(k);
      QCoreApplication::sendEvent(pane->viewport(), &wheel);
      QVERIFY(bar->value() > 0);
      QVERIFY(bar->value() == bar->maximum() || bar->value() % line == 0);
      showStep(longSteps.front() == k ? longSteps.back() : longSteps.front());
    }
    // The narration moves on with the fight.
    QVERIFY(forward.back().text != forward.front().text);
    // Each acting step names the Doll that acted.
    const bool named = std::any_of(forward.begin(), forward.end(), [](const Shown& s) {
      return s.text.contains("ヴェルコの行動: ") || s.text.contains("ブラムの行動: ");
    });
    QVERIFY(named);

    // The arrow keys step whichever part of the window holds the focus.
    for (QWidget* part : inspector.findChildren<QWidget*>()) {
      if (part->focusPolicy() == Qt::NoFocus) continue;
      QTest::keyClick(&inspector, Qt::Key_Home);
      QTest::keyClick(part, Qt::Key_Right);
      QVERIFY2(inspector.step() == 1, part->metaObject()->className());
    }

    QTest::keyClick(&inspector, Qt::Key_Home);
    QTest::keyClick(&inspector, Qt::Key_End);
    for (int k = inspector.lastStep(); k >= 0; --k) {
      QCOMPARE(inspector.step(), k);
      QCOMPARE(inspector.shownText(), forward[k].text);
      QVERIFY(inspector.stage()->image() == forward[k].stage);
      QTest::keyClick(&inspector, Qt::Key_Left);
    }
    QCOMPARE(inspector.step(), 0);

    const int middle = inspector.lastStep() / 2;
    inspector.findChild<QSlider*>("timeline")->setValue(middle);
    QCOMPARE(inspector.step(), middle);
    QCOMPARE(inspector.shownText(), forward[middle].text);
    QVERIFY(testing::settleAndSave(inspector, "inspector.png"));
  }

  // A recording that does not fit its fight shows the steps it could play and says why.
  void aMismatchedRecordingSaysWhy() {
    FightRecording recording = sampleFight();
    recording.draws.resize(6);
    Inspector inspector(recording, GameFolder(VELKO_GAME_DIR));
    QVERIFY(!inspector.inspection().error.empty());
    QTest::keyClick(&inspector, Qt::Key_End);
    QVERIFY(inspector.shownText().contains("再生できません"));
  }

  // The workshop's list: newest first; a damaged file is refused with its name and reason, a
  // good one opens in the inspector.
  void theListOpensGoodFilesAndRefusesDamagedOnes() {
    QTemporaryDir dir;
    const GameFolder folder(dir.path().toStdString());
    const std::filesystem::path good = saveReplay(folder, sampleFight());
    std::ofstream(replayFolder(folder) / "29991231-235959-000000-street.replay")
        << "VELKO-REPLAY 1\nmode";
    testing::ScriptedDialog dialog;
    DialogPrompter prompter(dialog);
    ReplayList list(folder, prompter);
    QCOMPARE(list.list()->count(), 2);
    QVERIFY(list.list()->item(0)->text().contains("読めないファイル"));
    // The file names keep UTC; the list shows the player's own time.
    QVERIFY(list.list()->item(0)->text().startsWith("3000/01/01 08:59:59"));
    QVERIFY(list.list()->item(1)->text().contains("ヴェルコ 対 ブラム"));
    QVERIFY(!list.openChosen());
    QVERIFY(dialog.shown.back().request.text.find("29991231-235959") != std::string::npos);

    list.list()->setCurrentRow(1);
    {
      bool inspected = false;
      testing::ModalAnswerer close([&inspected](QWidget* modal) {
        inspected = qobject_cast<Inspector*>(modal) != nullptr;
        modal->close();
      });
      QVERIFY(list.openChosen());
      QVERIFY(inspected);
      QVERIFY(std::filesystem::exists(good));
    }

    // The chosen fight written for another player, and opened from that file in the
    // inspector: the same fight, step for step. A damaged copy is refused naming the file.
    QTemporaryDir other;
    const QString file = other.filePath("final.velkoreplay");
    list.choosePath = [&file](bool, const QString& suggested) {
      return suggested.endsWith(".velkoreplay") || suggested.isEmpty() ? file : QString();
    };
    QVERIFY(list.exportChosen());
    QCOMPARE(dialog.shown.back().request.text, std::string("final.velkoreplayを書き出しました"));
    int steps = -1;
    testing::ModalAnswerer look([&steps](QWidget* modal) {
      if (auto* inspector = qobject_cast<Inspector*>(modal)) steps = inspector->lastStep();
      modal->close();
    });
    QVERIFY(list.openExported());
    QCOMPARE(steps, Inspector(sampleFight(), folder).lastStep());
    {
      std::ofstream damage(file.toStdString(), std::ios::in | std::ios::out);
      damage.seekp(40);
      damage << '#';
    }
    QVERIFY(!list.openExported());
    QVERIFY(dialog.shown.back().request.text.rfind("final.velkoreplayが壊れています", 0) == 0);
  }

  // Given the career's fights, the list shows those first and all on the filter; the line
  // under it counts the shown fights won, lost and given up.
  void theListShowsTheCareersFightsUnlessAllAreAsked() {
    QTemporaryDir dir;
    const GameFolder folder(dir.path().toStdString());
    FightRecording givenUp = sampleFight();
    givenUp.winner = kNoWinner;
    const std::filesystem::path ours = saveReplay(folder, givenUp);
    saveReplay(folder, sampleFight());  // another career's
    testing::ScriptedDialog dialog;
    DialogPrompter prompter(dialog);
    ReplayList list(folder, prompter, nullptr, std::vector<std::string>{ours.filename().string()});
    QCOMPARE(list.list()->count(), 1);
    QVERIFY(list.list()->item(0)->text().contains("中断"));
    QCOMPARE(list.counts()->text(), QString("1試合　勝利0　敗北0　中断1"));
    list.filter()->setCurrentIndex(1);
    QCOMPARE(list.list()->count(), 2);
    QCOMPARE(list.counts()->text(), QString("2試合　勝利%1　敗北%2　中断1")
                                        .arg(sampleFight().winner == 0 ? 1 : 0)
                                        .arg(sampleFight().winner == 1 ? 1 : 0));
    list.filter()->setCurrentIndex(0);
    QCOMPARE(list.list()->count(), 1);
    testing::ModalAnswerer close([](QWidget* modal) { modal->close(); });
    QVERIFY(list.openChosen());  // the row stands for the career's own fight
  }

  // The career's summary lists its best fights; one opens in the inspector, one whose replay
  // is gone is refused with a message.
  void theSummarysBestFightsOpenInTheInspector() {
    QTemporaryDir dir;
    const GameFolder folder(dir.path().toStdString());
    const std::filesystem::path kept = saveReplay(folder, sampleFight());
    ClockRandom rnd(3);
    CareerState state(rnd);
    state.history = startHistory(GameDate::fromYMD(2014, 12, 1));
    countFight(state.history, {1, HistoryEnd::Won, 0, 1500, kept.filename().string(), "強敵"});
    countFight(state.history,
               {1, HistoryEnd::Won, 0, 900, "20000101-000000-000000-street.replay", "弱敵"});
    testing::ScriptedDialog dialog;
    DialogPrompter prompter(dialog);
    CareerSummary summary(state, folder, prompter);
    QCOMPARE(summary.bestFights()->count(), 2);
    QVERIFY(summary.bestFights()->item(0)->text().contains("強敵"));  // the stronger first
    bool inspected = false;
    testing::ModalAnswerer close([&inspected](QWidget* modal) {
      inspected = qobject_cast<Inspector*>(modal) != nullptr;
      modal->close();
    });
    QVERIFY(summary.openChosen());
    QVERIFY(inspected);
    summary.bestFights()->setCurrentRow(1);
    QVERIFY(!summary.openChosen());
    QCOMPARE(dialog.texts().back(), std::string("この試合のリプレイは残っていません"));
  }
};

VELKO_QTEST(InspectorTest);
#include "inspector_test.moc"
