// The bracket view: the eight names, every line white before a bout, the round's lines and
// the winner's path red after it, drawn where the view says they stand, and the return command.

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

#include <QComboBox>
#include <QTimer>

#include "support/qt_test_main.h"
#include "ui/fight/frm_tornament.h"
#include "ui/fight_fixture.h"
#include "ui/lab/advice_panel.h"
#include "ui/lab/lab_screen.h"
#include "ui/widgets/dmsg.h"
#include "ui/widgets/qt_message_dialog.h"

using namespace velko;
using namespace velko::ui;
using velko::testing::FightGame;
using velko::testing::ModalAnswerer;

namespace {

const QColor kWhite(255, 255, 255);
const QColor kRed(255, 0, 0);

QColor drawnAt(const QImage& shot, QPoint at) {
  return QColor(shot.pixel(at));
}

QPoint middle(const QPolygon& path) {
  return (path.point(0) + path.point(1)) / 2;
}

}  // namespace

class FrmTornamentTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QApplication::setFont(QFont("Noto Sans CJK JP", 10)); }

  void linesTurnRedAsBoutsAreDecided() {
    FightGame game;
    Bracket bracket;
    for (int s = 0; s < Bracket::kEntrants; ++s) {
      bracket.setKumiawase(
          s, s == 5 ? game.state.Dolls[0] : ldTekiDoll(game.services.folder, int16_t(s + 1)));
    }
    {
      frmTornament view(bracket);
      for (int j = 0; j < Bracket::kEntrants; ++j)
        QCOMPARE(view.lblName(j)->text(), QString::fromStdString(bracket.lblName(j)));
      for (int i = 0; i < Bracket::kLines; ++i)
        QCOMPARE(view.line1Color(i), kWhite);
    }

    // A computer bout of the first round: entrant 0 beats entrant 1.
    bracket.setWin(bracket.entrant(0)->ID, 0, 1, game.prompter);
    QCOMPARE(game.dialog.texts().back(), bracket.lblName(0) + " Win");
    {
      frmTornament view(bracket);
      view.show();
      QVERIFY(QTest::qWaitForWindowExposed(&view));
      const QImage shot = view.grab().toImage();
      for (int i = 0; i < 8; ++i)
        QCOMPARE(view.line1Color(i), kRed);
      QCOMPARE(view.line1Color(8), kWhite);
      QCOMPARE(view.lineVColor(0), kRed);
      QCOMPARE(view.lineVColor(1), kWhite);
      QCOMPARE(drawnAt(shot, middle(frmTornament::line1Path(0))), kRed);
      QCOMPARE(drawnAt(shot, middle(frmTornament::line1Path(9))), kWhite);
      QCOMPARE(drawnAt(shot, frmTornament::lineV(0).center()), kRed);
      QCOMPARE(drawnAt(shot, frmTornament::lineV(1).center()), kWhite);
      view.Command1()->click();
      QVERIFY(!view.isVisible());
      QCOMPARE(view.result(), int(QDialog::Accepted));
    }

    // The rest of the first round and the first semi-final.
    bracket.setWin(bracket.entrant(3)->ID, 1, 1, game.prompter);
    bracket.setWin(bracket.entrant(5)->ID, 2, 1, game.prompter);
    bracket.setWin(bracket.entrant(6)->ID, 3, 1, game.prompter);
    bracket.setWin(bracket.entrant(0)->ID, 0, 2, game.prompter);
    frmTornament view(bracket);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QCOMPARE(view.line1Color(11), kRed);
    QCOMPARE(view.line1Color(12), kWhite);
    QCOMPARE(view.lineVColor(8), kRed);
    QCOMPARE(drawnAt(view.grab().toImage(), frmTornament::lineV(8).center()), kRed);
    velko::testing::saveScreen(view, "bracket.png");
  }

  // The entry question carries the chances against the class, told in words once the worker
  // is done, and a button into the lab on that class; the next question carries nothing.
  void theEntryQuestionCarriesTheChancesAndOpensTheLab() {
    FightGame game;
    QtMessageDialog messages;
    DialogPrompter prompter(messages);
    messages.attachToNext([&](QWidget* dialog) -> QWidget* {
      return AdvicePanel::forClass(game.state, game.services, "Novice", dialog);
    });
    QString told;
    QString labAgainst;
    int panels = 0;
    DMsg* question = nullptr;
    // A modal window opened from the answer's own timer would wait for ever: the clicks that
    // open one are queued.
    ModalAnswerer answerer([&](QWidget* modal) {
      if (auto* lab = qobject_cast<LabScreen*>(modal)) {
        labAgainst = lab->cmbAgainst()->currentData().toString();
        // Started at once: still fighting, or already through its fights.
        const bool started = lab->running() || lab->progress()->value() > 0;
        lab->close();
        QTimer::singleShot(0, question->cmdCancel(), &QPushButton::click);
        QVERIFY(started);
        return;
      }
      question = qobject_cast<DMsg*>(modal);
      if (question == nullptr) return;
      auto* panel = question->findChild<AdvicePanel*>();
      if (panel == nullptr) {
        question->cmdOK()->click();
        return;
      }
      ++panels;
      QTRY_VERIFY_WITH_TIMEOUT(panel->advice() != nullptr, 20000);
      told = panel->text()->text();
      velko::testing::saveScreen(*question, "entry-advice.png");
      QTimer::singleShot(0, panel->cmdLab(), &QPushButton::click);
    });
    QCOMPARE(prompter.askOK("Noviceクラスのトーナメントに参加しますか？"), kAnswerCancel);
    QVERIFY2(told.startsWith("勝率はおよそ"), qPrintable(told));
    QVERIFY(told.contains("いちばん手強いのは"));
    QCOMPARE(labAgainst, QString("Novice"));
    QCOMPARE(prompter.askOK("もう一度"), kAnswerOK);
    QCOMPARE(panels, 1);
  }
};

VELKO_QTEST(FrmTornamentTest);
#include "frm_tornament_test.moc"
