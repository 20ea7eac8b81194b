// The battle screen on screen (offscreen platform): a street fight played to its end through
// the real dialogs against a registry opponent, giving up by button, key and window frame, the
// next command on Enter and Space, the narration's scroll buttons, a tournament's opening
// bracket, and the time of one step.

#include <QApplication>
#include <QElapsedTimer>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QtTest>
#include <algorithm>
#include <filesystem>

#include "career/fight_dice.h"
#include "core/numbers.h"
#include "core/seeded_random.h"
#include "support/patterns.h"
#include "support/qt_test_main.h"
#include "ui/fight/dialog_action.h"
#include "ui/fight/dialog_move.h"
#include "ui/fight/fight.h"
#include "ui/fight/fight_stage.h"
#include "ui/fight/frm_tornament.h"
#include "ui/fight/narration_view.h"
#include "ui/fight_fixture.h"
#include "ui/widgets/dmsg.h"

using namespace velko;
using namespace velko::ui;
using velko::testing::FightGame;
using velko::testing::ModalAnswerer;
using velko::testing::PatternPicker;
using velko::testing::saveScreen;

namespace {

QString text(Fight& fight, const char* name) {
  return fight.findChild<QLabel*>(name)->text();
}

int count(const std::vector<std::string>& played, const std::string& file) {
  return static_cast<int>(std::count(played.begin(), played.end(), file));
}

// The costliest white row, as a player spending the whole action would pick.
void pickPattern(DialogAction* dialog) {
  int best = -1;
  int bestAP = -1;
  for (int row = 0; row < 6; ++row) {
    const QString style = dialog->dspPattern(row)->styleSheet();
    if (style.contains("#c0c0c0") || dialog->dspPattern(row)->text().isEmpty()) continue;
    const int ap = dialog->lblAP(row)->text().toInt();
    if (ap > bestAP) {
      best = row;
      bestAP = ap;
    }
  }
  if (best < 0) {
    dialog->cmdCancel()->click();
    return;
  }
  dialog->dspPattern(best)->click();
}

void openFight(Fight& fight, const char* caption) {
  fight.show();
  QTRY_COMPARE(fight.windowTitle(), QString(caption));
}

// Stage pixels that differ from the background picture.
int drawnPixels(const QImage& stage, const QImage& background) {
  int drawn = 0;
  for (int y = 0; y < stage.height(); y += 2) {
    for (int x = 0; x < stage.width(); x += 2) {
      if (stage.pixel(x, y) != background.pixel(x, y)) ++drawn;
    }
  }
  return drawn;
}

}  // namespace

class FightTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QApplication::setFont(QFont("Noto Sans CJK JP", 10)); }

  void streetFightPlaysToItsEnd() {
    FightGame game(18);  // an Expert Doll: fights against any class last a while
    const doll& player = game.state.playerDoll();
    Fight fight(game.state, game.services, kModeStreet, "Novice", game.soundEffects);
    int patterns = 0;
    int moves = 0;
    ModalAnswerer answerer([&](QWidget* modal) {
      if (auto* dialog = qobject_cast<DialogAction*>(modal)) {
        ++patterns;
        pickPattern(dialog);
      } else if (auto* dialog = qobject_cast<dialogMove*>(modal)) {
        ++moves;
        dialog->Command1(moves % 4 == 0 ? 1 : 0)->click();
      }
    });
    openFight(fight, "Simulation");

    QCOMPARE(count(game.music.played, "midi/fight.mid"), 1);
    QCOMPARE(text(fight, "dspGuide"),
             QString("試合画面です。「次へ」を押して進行し、指示にしたがって下さい。"));
    QCOMPARE(text(fight, "dspName0"), QString::fromStdString(player.name));
    QCOMPARE(text(fight, "dspSpan"), QString("距離　 0"));
    QCOMPARE(text(fight, "dspHP0"),
             QString("Motor:") + QString::fromStdString(Str(player.Motor->HP)));
    QVERIFY(text(fight, "dspAbl0").startsWith("パワー\n移動力"));
    const QImage background =
        QImage(QString::fromStdString(game.services.folder.path("\\img\\stage.jpg").string()))
            .convertToFormat(QImage::Format_RGB32);
    QVERIFY(drawnPixels(fight.stage()->image(), background) > 4000);
    saveScreen(fight, "fight-start.png");

    bool punchShot = false;
    bool downShot = false;
    int press = 0;
    for (; press < 1500 && fight.isVisible(); ++press) {
      const int blows = count(game.soundEffects.played, "midi/SE.mid");
      fight.cmdNext()->click();
      const BattleState& s = fight.session().battle().state();
      if (fight.session().closed()) break;
      // The bars stand for the hit points: fighter 0's from the left, fighter 1's to 9500 twips.
      QCOMPARE(fight.barHP(0)->x(), 0);
      QCOMPARE(fight.barHP(0)->width(), twipsToPixels(20 * s.fighter(0).Motor->HP));
      QCOMPARE(fight.barHP(3)->x() + fight.barHP(3)->width(), twipsToPixels(9500));
      QCOMPARE(fight.barHP(3)->width(),
               twipsToPixels(9500) - twipsToPixels(9500 - 20 * s.fighter(1).frame->HP));
      if (!punchShot && count(game.soundEffects.played, "midi/SE.mid") > blows) {
        saveScreen(fight, "fight-punch.png");
        punchShot = true;
      }
      if (!downShot && (s.tentou[0] != kOff || s.tentou[1] != kOff)) {
        saveScreen(fight, "fight-down.png");
        downShot = true;
      }
    }
    QTRY_VERIFY(!fight.isVisible());
    QCOMPARE(fight.result(), int(QDialog::Accepted));
    QVERIFY(count(game.soundEffects.played, "midi/SE.mid") > 0);
    QCOMPARE(count(game.music.played, "midi/SE.mid"), 0);

    // The result under "Simulation", and no damage left behind.
    const auto& last = game.dialog.shown.back().request;
    QCOMPARE(last.caption, std::string("Simulation"));
    const QString result = QString::fromStdString(last.text);
    QVERIFY(result == QString::fromStdString(player.name) + "勝利" ||
            result == QString::fromStdString(player.name) + "敗北");
    QCOMPARE(player.Motor->HP, player.Motor->maxHP);
    QCOMPARE(player.frame->HP, player.frame->maxHP);
    // Unless the opponent broke the player's Doll at once, the player chose through the dialog.
    QVERIFY(patterns > 0 || result.endsWith("敗北"));
    qInfo("street fight: %d presses, %d patterns, %d moves asked, %s", press, patterns, moves,
          qPrintable(result));
  }

  void givingUpByButtonKeyOrFrameAsksFirst() {
    FightGame game;
    PatternPicker picker(-1);  // the player passes: the fight goes on while we ask
    Fight fight(game.state, game.services, kModeStreet, "Novice", game.soundEffects, picker,
                picker);
    openFight(fight, "Simulation");

    // Enter and Space are the next command.
    QTest::keyClick(&fight, Qt::Key_Space);
    QVERIFY(!text(fight, "dspInitiative0").isEmpty() ||
            fight.narration()->visibleText().join("").contains("互角"));
    QTest::keyClick(&fight, Qt::Key_Return);

    game.state.playerDoll().frame->HP -= 10;
    const size_t before = game.dialog.shown.size();
    game.dialog.answer(kAnswerCancel);  // No
    fight.close();
    QVERIFY(fight.isVisible());
    QCOMPARE(game.dialog.shown.back().request.caption, std::string("VELKO"));
    QCOMPARE(game.dialog.shown.back().request.text,
             std::string("ギブアップして試合を中断しますか？"));
    game.dialog.answer(kAnswerCancel);
    fight.cmdTap()->click();
    QVERIFY(fight.isVisible());

    QTest::keyClick(&fight, Qt::Key_Escape);  // Yes
    QTRY_VERIFY(!fight.isVisible());
    QCOMPARE(game.dialog.shown.size(), before + 3);
    const doll& player = game.state.playerDoll();
    QCOMPARE(player.frame->HP, player.frame->maxHP);
  }

  void musicOffStillPlaysTheSoundEffectAndItsEndLoopsTheMusic() {
    FightGame game;
    game.state.playMusic = false;
    game.state.playerDoll().setLogics(velko::testing::pattern("正拳", 0, {kPunch}), 0);
    PatternPicker picker(0);
    Fight fight(game.state, game.services, kModeStreet, "Novice", game.soundEffects, picker,
                picker);
    openFight(fight, "Simulation");
    QCOMPARE(count(game.music.played, "midi/fight.mid"), 0);
    for (int press = 0; press < 600 && count(game.soundEffects.played, "midi/SE.mid") == 0 &&
                        !fight.session().closed();
         ++press) {
      fight.cmdNext()->click();
    }
    QVERIFY(count(game.soundEffects.played, "midi/SE.mid") > 0);

    // The sound effect's end restarts music that has reached its own end.
    game.music.trackLength = game.music.trackPosition = 480;
    game.soundEffects.reachEnd();
    QCOMPARE(game.music.seeks, 1);
  }

  void guideAndNarrationScroll() {
    FightGame game;
    PatternPicker picker(0);
    Fight fight(game.state, game.services, kModeStreet, "Novice", game.soundEffects, picker,
                picker);
    openFight(fight, "Simulation");
    QLabel* guide = fight.findChild<QLabel*>("dspGuide");
    QVERIFY(guide->isVisible());
    QTest::mouseClick(guide, Qt::LeftButton);
    QVERIFY(!guide->isVisible());

    // A long step shows from its heading; the buttons move by whole lines.
    std::string log;
    for (int line = 1; line <= 30; ++line)
      log += "パンチ・・・命中！ " + std::to_string(line) + "\r\n";
    NarrationView* view = fight.narration();
    fight.cmdNext()->click();
    fight.dspMsg(log);
    const int heading = view->firstLine();
    QVERIFY(view->visibleText().first().contains("第1手"));
    QCOMPARE(view->visibleText().at(1), QString("パンチ・・・命中！ 1"));
    QVERIFY(!view->visibleText().join("").contains('\r'));
    fight.Command1(0)->click();
    QCOMPARE(view->firstLine(), heading + 2);
    fight.Command1(1)->click();
    QCOMPARE(view->firstLine(), heading);
    for (int k = 0; k < 40; ++k)
      fight.Command1(1)->click();  // the first line stays at the top
    QCOMPARE(view->firstLine(), 0);
    QVERIFY(!fight.Command1(1)->isEnabled());
    for (int k = 0; k < 40; ++k)
      fight.Command1(0)->click();
    QCOMPARE(view->visibleText().last(), QString("パンチ・・・命中！ 30"));
    QVERIFY(!fight.Command1(0)->isEnabled());
    // The next step's text is in view at once, under its own heading.
    fight.narration()->beginStep();
    fight.dspMsg("様子見です。\r\n");
    QCOMPARE(view->visibleText().last(), QString("様子見です。"));
    QVERIFY(view->visibleText().at(view->visibleText().size() - 2).contains("第"));
    // The battle's texts are shown exactly, the blank or full-width blank that opens a line too.
    fight.dspMsg(" 1ダッシュで間合いを詰めた！\r\n　受身をとった");
    QCOMPARE(view->visibleText().mid(view->visibleText().size() - 2),
             QStringList({" 1ダッシュで間合いを詰めた！", "　受身をとった"}));
  }

  // Every bout of a tournament numbers its steps from 1, as its recording (and the inspector
  // that replays it) counts them. A Doll that cannot lose fights on to its second bout.
  void stepHeadingsNumberTheBoutBeingFought() {
    FightGame game;
    PatternPicker picker(0);
    game.state.guideOn = false;
    doll& mine = game.state.playerDoll();
    mine.Motor->HP = mine.Motor->maxHP = 30000;
    mine.frame->HP = mine.frame->maxHP = 30000;
    mine.pow = 1000;
    Fight fight(game.state, game.services, kModeTournament, "Novice", game.soundEffects, picker,
                picker);
    ModalAnswerer answerer([](QWidget* modal) {
      if (auto* bracket = qobject_cast<frmTornament*>(modal)) bracket->Command1()->click();
    });
    openFight(fight, "TornamentFight");
    QTRY_VERIFY(!text(fight, "dspName1").isEmpty());
    NarrationView* view = fight.narration();
    std::filesystem::path lastBout;
    int bouts = 0;
    for (int press = 0; press < 3000 && bouts < 2 && !fight.session().closed(); ++press) {
      fight.cmdNext()->click();
      if (fight.session().lastReplayFile() == lastBout) continue;
      lastBout = fight.session().lastReplayFile();
      ++bouts;
      QCOMPARE(view->step(), fight.session().lastRecording()->steps);
      fight.cmdNext()->click();
      QCOMPARE(view->step(), 1);
    }
    QCOMPARE(bouts, 2);
    fight.cmdTap()->click();
    QTRY_VERIFY(!fight.isVisible());
  }

  // The bracket opens the tournament; with the advice on it also shows the chances against
  // each computer entrant, and the draw, the computer bouts and the after-fight dice are the
  // same as with it off.
  void tournamentOpensWithTheBracket() {
    struct Run {
      QStringList names;
      int16_t money = 0;
      double nextDie = 0;
    };
    Run runs[2];
    for (bool adviceOn : {true, false}) {
      FightGame game;
      SeededRandom drawRnd(7);
      CareerServices services{game.services.folder, drawRnd, game.prompter, game.music};
      PatternPicker picker(0);
      game.state.guideOn = false;
      game.state.adviceOn = adviceOn;
      Fight fight(game.state, services, kModeTournament, "Novice", game.soundEffects, picker,
                  picker);
      int brackets = 0;
      bool allWhite = true;
      QString chance;
      Run& run = runs[adviceOn ? 0 : 1];
      ModalAnswerer answerer([&](QWidget* modal) {
        auto* view = qobject_cast<frmTornament*>(modal);
        if (view == nullptr) return;
        if (++brackets == 1) {
          for (int j = 0; j < 8; ++j)
            run.names << view->lblName(j)->text();
          for (int i = 0; i < 14; ++i)
            allWhite = allWhite && view->line1Color(i) == QColor(255, 255, 255);
          QCOMPARE(view->advice() != nullptr, adviceOn);
          if (adviceOn) {
            const int computer =
                run.names.indexOf(QString::fromStdString(game.state.playerDoll().name)) == 0 ? 1
                                                                                             : 0;
            QTRY_VERIFY_WITH_TIMEOUT(!view->lblChance(computer).isEmpty(), 20000);
            chance = view->lblChance(computer);
            saveScreen(*view, "bracket-advice.png");
          }
        }
        view->Command1()->click();
      });
      openFight(fight, "TornamentFight");
      QTRY_COMPARE(brackets, 1);
      QVERIFY(allWhite);
      QVERIFY(run.names.contains(QString::fromStdString(game.state.playerDoll().name)));
      QVERIFY(!run.names.contains(QString()));
      if (adviceOn) QVERIFY(chance.startsWith("約"));
      QVERIFY(!fight.findChild<QFrame*>("paneGuide")->isVisible());
      // The player's first bout is set up on the stage.
      QTRY_VERIFY(!text(fight, "dspName1").isEmpty());
      fight.cmdTap()->click();  // give up: income and repairs, then the screen closes
      QTRY_VERIFY(!fight.isVisible());
      run.money = game.state.player().Rl;
      run.nextDie = drawRnd.next();
    }
    QCOMPARE(runs[0].names, runs[1].names);
    QCOMPARE(runs[0].money, runs[1].money);
    QCOMPARE(runs[0].nextDie, runs[1].nextDie);
  }

  // The 「おすすめ」 mark reads the fight and rolls no dice: a duel on the same seeded dice goes
  // the same way with the advice shown and without it.
  void patternAdviceRollsNoDice() {
    struct Run {
      QStringList steps;
      double nextDie = 0;
      int marked = 0;
      QString why;
    };
    Run runs[2];
    for (bool adviceOn : {true, false}) {
      FightGame game;
      game.state.guideOn = false;
      game.state.adviceOn = adviceOn;
      game.state.Dolls[1] = ldTekiDoll(game.services.folder, 20);
      SeededRandom dice(11);
      const FightDiceOverride own(dice);
      Fight fight(game.state, game.services, kModeDuel, "Novice", game.soundEffects);
      Run& run = runs[adviceOn ? 0 : 1];
      ModalAnswerer answerer([&](QWidget* modal) {
        if (auto* dialog = qobject_cast<DialogAction*>(modal)) {
          if (dialog->lblAdvice()->isVisibleTo(dialog) && ++run.marked == 1)
            saveScreen(*dialog, "pattern-advice.png");
          if (run.why.isEmpty()) run.why = dialog->dspAdvice()->text();
          pickPattern(dialog);
        } else if (auto* dialog = qobject_cast<dialogMove*>(modal)) {
          dialog->Command1(0)->click();
        }
      });
      openFight(fight, "Duel");
      QTRY_VERIFY(fight.ready());
      for (int press = 0; press < 60 && !fight.session().closed(); ++press) {
        fight.cmdNext()->click();
        const BattleState& s = fight.session().battle().state();
        run.steps << QString("%1 %2 %3 %4 %5")
                         .arg(s.fighter(0).Motor->HP)
                         .arg(s.fighter(0).frame->HP)
                         .arg(s.fighter(1).Motor->HP)
                         .arg(s.fighter(1).frame->HP)
                         .arg(s.span);
      }
      run.nextDie = dice.next();
      if (!fight.session().closed()) fight.cmdTap()->click();
      QTRY_VERIFY(!fight.isVisible());
    }
    QVERIFY(runs[0].marked > 0);
    QVERIFY(runs[0].why.startsWith("おすすめ：行動ポイント"));
    QCOMPARE(runs[1].marked, 0);
    QVERIFY(runs[1].why.isEmpty());
    QCOMPARE(runs[0].steps, runs[1].steps);
    QCOMPARE(runs[0].nextDie, runs[1].nextDie);
  }

  // In a duel the user answers for both fighters; the screen runs modally until it closes.
  void duelAsksForBothFighters() {
    FightGame game;
    game.state.Dolls[1] = ldTekiDoll(game.services.folder, 20);
    Fight fight(game.state, game.services, kModeDuel, "Novice", game.soundEffects);
    QSet<QString> asked;
    ModalAnswerer answerer([&](QWidget* modal) {
      if (auto* dialog = qobject_cast<DialogAction*>(modal)) {
        asked.insert(dialog->findChild<QLabel*>("dspDollName")->text());
        pickPattern(dialog);
      } else if (auto* dialog = qobject_cast<dialogMove*>(modal)) {
        dialog->Command1(0)->click();
      }
    });
    // Early presses do nothing; once loaded, presses until both Dolls were asked or the fight
    // ended, then a give-up.
    fight.cmdNext()->click();
    QTimer loaded;
    loaded.setInterval(1);
    loaded.callOnTimeout([&] {
      if (!fight.ready()) {
        fight.cmdNext()->click();
        return;
      }
      loaded.stop();
      for (int press = 0; press < 200 && asked.size() < 2 && !fight.session().closed(); ++press)
        fight.cmdNext()->click();
      fight.cmdTap()->click();
    });
    loaded.start();
    QCOMPARE(fight.exec(), int(QDialog::Accepted));
    QCOMPARE(fight.windowTitle(), QString("Duel"));
    if (game.dialog.shown.back().request.caption != "DUEL") {
      QCOMPARE(asked.size(), 2);
      QVERIFY(asked.contains(QString::fromStdString(game.state.Dolls[1]->name)));
    }
    QCOMPARE(game.state.Dolls[1]->Motor->HP, game.state.Dolls[1]->Motor->maxHP);
  }

  // Reported, not asserted: one press of "次へ" up to the repainted stage.
  void stepTime() {
    FightGame game;
    PatternPicker picker(0);
    std::vector<qint64> times;
    while (times.size() < 50) {
      Fight fight(game.state, game.services, kModeStreet, "Novice", game.soundEffects, picker,
                  picker);
      openFight(fight, "Simulation");
      while (fight.isVisible() && !fight.session().closed() && times.size() < 50) {
        QElapsedTimer timer;
        timer.start();
        fight.cmdNext()->click();
        fight.stage()->repaint();
        times.push_back(timer.nsecsElapsed());
      }
      QCoreApplication::processEvents();
    }
    std::sort(times.begin(), times.end());
    qInfo("battle step: median %.3f ms, max %.3f ms over %d steps", times[25] / 1e6,
          times.back() / 1e6, int(times.size()));
  }
};

VELKO_QTEST(FightTest);
#include "fight_test.moc"
