// A new player's first career, played through the real program under a virtual X server:
// title, player creation, the first shop, assembly, programming, a simulation, a tournament,
// saving and loading, registering as an opponent and resetting the opponents, and a duel
// against the saved Doll. Screenshots of the whole screen go to <artifacts>/e2e/.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/shipped_names.h"
#include "core/text_cp932.h"
#include "data/registry/registry_files.h"
#include "data/save/slot_number.h"
#include "data/save/slot_state.h"
#include "e2e/autopilot.h"
#include "e2e/e2e_support.h"
#include "ui/app/app.h"
#include "ui/app/language.h"
#include "ui/app/start_up.h"
#include "ui/widgets/ui_style.h"
#include "ui/workshop/design.h"

namespace fs = std::filesystem;

namespace e2e {

namespace {

// The workshop's and the shop's part kinds, in selector order.
constexpr int kMotor = 0;
constexpr int kFrame = 1;
constexpr int kBooster = 2;
constexpr int kProtector = 3;
constexpr int kComputer = 4;

// Action numbers of the program editor's palette.
constexpr int kMove = 1;
constexpr int kSpin = 3;
constexpr int kPunch = 4;
constexpr int kKick = 5;
constexpr int kKumi = 6;
constexpr int kDrop = 7;
constexpr int kBlock = 9;
constexpr int kUke = 10;
constexpr int kHazusi = 11;

constexpr int kSlot = 7;
// Presses of 次へ before the player gives a fight up: far more than any fight needs.
constexpr int kGiveUpAfter = 600;

// A first Doll that fits the smallest starting purse: a light frame that walks by itself,
// a spin booster so it can get up, and a pad.
std::vector<Purchase> firstParts() {
  std::vector<Purchase> parts = {{kMotor, "ポニー"},
                                 {kFrame, "ダフネ"},
                                 {kComputer, "ベーシック"},
                                 {kBooster, "ジャイロ"},
                                 {kProtector, "レザーパッド"}};
  // The shop and the workshop show the parts by their names in the language played.
  for (Purchase& part : parts)
    part.name = QString::fromStdString(velko::shownPartName(part.name.toStdString()));
  return parts;
}

const std::vector<PatternPlan> kPatterns = {
    {"踏込みパンチ", {kMove, kPunch}}, {"踏込みキック", {kMove, kKick}},
    {"組み投げ", {kKumi, kDrop}},      {"起き上がり", {kSpin}},
    {"振りほどき", {kHazusi}},         {"防御受身", {kBlock, kUke}}};

QString q(const std::string& text) {
  return QString::fromStdString(text);
}

std::string readAll(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A fresh game folder: the built catalogue, pictures and music; save/ comes from the game.
QString prepareGameFolder(const QTemporaryDir& temp) {
  const fs::path source(VELKO_GAME_DIR);
  for (const char* part : {"ini", "img", "midi"}) {
    check(fs::is_directory(source / part),
          QString("the built game folder has no %1/ (%2): build the game folder's targets "
                  "(velko_game_folder, velko_art) first")
              .arg(part, VELKO_GAME_DIR));
    fs::copy(source / part, fs::path(temp.path().toStdString()) / part,
             fs::copy_options::recursive);
  }
  check(fs::exists(source / "img" / "stage.jpg") && fs::exists(source / "img" / "icon0.bmp"),
        "img/ of the built game folder lacks its pictures: build velko_art first");
  return temp.path();
}

class Playthrough {
 public:
  Playthrough(velko::ui::App& app, Autopilot& pilot) : app_(app), pilot_(pilot) {}

  void run() {
    titleToShop();
    assemble();
    program();
    givenUpSimulation();
    streetFight();
    tournament();
    saveAndLoad();
    registerAndReset();
    duel();
  }

 private:
  velko::ui::Design* workshop() {
    velko::ui::Design* design = app_.workshop();
    check(design && design->isVisible(), "the workshop is not on screen");
    return design;
  }
  velko::CareerState& state() { return app_.state(); }
  QString label(const char* name) { return workshop()->label(name)->text(); }
  QPushButton* command(const char* name) { return workshop()->command(name); }
  bool fightsEnabled() {
    return command("cmdStreet")->isEnabled() && command("cmdTornament")->isEnabled() &&
           command("cmdDuel")->isEnabled();
  }

  // A workshop command as the player clicks it; returns once the game is back in the workshop.
  void clickWorkshop(const char* name) {
    QPushButton* button = command(name);
    check(button->isVisible() && button->isEnabled(),
          QString("the workshop's %1 (%2) cannot be clicked").arg(name, button->text()));
    QPointer<QPushButton> target = button;
    pilot_.post([target] {
      if (target) QTest::mouseClick(target, Qt::LeftButton);
    });
    pilot_.waitIdle(QString("the workshop's %1 (%2)").arg(name, button->text()));
  }

  // Menu commands, including the two the menu does not show.
  void triggerMenu(const char* name) {
    QPointer<QAction> action = workshop()->menu(name);
    check(action, QString("the workshop has no menu command %1").arg(name));
    pilot_.post([action] {
      if (action) action->trigger();
    });
    pilot_.waitIdle(QString("the menu command %1").arg(name));
  }

  // Types as a Japanese input method does: one committed string.
  void typeInto(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QInputMethodEvent typed;
    typed.setCommitString(text);
    QApplication::sendEvent(edit, &typed);
    check(edit->text() == text, "typing " + text + " left " + edit->text());
  }

  void renameDoll(const QString& name) {
    typeInto(workshop()->findChild<QLineEdit*>("impDollName"), name);
    clickWorkshop("Command1");
    check(q(state().playerDoll().name) == name, "the Doll was not renamed to " + name);
  }

  // Mounts an owned part by clicking its row in the workshop's owned-parts list.
  void mount(int kind, const QString& name) {
    QPointer<velko::ui::Design> design = workshop();
    pilot_.post([design, kind, name] {
      if (!design) return;
      design->cmbParts()->setCurrentIndex(kind);
      QListWidget* list = design->listPart();
      for (int row = 0; row + 1 < list->count(); ++row) {
        QListWidgetItem* item = list->item(row);
        if (!item->text().startsWith(name)) continue;
        list->scrollToItem(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(item).center());
        return;
      }
      fail(QString("the owned-parts list of kind %1 has no %2").arg(kind).arg(name));
    });
    pilot_.waitIdle("mounting " + name);
  }

  QString mounted(int kind) {
    switch (kind) {
      case kMotor:
        return label("dspPart1");
      case kFrame:
        return label("dspPart2");
      case kComputer:
        return label("dspPart3");
      default: {
        QStringList names;
        QListWidget* list =
            workshop()->findChild<QListWidget*>(kind == kBooster ? "ListBoost" : "ListP");
        for (int i = 0; i < list->count(); ++i)
          names << list->item(i)->text();
        return names.join(",");
      }
    }
  }

  // 1. Title, player creation and the new game's shop.
  void titleToShop() {
    pilot_.beginStage("title, new player, first shop", 60);
    pilot_.waitUntil([this] { return app_.title() && app_.title()->isVisible(); }, "the title");
    QTest::qWait(300);
    takeScreenshot("title");
    pilot_.planShop(firstParts());
    pilot_.shotOn("FCharMake", "player-creation");
    pilot_.shotOn("Shop", "shop-first-visit");
    pilot_.shotOn("Shop-done", "shop-bought");
    QPointer<QPushButton> start = app_.title()->command1(0);
    check(start->text() == "Initial Start", "the title's first command is " + start->text());
    pilot_.post([start] {
      if (start) start->click();
    });
    pilot_.waitUntil(
        [this] { return pilot_.idle() && app_.workshop() && app_.workshop()->isVisible(); },
        "the workshop after the first shop");
    pilot_.waitUntil([this] { return !app_.title(); }, "the title screen leaving");
    check(pilot_.opened("Shop") == 1, "the new game did not open the shop first");
    check(pilot_.purchased().size() == static_cast<int>(firstParts().size()),
          "not every first part was bought: " + pilot_.purchased().join(","));
    for (const Purchase& part : firstParts()) {
      workshop()->cmbParts()->setCurrentIndex(part.kind);
      check(workshop()->listPart()->count() == 2 &&
                workshop()->listPart()->item(0)->text().startsWith(part.name),
            "the workshop does not list the bought " + part.name);
    }
    check(state().player().Rl == pilot_.startMoney() - pilot_.spent(),
          QString("the player has %1 Rl after spending %2 of %3")
              .arg(state().player().Rl)
              .arg(pilot_.spent())
              .arg(pilot_.startMoney()));
    check(!label("dspDate").isEmpty(), "the workshop shows no date");
    // One music message is enough: the player switches the music off.
    triggerMenu("mnBGM");
    check(!state().playMusic && !workshop()->menu("mnBGM")->isChecked(),
          "the BGM menu did not switch the music off");
  }

  // 2. Assembly from the owned parts.
  void assemble() {
    pilot_.beginStage("assembly", 30);
    check(!fightsEnabled(), "the fight commands are on before the Doll has parts");
    for (const Purchase& part : firstParts()) {
      mount(part.kind, part.name);
      check(mounted(part.kind).contains(part.name),
            QString("%1 is not shown mounted (%2)").arg(part.name, mounted(part.kind)));
    }
    check(fightsEnabled(), "the fight commands stay off on an assembled Doll");
    check(command("cmdProgram")->isEnabled(), "the program command is off");
    check(!label("dspClass").isEmpty(), "the assembled Doll has no class");
    renameDoll("ヴェルコ壱号");
    check(!workshop()->findChild<QLabel*>("Picture1")->pixmap().isNull(),
          "the workshop shows no picture of the Doll");
    QTest::qWait(200);
    takeScreenshot("workshop-assembled");
  }

  // 3. Six patterns in the program editor.
  void program() {
    pilot_.beginStage("program editor", 30);
    pilot_.planProgram(kPatterns);
    pilot_.shotOn("Program", "program-editor");
    check(!state().playerDoll().programed, "a new Doll is already programmed");
    clickWorkshop("cmdProgram");
    const velko::doll& d = state().playerDoll();
    check(d.programed, "the Doll is not programmed after 登録");
    for (int p = 0; p < static_cast<int>(kPatterns.size()); ++p) {
      const velko::Logic& logic = *d.getLogic(p);
      check(q(logic.name) == kPatterns[p].name,
            QString("pattern %1 is named %2").arg(p + 1).arg(q(logic.name)));
      for (int k = 0; k < static_cast<int>(kPatterns[p].actions.size()); ++k)
        check(logic.getActions(k)->ID == kPatterns[p].actions[k],
              QString("pattern %1 slot %2 holds action %3")
                  .arg(p + 1)
                  .arg(k + 1)
                  .arg(logic.getActions(k)->ID));
      check(logic.AP > 0 && logic.Memory > 0, kPatterns[p].name + " has no AP or memory cost");
    }
  }

  // A simulation costs nothing: the Doll comes back whole however it ended.
  void checkDollWhole(const QString& after) {
    const velko::doll& d = state().playerDoll();
    check(d.frame->HP == d.frame->maxHP && d.Motor->HP == d.Motor->maxHP,
          QString("%1 left the Doll damaged (frame %2/%3, motor %4/%5)")
              .arg(after)
              .arg(d.frame->HP)
              .arg(d.frame->maxHP)
              .arg(d.Motor->HP)
              .arg(d.Motor->maxHP));
  }

  // 4a. The player leaves a first simulation early with ギブアップ: no record, no damage.
  void givenUpSimulation() {
    pilot_.beginStage("simulation, given up", 60);
    pilot_.shotOn("DMsg", "give-up-question", said("ギブアップして試合を中断しますか？"));
    const velko::Owner& player = state().player();
    const int record = player.recWin + player.recLoose;
    pilot_.setGiveUpAfter(4);
    clickWorkshop("cmdStreet");
    pilot_.setGiveUpAfter(kGiveUpAfter);
    if (!pilot_.gaveUp()) {
      std::printf("the simulation ended before the player could give up\n");
      return;
    }
    check(pilot_.stageMessage(said("ギブアップして試合を中断しますか？")),
          "giving up was not asked");
    check(player.recWin + player.recLoose == record, "giving up counted in the record");
    checkDollWhole("giving up");
  }

  // 4b. A simulation fought to its end. One the opponent ends before the player's first
  // order teaches nothing, so the player tries again.
  void streetFight() {
    pilot_.beginStage("simulation", 120);
    pilot_.shotOn("Fight", "simulation-fight");
    pilot_.shotOn("DialogAction", "pattern-dialog");
    pilot_.shotOn("dialogMove", "move-dialog");
    pilot_.shotOn("DMsg", "simulation-result", said("%1勝利") + "|" + said("%1敗北"));
    for (int attempt = 1; pilot_.patternDialogNames().isEmpty(); ++attempt) {
      check(attempt <= 5, "five simulations ended before the pattern dialog opened");
      const int fights = pilot_.opened("Fight");
      clickWorkshop("cmdStreet");
      check(pilot_.opened("Fight") == fights + 1, "the simulation opened no battle screen");
      check(pilot_.stageMessage(said("テストのための模擬戦闘を行いますか？")),
            "the simulation was not asked for");
      check(pilot_.gaveUp() || pilot_.stageMessage(said("%1勝利")) ||
                pilot_.stageMessage(said("%1敗北")),
            "the simulation ended without a result");
      checkDollWhole("the simulation");
    }
  }

  // 5. A Novice tournament, to the championship or the player's loss.
  void tournament() {
    pilot_.beginStage("tournament", 180);
    pilot_.shotOn("frmTornament", "tournament-bracket");
    pilot_.shotOn("Fight", "tournament-fight");
    pilot_.shotOn("DMsg", "tournament-result", said("優勝\n賞金%1Rl") + "|" + said("%1敗北"));
    const QString before = label("dspDate");
    const velko::Owner& player = state().player();
    const int bouts = player.recWin + player.recLoose;
    clickWorkshop("cmdTornament");
    check(pilot_.opened("frmTornament") >= 1, "the tournament showed no bracket");
    check(label("dspDate") != before,
          "the calendar did not move on with the tournament: still " + before);
    if (!pilot_.gaveUp())
      check(player.recWin + player.recLoose > bouts, "the tournament left no win or loss");
    const bool champion = pilot_.stageMessage(said("優勝\n賞金%1Rl"));
    std::printf("tournament: %s, %s -> %s, %d Rl\n",
                champion          ? "champion"
                : pilot_.gaveUp() ? "gave up"
                                  : "lost",
                qPrintable(before), qPrintable(label("dspDate")), player.Rl);
    repairAfterTournament();
  }

  // A lost tournament can scrap a part: the player mounts a spare, or buys the cheapest, or
  // works a month for the money first.
  void repairAfterTournament() {
    for (int kind : {kMotor, kFrame, kComputer}) {
      for (int month = 0; mounted(kind).isEmpty(); ++month) {
        workshop()->cmbParts()->setCurrentIndex(kind);
        if (workshop()->listPart()->count() >= 2) {
          mount(kind, workshop()->listPart()->item(0)->text());
          continue;
        }
        check(month < 6,
              QString("no part of kind %1 after %2 months of work").arg(kind).arg(month));
        if (month > 0) clickWorkshop("cmdWork");
        std::printf("buying a replacement of kind %d with %d Rl\n", kind, state().player().Rl);
        pilot_.planShop({{kind, {}, true}});
        clickWorkshop("cmdShop");
      }
    }
    check(fightsEnabled(), "the Doll cannot fight again after the tournament");
  }

  // 6. Save to a slot, change things, load it back.
  void saveAndLoad() {
    pilot_.beginStage("save and load", 60);
    pilot_.setSlot(kSlot);
    pilot_.shotOn("SVLD", "save-screen");
    triggerMenu("mnSave");
    const velko::GameFolder& folder = app_.services().folder;
    check(fs::exists(velko::playerFilePath(folder, kSlot)) &&
              fs::exists(velko::dollFilePath(folder, kSlot)),
          "the save did not write slot 7");
    check(state().saved, "the game does not count as saved after saving");
    savedName_ = q(state().playerDoll().name);
    const QString motor = mounted(kMotor), frame = mounted(kFrame), computer = mounted(kComputer);
    const int money = state().player().Rl;
    const QString date = label("dspDate");

    renameDoll("改造中");
    clickWorkshop("cmdClear");
    check(mounted(kMotor).isEmpty() && !fightsEnabled(), "AllClear left parts on the Doll");
    // A month of work moves the calendar and pays.
    clickWorkshop("cmdWork");
    check(label("dspDate") != date, "a month of work did not move the calendar");
    check(pilot_.stageMessage(said("臨時収入が%1Rl入った")), "a month of work paid nothing");

    pilot_.shotOn("SVLD", "load-screen");
    pilot_.shotOn("DMsg", "load-question", said("これをロードしますか？"));
    triggerMenu("mnLoad");
    check(q(state().playerDoll().name) == savedName_,
          "the loaded Doll is called " + q(state().playerDoll().name));
    check(mounted(kMotor) == motor && mounted(kFrame) == frame && mounted(kComputer) == computer,
          QString("the loaded Doll carries %1/%2/%3, saved %4/%5/%6")
              .arg(mounted(kMotor), mounted(kFrame), mounted(kComputer), motor, frame, computer));
    check(state().player().Rl == money,
          QString("loaded money %1 Rl, saved %2 Rl").arg(state().player().Rl).arg(money));
    check(label("dspDate") == date, "loaded date " + label("dspDate") + ", saved " + date);
    check(state().playerDoll().programed, "the loaded Doll lost its program");
    check(fightsEnabled(), "the loaded Doll cannot fight");
    QTest::qWait(200);
    takeScreenshot("workshop-loaded");
  }

  // 7. The hidden opponent commands: register the Doll, then reset the registry.
  void registerAndReset() {
    pilot_.beginStage("opponent registry", 30);
    const velko::GameFolder& folder = app_.services().folder;
    const fs::path registry = folder.path(velko::kEnemyDollFile);
    const std::string factory = readAll(folder.path(velko::kFactoryDollFile));
    const std::string before = readAll(registry);
    const std::string name = velko::utf8ToCp932(savedName_.toStdString());
    check(before.find(name) == std::string::npos, "the registry already holds " + savedName_);
    check(!workshop()->menu("mnEntry")->isVisible() && !workshop()->menu("mnInit")->isVisible(),
          "the hidden registry commands are shown on the menu");
    pilot_.shotOn("QMessageBox", "register-question", said("%1を敵として登録しますか？"));
    triggerMenu("mnEntry");
    const std::string registered = readAll(registry);
    check(registered.size() > before.size() && registered.find(name) != std::string::npos,
          "registering did not add " + savedName_ + " to the opponents");
    pilot_.shotOn("QMessageBox", "registry-reset", said("初期化完了しました"));
    triggerMenu("mnInit");
    check(pilot_.stageMessage(said("敵Dollファイルを初期化しますか？")),
          "the reset was not asked for");
    check(readAll(registry) == factory, "the reset did not bring back the factory opponents");
  }

  // 8. The saved Doll as the duel opponent, both sides answered by the player.
  void duel() {
    pilot_.beginStage("duel", 120);
    renameDoll("挑戦者");
    pilot_.setSlot(kSlot);
    triggerMenu("mnLdDuel");
    check(pilot_.stageMessage(said("対戦相手をロードしますか？")),
          "loading an opponent was not asked");
    check(state().duelistState == velko::kDuelistReady, "no duel opponent is ready");
    check(q(state().Dolls[1]->name) == savedName_,
          "the duel opponent is " + q(state().Dolls[1]->name));
    pilot_.shotOn("Fight", "duel-fight");
    pilot_.shotOn("DMsg", "duel-result", said("%1勝利"));
    // Both sides are the player's: the pattern dialog asks for each. A knock-out before the
    // second Doll's first order asks only once; the players meet again.
    for (int attempt = 1;; ++attempt) {
      check(attempt <= 5, "five duels ended before both sides were asked for a pattern: " +
                              pilot_.patternDialogNames().join(","));
      clickWorkshop("cmdDuel");
      check(pilot_.stageMessage(said("%1と対戦しますか？")), "the duel was not asked for");
      check(pilot_.gaveUp() || pilot_.stageMessage(said("%1勝利")),
            "the duel ended without a winner");
      const QStringList& asked = pilot_.patternDialogNames();
      if (asked.contains("挑戦者") && asked.contains(savedName_)) break;
    }
    check(state().duelistState == velko::kDuelistReady, "the duel opponent is gone after the duel");
  }

  velko::ui::App& app_;
  Autopilot& pilot_;
  QString savedName_;
};

}  // namespace

}  // namespace e2e

int main(int argc, char** argv) {
  e2e::elapsedSeconds();
  QApplication application(argc, argv);
  velko::ui::applyGameStyle(application);
  application.setQuitOnLastWindowClosed(false);

  QTemporaryDir temp;
  e2e::check(temp.isValid(), "no temporary folder for the game");
  QDir::setCurrent(e2e::prepareGameFolder(temp));
  std::printf("game folder: %s\n", qPrintable(temp.path()));
  // --lang en plays in English, where no Japanese may show but the names the player typed.
  if (argc > 2 && QString(argv[1]) == "--lang" && QString(argv[2]) == "en") {
    e2e::check(velko::ui::useLanguage(application, velko::ui::Language::English,
                                      velko::GameFolder(std::filesystem::path(VELKO_GAME_DIR))),
               "the English translation did not load");
    QStringList typed = {"ヴェルコ壱号", "改造中", "挑戦者"};
    for (const e2e::PatternPlan& plan : e2e::kPatterns)
      typed << plan.name;
    e2e::expectEnglishScreens(typed);
  }
  // Pictures of an earlier run would mix with this run's numbering.
  QDir(e2e::screenshotFolder()).removeRecursively();
  int presses = 0;
  {
    velko::ui::App app;
    e2e::Autopilot pilot;
    app.start();
    e2e::Playthrough(app, pilot).run();
    presses = pilot.presses();
    pilot.beginStage("leaving", 10);
    if (QPointer<velko::ui::Design> workshop = app.workshop()) {
      workshop->closeQuietly();
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
      delete workshop.data();
    }
  }
  std::printf("playthrough passed in %.1f s, %d presses of 次へ, screenshots:\n",
              e2e::elapsedSeconds(), presses);
  for (const QString& shot : e2e::screenshotsTaken())
    std::printf("  %s\n", qPrintable(shot));
  return 0;
}
