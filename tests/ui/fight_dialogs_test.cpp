// The pattern and move dialogs on screen (offscreen platform): white and grey rows, a refused
// pattern, the question before a choice, cancelling the order, the guide, the move answers,
// and the player's controller that opens them for the battle.

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "model/action_factories.h"
#include "support/patterns.h"
#include "support/qt_test_main.h"
#include "ui/fight/dialog_action.h"
#include "ui/fight/dialog_move.h"
#include "ui/fight/fight_player.h"
#include "ui/fight_fixture.h"

using namespace velko;
using namespace velko::ui;
using velko::testing::ModalAnswerer;
using velko::testing::ScriptedDialog;

namespace {

using velko::testing::pattern;

// The colour inside a row, right of its text.
QRgb rowColour(DialogAction& dialog, int row) {
  const QImage shot = dialog.grab().toImage();
  const QRect r = dialog.dspPattern(row)->geometry();
  return shot.pixel(r.right() - 8, r.center().y());
}

}  // namespace

class FightDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QApplication::setFont(QFont("Noto Sans CJK JP", 10)); }

  void patternDialogRefusesTooExpensivePatterns() {
    QWidget battle;
    battle.setGeometry(120, 60, 1240, 728);
    battle.show();
    ScriptedDialog answers;
    DialogPrompter prompter(answers);
    DialogAction dialog(9, true, prompter, &battle);
    dialog.setLogics(pattern("正拳", 9, {kMove, kPunch, kMove}), 0);
    dialog.setLogics(pattern("飛び蹴り", 10, {kJump, kKick}), 1);
    dialog.setLogics(pattern("組み投げ", 4, {kKumi, kDrop}), 2);
    const QString longName("ジャンプ回転キック連続攻撃");
    dialog.setLogics(pattern(longName.toStdString(), 4, {kJump, kSpin, kKick}), 3);
    dialog.setDialog("ヴェルコ");
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    QCOMPARE(dialog.windowTitle(), QString("SelectAction"));
    const QRect frame = battle.frameGeometry();
    QCOMPARE(dialog.pos(),
             QPoint(frame.left() + frame.width() / 3, frame.top() + frame.height() / 3));
    QCOMPARE(dialog.dspPattern(0)->text(), QString("移動＋パンチ＋移動"));
    QCOMPARE(dialog.Text1(1)->text(), QString("飛び蹴り"));
    QCOMPARE(dialog.lblAP(1)->text(), QString("10"));
    QCOMPARE(dialog.lblAP(5)->text(), QString("0"));  // no pattern: the empty one
    // A name too long for its field is cut with "…" and shown whole as the tooltip.
    QLabel* cut = dialog.Text1(3);
    QVERIFY(cut->text().endsWith("…"));
    QVERIFY(cut->fontMetrics().horizontalAdvance(cut->text()) <= cut->contentsRect().width());
    QCOMPARE(cut->toolTip(), longName);
    QCOMPARE(rowColour(dialog, 0), qRgb(255, 255, 255));
    QCOMPARE(rowColour(dialog, 1), qRgb(0xC0, 0xC0, 0xC0));
    QCOMPARE(rowColour(dialog, 5), qRgb(255, 255, 255));
    QVERIFY(dialog.paneGuide()->isVisible());
    velko::testing::saveScreen(dialog, "dialog-action.png");

    // A grey row: nothing happens.
    dialog.dspPattern(1)->click();
    QVERIFY(answers.shown.empty());
    QVERIFY(dialog.isVisible());

    // Clicking the guide hides it for good.
    QTest::mouseClick(dialog.paneGuide()->findChild<QLabel*>("dspGuide"), Qt::LeftButton);
    QVERIFY(!dialog.paneGuide()->isVisible());
    QVERIFY(dialog.guideDismissed());

    // Cancel in the question keeps the dialog; OK takes the pattern.
    answers.answer(kAnswerCancel);
    dialog.dspPattern(0)->click();
    QVERIFY(dialog.isVisible());
    dialog.dspPattern(0)->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.value(), int16_t(1));
    QCOMPARE(answers.shown.back().request.caption, std::string("ヴェルコ"));
    QCOMPARE(answers.shown.back().request.text, std::string("正拳でいいですか？"));
  }

  void cancellingTheOrder() {
    ScriptedDialog answers;
    DialogPrompter prompter(answers);
    DialogAction dialog(2, false, prompter);
    dialog.setDialog("ヴェルコ");
    dialog.show();
    QVERIFY(!dialog.paneGuide()->isVisible());

    answers.answer(kAnswerCancel);  // No
    dialog.cmdCancel()->click();
    QVERIFY(dialog.isVisible());
    QCOMPARE(answers.shown.back().request.caption, std::string("BRAM-KOL"));
    QCOMPARE(answers.shown.back().request.text, std::string("命令を中止しますか？"));
    QVERIFY(answers.shown.back().request.safeDefault);

    // Esc asks the same question; Yes ends the order with 0.
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QCOMPARE(answers.shown.size(), size_t(2));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.value(), int16_t(0));
  }

  void moveDialogAnswersWithTheButtonPressed() {
    dialogMove dialog(3);
    dialog.dsp(1)->setText("組み合っている");
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.windowTitle(), QString("移動指示"));
    QCOMPARE(dialog.dsp(0)->text(), QString("3"));
    QCOMPARE(dialog.Command1(0)->text(), QString("接近"));
    QCOMPARE(dialog.Command1(1)->text(), QString("離脱"));
    velko::testing::saveScreen(dialog, "dialog-move.png");
    // Only the two answers close it.
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(dialog.isVisible());
    dialog.Command1(1)->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.value(), int16_t(1));

    dialogMove approach(0);
    approach.show();
    approach.Command1(0)->click();
    QCOMPARE(approach.value(), int16_t(0));
  }

  // The controller the battle asks: the acting Doll's patterns, the state line of the move
  // dialog, and the guide flag the game keeps.
  void playerControllerOpensTheDialogsForTheActingDoll() {
    velko::testing::FightGame game;
    QWidget battle;
    battle.show();
    FightPlayer player(battle, game.state, game.prompter);
    BattleState s;
    s.fighters = {game.state.Dolls[0], ldTekiDoll(game.services.folder, 3)};
    s.playAP = 30;

    QString seenName;
    int seenRows = 0;
    const Logic* chosen = nullptr;
    {
      ModalAnswerer answerer([&](QWidget* modal) {
        auto* dialog = qobject_cast<DialogAction*>(modal);
        QVERIFY(dialog);
        seenName = dialog->findChild<QLabel*>("dspDollName")->text();
        for (int row = 0; row < 6; ++row)
          seenRows += dialog->dspPattern(row)->text().isEmpty() ? 0 : 1;
        QTest::mouseClick(dialog->findChild<QLabel*>("dspGuide"), Qt::LeftButton);
        dialog->dspPattern(2)->click();
      });
      chosen = player.choosePattern(s, 1);
    }
    QCOMPARE(chosen, s.fighter(1).getLogic(2).get());
    QCOMPARE(seenName, QString::fromStdString(s.fighter(1).name));
    QVERIFY(seenRows >= 3);
    QVERIFY(!game.state.guideDialog);

    QString stateLine;
    QString span;
    ModalAnswerer mover([&](QWidget* modal) {
      if (auto* dialog = qobject_cast<dialogMove*>(modal)) {
        stateLine = dialog->dsp(1)->text();
        span = dialog->dsp(0)->text();
        dialog->Command1(1)->click();
      }
    });
    s.span = 4;
    s.tentou[0] = kOn;
    QCOMPARE(player.chooseMove(s, 0, 2, *chosen), int16_t(1));
    QCOMPARE(stateLine, QString("転倒中\n"));
    QCOMPARE(span, QString("4"));
    // The next dialog starts without the last one's line.
    s.tentou[0] = kOff;
    player.chooseMove(s, 0, 2, *chosen);
    QCOMPARE(stateLine, QString());
  }
};

VELKO_QTEST(FightDialogsTest);
#include "fight_dialogs_test.moc"
