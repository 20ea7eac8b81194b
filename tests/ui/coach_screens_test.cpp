// The coach's screens on a copy of the built game folder (offscreen platform): the shop's
// suggested Dolls found on the worker and bought through the shop after one question, and the
// editor's suggested program applied as one undoable edit, with screenshots.

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "coach/coach_texts.h"
#include "core/silent_prompter.h"
#include "data/catalogue/catalogue.h"
#include "lab/practice_opponents.h"
#include "model/doll_class.h"
#include "shop/starter_software.h"
#include "support/qt_test_main.h"
#include "support/screenshots.h"
#include "ui/fight_fixture.h"
#include "ui/lab/run_strip.h"
#include "ui/program/program.h"
#include "ui/program/program_coach.h"
#include "ui/workshop/shop.h"
#include "ui/workshop/shop_coach_panel.h"

using namespace velko;
using namespace velko::ui;
using velko::testing::FightGame;
using velko::testing::settleAndSave;

class CoachScreensTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QApplication::setFont(QFont("Noto Sans CJK JP", 10)); }

  // A new pilot's purse: three Dolls with their trades, and buying one leaves the money the
  // panel said, after one question naming every part. The chances count a fight the player's
  // automatic give-up would end as lost.
  void suggestedDollsAreBoughtThroughTheShop() {
    FightGame game;
    game.state.player().Rl = 1300;
    game.state.autoGiveUp = AutoGiveUp::Below60;
    game.state.playerDoll() = doll();
    Shop shop(game.state, game.services);
    ShopCoachPanel panel(game.state, game.services, 0);
    panel.show();
    QVERIFY(panel.start());
    QTRY_VERIFY_WITH_TIMEOUT(!panel.running() && panel.cmdBuy(0)->isEnabled(), 60000);
    const BuildAdvice& advice = panel.advice();
    QVERIFY(!advice.proposals.empty());
    QVERIFY(panel.proposalText(0)->text().contains("買う:"));
    QVERIFY(panel.findChild<QLabel*>("lblRule")->text().contains("自動ギブアップ（60%）"));
    QVERIFY(settleAndSave(panel, "coach-shop.png"));

    const BuildProposal p = advice.proposals[0];
    std::vector<PracticeOpponent> novices;
    for (const PracticeOpponent& o : registryOpponents(game.services.folder))
      if (o.doll->value <= kDollClasses[0].limit) novices.push_back(o);
    QCOMPARE(p.measure.wins, measureWins(*p.doll, novices, kFinalFightsEach, kCoachSeed + 1,
                                         nullptr, AutoGiveUp::Below60)
                                 .wins);
    game.dialog.shown.clear();
    QVERIFY(shop.buyProposal(p));
    QCOMPARE(game.dialog.shown.size(), size_t{1});
    const std::string& question = game.dialog.shown[0].request.text;
    for (const PartTrade& t : p.trades.purchases)
      QVERIFY2(question.find(t.name) != std::string::npos, t.name.c_str());
    QCOMPARE(int(game.state.player().Rl), int(p.moneyAfter));
    QCOMPARE(shop.ListOwnParts(kListNew)->count(), int(p.trades.purchases.size()));
  }

  // The editor's suggestion sits beside the registered program with both chances; applying it
  // is one edit, undone in one step, and nothing is registered until the player registers.
  void suggestedProgramIsOneUndoableEdit() {
    FightGame game;
    // The player's Doll carries the software the shop hands out and the sensible patterns.
    doll& d = game.state.playerDoll();
    d.setSoftM(0, ld_SoftM(game.services.folder, kStarterSoftM));
    d.setSoftA(0, ld_SoftA(game.services.folder, kStarterSoftA));
    d.setSoftD(0, ld_SoftD(game.services.folder, kStarterSoftD));
    SilentPrompter quiet;
    programDoll(d, sensiblePatternsFor(d, PatternStyle::Striker), quiet);
    const std::string registered = game.state.playerDoll().getLogic(0)->name;
    Program editor(game.state, game.services);
    ProgramCoach coach(game.state, game.services, 2);
    coach.show();
    QVERIFY(coach.start());
    QTRY_VERIFY_WITH_TIMEOUT(!coach.running() && coach.cmdApply()->isEnabled(), 60000);
    QVERIFY(!coach.todayText()->text().isEmpty());
    QVERIFY(!coach.proposedText()->text().isEmpty());
    QVERIFY(settleAndSave(coach, "coach-program.png"));

    const ProgramDraft before = editor.model().draft();
    editor.applyProposal(coach.proposal().patterns);
    QCOMPARE(editor.model().Text1(0), coach.proposal().patterns[0].name);
    QCOMPARE(game.state.playerDoll().getLogic(0)->name, registered);
    editor.cmdUndo_Click();
    QVERIFY(sameDraft(editor.model().draft(), before));
  }
};

VELKO_QTEST(CoachScreensTest);
#include "coach_screens_test.moc"
