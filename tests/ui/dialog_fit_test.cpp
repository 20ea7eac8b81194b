// Dialogs and names that fit (offscreen platform, the game's font): every question built with
// the longest names the name boxes take is shown whole, the stated heights hold for texts
// that fit, names too long for a label end in "…" with the whole name as tooltip, and the
// name boxes stop at the name length.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <filesystem>

#include "career/after_fight_rules.h"
#include "career/bracket.h"
#include "career/game.h"
#include "data/save/slot_save.h"
#include "model/name_limit.h"
#include "support/career_fakes.h"
#include "support/qt_test_main.h"
#include "support/screenshots.h"
#include "support/test_career.h"
#include "ui/fight/dialog_action.h"
#include "ui/fight/fight.h"
#include "ui/fight/frm_tornament.h"
#include "ui/fight_fixture.h"
#include "ui/widgets/dmsg.h"
#include "ui/widgets/qt_message_dialog.h"
#include "ui/widgets/ui_style.h"
#include "ui/workshop/f_char_make.h"
#include "workshop/save_load_form.h"

using namespace velko;
using namespace velko::ui;

namespace {

// Twelve of the widest characters: the longest name the boxes take.
const std::string kLongName = "ＷＷＷＷＷＷＷＷＷＷＷＷ";
const std::string kOtherLongName = "ＭＭＭＭＭＭＭＭＭＭＭＭ";

struct Shown {
  QString text;
  QSize size;
  int buttonTop = 0;
  bool fits = false;
};

// Whether the label shows its whole text: the text laid out at the label's width needs no
// more width or height than the label has, and the label ends above the buttons.
bool labelFits(DMsg* dialog) {
  QLabel* label = dialog->lblMsg();
  const QRect needed = label->fontMetrics().boundingRect(QRect(0, 0, label->width(), 100000),
                                                         Qt::TextWordWrap, label->text());
  const QRect screen = dialog->screen()->availableGeometry();
  return needed.width() <= label->width() && needed.height() <= label->height() &&
         label->geometry().bottom() < dialog->cmdOK()->y() && dialog->width() <= screen.width() &&
         dialog->height() <= screen.height();
}

// Records every game dialog that opens and answers Cancel (OK for a notice).
class Watcher : public QObject {
 public:
  explicit Watcher(const QString& prefix) {
    timer_.setInterval(1);
    connect(&timer_, &QTimer::timeout, this, [this, prefix] {
      auto* dialog = qobject_cast<DMsg*>(QApplication::activeModalWidget());
      if (!dialog || dialog->property("seen").toBool()) return;
      dialog->setProperty("seen", true);
      shown.push_back(
          {dialog->lblMsg()->text(), dialog->size(), dialog->cmdOK()->y(), labelFits(dialog)});
      testing::saveScreen(*dialog, QString("%1-%2.png").arg(prefix).arg(shown.size()));
      if (dialog->cmdCancel()->isVisible()) {
        dialog->cmdCancel()->click();
      } else {
        dialog->cmdOK()->click();
      }
    });
    timer_.start();
  }
  std::vector<Shown> shown;

 private:
  QTimer timer_;
};

}  // namespace

class DialogFitTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { applyGameStyle(*qApp); }

  void everyQuestionWithTheLongestNamesFits() {
    QTemporaryDir dir;
    std::filesystem::create_directories(std::filesystem::path(dir.path().toStdString()) / "save");
    const GameFolder folder(dir.path().toStdString());
    QWidget workshop;
    workshop.setGeometry(100, 100, 1120, 720);
    workshop.show();
    QtMessageDialog screen(&workshop);
    DialogPrompter prompter(screen);
    ClockRandom rnd(5);
    CareerState state(rnd);
    state.player().name = kLongName;
    state.playerDoll().name = kOtherLongName;
    QVERIFY(save_rtn(folder, 32767, state.slotState(), prompter));
    Watcher watcher("question-long-names");

    SaveLoadForm save(kSaveMode, folder, prompter);
    for (const char* d : {"3", "2", "7", "6", "7"})
      save.digit(*d - '0');
    QVERIFY(!save.confirm());  // over the slot: its names, date and the question
    SaveLoadForm load(kLoadMode, folder, prompter);
    for (const char* d : {"3", "2", "7", "6", "7"})
      load.digit(*d - '0');
    QVERIFY(!load.confirm());

    testing::FakeMusic music;
    CareerServices services{folder, rnd, prompter, music};
    testing::HeadlessNavigator nav(state, services);
    Game game(state, services, nav);
    game.Command1_Click(kLongName);
    state.Dolls[1]->name = kLongName;
    state.duelistState = kDuelistReady;
    state.playerDoll().programed = true;
    game.cmdDuel_Click();

    QCOMPARE(watcher.shown.size(), size_t(4));
    QVERIFY(watcher.shown[0].text.contains("上書きしますか？"));
    QVERIFY(watcher.shown[0].text.contains(QString::fromStdString(kOtherLongName)));
    QVERIFY(watcher.shown[1].text.endsWith("これをロードしますか？"));
    QVERIFY(watcher.shown[2].text.endsWith("に変更しますか？"));
    QVERIFY(watcher.shown[3].text.endsWith("と対戦しますか？"));
    for (const Shown& s : watcher.shown)
      QVERIFY2(s.fits, qPrintable(s.text));
  }

  void textsThatFitKeepTheStatedHeights() {
    QWidget workshop;
    workshop.setGeometry(100, 100, 1120, 720);
    workshop.show();
    QtMessageDialog screen(&workshop);
    DialogPrompter prompter(screen);
    Watcher watcher("question-stated-height");
    prompter.askOK("テストのための模擬戦闘を行いますか？");
    prompter.askOK("save3 秋津遥人 ヴェルコ\r\n2013/04/01\r\nこれをロードしますか？");
    // The prize announcement of a won tournament fight: four lines and a final line feed.
    ClockRandom rnd(3);
    Owner player;
    player.Lv = 1;
    levelUp(player, 1, 1200, 2400, rnd, prompter);
    QCOMPARE(watcher.shown.size(), size_t(3));
    for (int k = 0; k < 2; ++k) {
      QCOMPARE(watcher.shown[k].size, QSize(360, 120));  // 1800 twips
      QCOMPARE(watcher.shown[k].buttonTop, 67);          // 1000 twips
      QVERIFY(watcher.shown[k].fits);
    }
    QCOMPARE(watcher.shown[2].size.height(), 147);  // 2200 twips
    QCOMPARE(watcher.shown[2].buttonTop, 93);       // 1400 twips
    QVERIFY(watcher.shown[2].fits);
  }

  void plainBoxesAreWideEnoughForTheirTitle() {
    QtMessageDialog screen;
    QSize size;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      QVERIFY(box);
      size = box->size();
      testing::saveScreen(*box, "version-box.png");
      box->accept();
    });
    screen.msgBox("BRAM-KOL\nver.1.01\n2005/01/03");
    QVERIFY(size.width() >= 240);

    // A long message is wrapped, never cut.
    bool whole = false;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      QVERIFY(box);
      testing::settle(*box);
      auto* label = box->findChild<QLabel*>("qt_msgbox_label");
      const QRect needed = label->fontMetrics().boundingRect(QRect(0, 0, label->width(), 100000),
                                                             Qt::TextWordWrap, label->text());
      whole = needed.width() <= label->width() && needed.height() <= label->height();
      testing::saveScreen(*box, "long-plain-box.png");
      box->accept();
    });
    screen.msgBox(
        "このゲームフォルダではVELKOがすでに起動しています。\n起動中のゲームをお使い下さい。\n"
        "/home/player/games/velko/build/game");
    QVERIFY(whole);
  }

  void longNamesAreCutWithAnEllipsisAndShownInFull() {
    const QString tooLong = "ジャガーノート・マークツー・カスタム";  // read from an old file
    testing::FightGame game;
    Fight fight(game.state, game.services, kModeStreet, "Novice", game.soundEffects);
    fight.show();
    QTRY_VERIFY(fight.ready());
    FightLabels labels;
    labels.name = {tooLong.toStdString(), tooLong.toStdString()};
    fight.dspLabels(fight.session().battle().state(), labels);
    for (const char* name : {"dspName0", "dspName1"}) {
      auto* label = fight.findChild<QLabel*>(name);
      QVERIFY(label->text().endsWith("…"));
      QVERIFY(label->text().startsWith("ジャガー"));  // the start, never only the tail
      QCOMPARE(label->toolTip(), tooLong);
      QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= label->width());
    }
    testing::saveScreen(fight, "fight-long-names.png");

    // Twelve characters, the longest a player can type, are shown whole.
    labels.name = {kLongName, kLongName};
    fight.dspLabels(fight.session().battle().state(), labels);
    QCOMPARE(fight.findChild<QLabel*>("dspName1")->text(), QString::fromStdString(kLongName));

    Bracket bracket;
    for (int s = 0; s < Bracket::kEntrants; ++s) {
      auto d = std::make_shared<doll>();
      d->name = s == 0 ? kLongName : tooLong.toStdString();
      bracket.setKumiawase(s, d);
    }
    frmTornament view(bracket);
    testing::settleAndSave(view, "bracket-long-names.png");
    QCOMPARE(view.lblName(0)->text(), QString::fromStdString(kLongName));
    QVERIFY(view.lblName(1)->text().endsWith("…"));
    QCOMPARE(view.lblName(1)->toolTip(), tooLong);

    DialogAction dialog(10, false, game.prompter);
    dialog.setDialog((tooLong + tooLong + tooLong).toStdString());
    QVERIFY(dialog.findChild<QLabel*>("dspDollName")->text().endsWith("…"));
  }

  void nameBoxesStopAtTwelveCharactersAndCutPastedNames() {
    testing::TestCareer career(9, GameFolder());
    FCharMake screen(career.state, career.services);
    screen.dspName()->clear();
    QTest::keyClicks(screen.dspName(), "ABCDEFGHIJKLMNOP");
    QCOMPARE(screen.dspName()->text(), QString("ABCDEFGHIJKL"));
    screen.dspName()->setCursorPosition(3);
    QTest::keyClicks(screen.dspName(), "Z");
    QCOMPARE(screen.dspName()->text(), QString("ABCDEFGHIJKL"));

    // A pasted name too long is cut to its first twelve characters; a character outside the
    // Basic Multilingual Plane counts as one and is never split.
    const QString eleven = QString::fromStdString(kLongName).left(11);
    screen.dspName()->clear();
    screen.dspName()->insert(eleven + "𠮷𠮷ＸＸＸ");
    QCOMPARE(screen.dspName()->text(), eleven + "𠮷");
    // Pasted between two characters, the paste loses its end and the name keeps its own.
    screen.dspName()->setText("AB");
    screen.dspName()->setCursorPosition(1);
    screen.dspName()->insert(QString::fromStdString(kLongName) + "ＸＸＸＸ");
    QCOMPARE(screen.dspName()->text(), "A" + eleven.left(10) + "B");
    QCOMPARE(screen.dspName()->cursorPosition(), 11);
  }
};

VELKO_QTEST(DialogFitTest);
#include "dialog_fit_test.moc"
