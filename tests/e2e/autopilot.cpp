#include "e2e/autopilot.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDropEvent>
#include <QEventLoop>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <cstdio>

#include "career/auto_give_up_offer.h"
#include "e2e/e2e_support.h"
#include "ui/fight/dialog_action.h"
#include "ui/fight/dialog_move.h"
#include "ui/fight/fight.h"
#include "ui/fight/frm_tornament.h"
#include "ui/program/program.h"
#include "ui/program/program_chip.h"
#include "ui/widgets/dmsg.h"
#include "ui/workshop/f_char_make.h"
#include "ui/workshop/shop.h"
#include "ui/workshop/svld.h"

namespace e2e {

using namespace velko::ui;

namespace {

constexpr int kTickMs = 30;
// A window is left to paint for a few ticks after it comes on top, as a player looks first.
constexpr int kSettleTicks = 3;
constexpr int kShotTicks = 6;
// Ten seconds on top without anything to do means the window is stuck.
constexpr int kStuckTicks = 10000 / kTickMs;
// Presses of 次へ before the fight screen's picture is taken: the Dolls have met by then.
constexpr int kFightShotPresses = 6;

QString kindOf(const QObject* window) {
  QString name = window->metaObject()->className();
  return name.mid(name.lastIndexOf(':') + 1);
}

QString flat(QString text) {
  return text.replace("\r\n", " / ").replace('\n', " / ").trimmed();
}

void log(const QString& line) {
  std::printf("[%6.1fs] %s\n", elapsedSeconds(), qPrintable(line));
  std::fflush(stdout);
}

template <typename T>
T* child(QWidget* window, const QString& name) {
  T* found = window->findChild<T*>(name);
  if (!found) fail(QString("%1 has no %2").arg(kindOf(window), name));
  return found;
}

}  // namespace

Autopilot::Autopilot() {
  timer_.setInterval(kTickMs);
  connect(&timer_, &QTimer::timeout, this, &Autopilot::tick);
  timer_.start();
}

void Autopilot::beginStage(const QString& name, int seconds) {
  stage_ = name;
  deadline_ = elapsedSeconds() + seconds;
  for (const ShotRequest& shot : shots_)
    log(QString("note: no %1 window came for screenshot %2").arg(shot.kind, shot.name));
  shots_.clear();
  stageMessages_.clear();
  patternNames_.clear();
  gaveUp_ = 0;
  log("== stage: " + name);
}

void Autopilot::post(std::function<void()> fn) {
  pending_ = true;
  acted_ = true;
  QTimer::singleShot(0, this, [this, fn = std::move(fn)] {
    pending_ = false;
    fn();
  });
}

bool Autopilot::idle() const {
  return !pending_ && !QApplication::activeModalWidget();
}

void Autopilot::waitUntil(const std::function<bool()>& done, const QString& what) {
  while (!done()) {
    QEventLoop loop;
    QTimer::singleShot(20, &loop, &QEventLoop::quit);
    loop.exec();
    if (elapsedSeconds() > deadline_)
      fail(QString("%1: %2 did not happen in time").arg(stage_, what));
  }
}

void Autopilot::waitIdle(const QString& what) {
  waitUntil([this] { return idle(); }, what);
}

void Autopilot::shotOn(const QString& kind, const QString& name, const QString& words) {
  shots_.push_back({kind, name, words.isEmpty() ? QStringList() : words.split('|')});
}

int Autopilot::opened(const QString& kind) const {
  const auto it = opened_.find(kind);
  return it == opened_.end() ? 0 : it->second;
}

bool Autopilot::stageMessage(const QString& word) const {
  for (const QString& text : stageMessages_) {
    if (text.contains(word)) return true;
  }
  return false;
}

void Autopilot::tick() {
  if (elapsedSeconds() > deadline_)
    fail(QString("stage \"%1\" did not finish in time").arg(stage_));
  if (pending_) return;
  if (QWidget* popup = QApplication::activePopupWidget()) {
    popup->close();
    return;
  }
  QWidget* top = QApplication::activeModalWidget();
  if (!top || !top->isVisible()) {
    lastTop_ = nullptr;
    return;
  }
  Window& w = windowState(top);
  if (top != lastTop_) {
    lastTop_ = top;
    w.age = 0;
  }
  ++w.age;
  ++w.idleTicks;
  if (w.idleTicks > kStuckTicks) fail("nothing moves on " + describeWindow(top));
  if (w.age < kSettleTicks) return;
  acted_ = false;
  act(top, w);
  if (acted_) w.idleTicks = 0;
}

Autopilot::Window& Autopilot::windowState(QWidget* window) {
  auto it = windows_.find(window);
  if (it != windows_.end()) return it->second;
  Window w;
  w.kind = kindOf(window);
  ++opened_[w.kind];
  if (w.kind == "Shop") w.shopPlan = std::exchange(shopPlan_, {});
  if (w.kind == "Program") w.programPlan = std::exchange(programPlan_, {});
  if (w.kind != "DialogAction" && w.kind != "dialogMove")
    log(QString("open %1 \"%2\"").arg(w.kind, window->windowTitle()));
  connect(window, &QObject::destroyed, this, [this](QObject* gone) { windows_.erase(gone); });
  return windows_.emplace(window, std::move(w)).first->second;
}

void Autopilot::click(QWidget* button) {
  QPointer<QAbstractButton> target = qobject_cast<QAbstractButton*>(button);
  if (!target) fail("no button to click on " + describeWindow(QApplication::activeModalWidget()));
  post([target] {
    if (target && target->isVisible() && target->isEnabled()) target->click();
  });
}

bool Autopilot::maybeShot(const QString& kind, const QString& text) {
  for (auto it = shots_.begin(); it != shots_.end(); ++it) {
    if (it->kind != kind) continue;
    bool matches = it->words.isEmpty();
    for (const QString& word : it->words)
      matches = matches || text.contains(word);
    if (!matches) continue;
    const Window& w = windows_.at(QApplication::activeModalWidget());
    // Still painting: the caller waits and comes back on a later tick.
    if (w.age < kShotTicks || w.idleTicks < kSettleTicks) return true;
    takeScreenshot(it->name);
    shots_.erase(it);
    return false;
  }
  return false;
}

void Autopilot::act(QWidget* top, Window& w) {
  if (auto* box = qobject_cast<QMessageBox*>(top)) return onMessageBox(box, w);
  if (auto* dialog = qobject_cast<DMsg*>(top)) return onDMsg(dialog, w);
  if (auto* screen = qobject_cast<FCharMake*>(top)) return onCharMake(screen, w);
  if (auto* shop = qobject_cast<Shop*>(top)) return onShop(shop, w);
  if (auto* editor = qobject_cast<Program*>(top)) return onProgram(editor, w);
  if (auto* fight = qobject_cast<Fight*>(top)) return onFight(fight, w);
  if (auto* dialog = qobject_cast<DialogAction*>(top)) return onDialogAction(dialog, w);
  if (auto* dialog = qobject_cast<dialogMove*>(top)) return onMove(dialog, w);
  if (auto* view = qobject_cast<frmTornament*>(top)) return onBracket(view, w);
  if (auto* screen = qobject_cast<SVLD*>(top)) return onSaveLoad(screen, w);
  fail("a window the player has no script for: " + describeWindow(top));
}

// --- messages ---

void Autopilot::onMessageBox(QMessageBox* box, Window& w) {
  const QString text = flat(box->text());
  if (w.step == 0) {
    w.step = 1;
    noteMessage("box: " + text);
    stageMessages_ << text;
    log("message box: " + text);
  }
  if (maybeShot("QMessageBox", text)) return;
  QAbstractButton* answer = box->button(QMessageBox::Ok);
  if (!answer) answer = box->button(QMessageBox::Yes);
  if (!answer && !box->buttons().isEmpty()) answer = box->buttons().first();
  click(answer);
}

void Autopilot::onDMsg(DMsg* dialog, Window& w) {
  const QString text = flat(dialog->lblMsg()->text());
  const QString seen = dialog->windowTitle() + ": " + text;
  if (w.step == 0) {
    w.step = 1;
    noteMessage("dialog " + seen);
    stageMessages_ << seen;
    log("dialog " + seen);
  }
  if (maybeShot("DMsg", seen)) return;
  // The play-through fights its bouts to the end, so it declines the automatic give-up.
  if (text == flat(QString::fromStdString(velko::autoGiveUpOffer()))) {
    click(dialog->cmdCancel());
    return;
  }
  click(dialog->cmdOK());
}

// --- player creation and the shop ---

void Autopilot::onCharMake(FCharMake* screen, Window&) {
  if (maybeShot("FCharMake")) return;
  startMoney_ = screen->dspRl()->text().trimmed().toInt();
  check(!screen->dspName()->text().isEmpty(), "the new player has no name");
  check(startMoney_ > 0, "the new player has no money: " + screen->dspRl()->text());
  log(QString("new player %1, %2 Rl, skill %3")
          .arg(screen->dspName()->text(), screen->dspRl()->text(), screen->dspOparate()->text()));
  click(screen->cmdEntry());
}

void Autopilot::onShop(Shop* shop, Window& w) {
  const int money = shop->lblPlayerRl()->text().trimmed().toInt();
  QListWidget* bought = shop->ListOwnParts(1);
  if (w.awaiting) {
    // The purchase question comes first; the new part shows once it was answered.
    if (bought->count() <= w.before) return;
    w.awaiting = false;
    check(money == w.money - w.price, QString("buying %1 for %2 Rl left %3 Rl of %4")
                                          .arg(w.name)
                                          .arg(w.price)
                                          .arg(money)
                                          .arg(w.money));
    check(bought->item(bought->count() - 1)->text().startsWith(w.name),
          "the new-parts list does not end with " + w.name);
    purchased_ << w.name;
    spent_ += w.price;
    log(QString("bought %1 for %2 Rl, %3 Rl left").arg(w.name).arg(w.price).arg(money));
    ++w.step;
    return;
  }
  if (w.step == 0 && maybeShot("Shop")) return;
  if (w.step < static_cast<int>(w.shopPlan.size())) {
    const Purchase& buy = w.shopPlan[w.step];
    if (shop->ComboShop()->currentIndex() != buy.kind) {
      shop->ComboShop()->setCurrentIndex(buy.kind);
      acted_ = true;
      return;
    }
    QTableWidget* table = shop->List1();
    int row = -1;
    int price = 0;
    for (int r = 0; r < table->rowCount(); ++r) {
      const QTableWidgetItem* name = table->item(r, 0);
      const QTableWidgetItem* cost = table->item(r, 1);
      if (!name || !cost || name->text().isEmpty() || !(name->flags() & Qt::ItemIsEnabled))
        continue;
      const int p = cost->text().toInt();
      if (!buy.name.isEmpty()) {
        if (name->text() != buy.name) continue;
        row = r;
        price = p;
        break;
      }
      if (p <= money && (row < 0 || p < price)) {
        row = r;
        price = p;
      }
    }
    const QString kind = shop->ComboShop()->itemText(buy.kind);
    if (buy.optional && (row < 0 || price > money)) {
      log(QString("no %1 within %2 Rl: nothing bought").arg(kind).arg(money));
      ++w.step;
      acted_ = true;
      return;
    }
    check(row >= 0, QString("the shop's %1 stock has no %2 for %3 Rl")
                        .arg(kind, buy.name.isEmpty() ? "part" : buy.name)
                        .arg(money));
    check(price <= money, QString("%1 costs %2 Rl, the player has %3")
                              .arg(table->item(row, 0)->text())
                              .arg(price)
                              .arg(money));
    w.awaiting = true;
    w.before = bought->count();
    w.money = money;
    w.price = price;
    w.name = table->item(row, 0)->text();
    table->scrollToItem(table->item(row, 0));
    QPointer<QTableWidget> target = table;
    post([target, row] {
      if (!target) return;
      const QRect cell = target->visualItemRect(target->item(row, 0));
      QTest::mouseClick(target->viewport(), Qt::LeftButton, {}, cell.center());
    });
    return;
  }
  if (maybeShot("Shop-done")) return;
  click(shop->Command1());
}

// --- the program editor ---

void Autopilot::onProgram(Program* editor, Window& w) {
  if (w.step == 0) {
    if (maybeShot("Program-empty")) return;
    check(!w.programPlan.empty(), "the program editor opened without a plan");
    const int slotsPerPattern = velko::Logic::kSlots;
    for (int p = 0; p < static_cast<int>(w.programPlan.size()); ++p) {
      const PatternPlan& plan = w.programPlan[p];
      auto* name = child<QLineEdit>(editor, QString("Text1(%1)").arg(p));
      if (!name->text().isEmpty()) {
        name->selectAll();
        QTest::keyClick(name, Qt::Key_Backspace);
      }
      // Typed as a Japanese input method commits it.
      QInputMethodEvent typed;
      typed.setCommitString(plan.name);
      QApplication::sendEvent(name, &typed);
      check(QString::fromStdString(editor->model().Text1(p)) == plan.name,
            QString("pattern %1 did not take the name %2").arg(p + 1).arg(plan.name));
      for (int k = 0; k < static_cast<int>(plan.actions.size()); ++k) {
        const int id = plan.actions[k];
        const int slot = p * slotsPerPattern + k;
        // The pointer passes over the palette chip, then the chip lands on the slot.
        auto* chip = child<QWidget>(editor, QString("dspAchip(%1)").arg(id - 1));
        const QPointF middle = QRectF(chip->rect()).center();
        QMouseEvent over(QEvent::MouseMove, middle, chip->mapToGlobal(middle), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(chip, &over);
        auto* target = child<QWidget>(editor, QString("dspAction(%1)").arg(slot));
        QMimeData data;
        data.setData(kChipMimeType, QByteArray::number(id - 1));
        const QPoint at = target->rect().center();
        // Entering makes the slot the drag's target; the drop goes to that target.
        QDragEnterEvent enter(at, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QDropEvent drop(QPointF(at), Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        check(editor->model().chipAt(slot) == id,
              QString("pattern %1 slot %2 shows action %3 after dropping action %4")
                  .arg(p + 1)
                  .arg(k + 1)
                  .arg(editor->model().chipAt(slot))
                  .arg(id));
      }
    }
    w.step = 1;
    acted_ = true;
    return;
  }
  if (w.step == 1) {
    if (maybeShot("Program")) return;
    w.step = 2;
    click(child<QPushButton>(editor, "cmdRegist"));
    return;
  }
  fail("the program editor did not register the patterns: " + describeWindow(editor) +
       "; last message: " + messagesSeen().value(messagesSeen().size() - 1));
}

// --- the battle screen and its dialogs ---

void Autopilot::onFight(Fight* fight, Window& w) {
  // Closing: the session has decided and the screen goes by itself.
  if (!fight->cmdNext()->isEnabled()) return;
  if (w.awaiting) return;  // gave up: the screen must close now
  if (w.presses >= kFightShotPresses && maybeShot("Fight")) return;
  if (w.presses >= giveUpAfter_) {
    log(QString("giving up after %1 presses of 次へ").arg(w.presses));
    w.awaiting = true;
    ++gaveUp_;
    click(fight->cmdTap());
    return;
  }
  ++w.presses;
  ++presses_;
  click(fight->cmdNext());
}

void Autopilot::onDialogAction(DialogAction* dialog, Window& w) {
  if (w.step == 0) {
    w.step = 1;
    patternNames_ << child<QLabel>(dialog, "dspDollName")->text();
  }
  if (maybeShot("DialogAction")) return;
  // A row that stayed open after its click costs more than this action's points (grey).
  if (w.awaiting) {
    w.tried.insert(w.lastRow);
    w.awaiting = false;
  }
  std::vector<int> rows;
  std::vector<int> fitting;
  const QStringList wanted = wantedActions(dialog);
  for (int row = 0; row < 6; ++row) {
    const QString pattern = dialog->dspPattern(row)->text();
    if (pattern.isEmpty() || w.tried.count(row)) continue;
    rows.push_back(row);
    for (const QString& word : wanted) {
      if (pattern.contains(word)) {
        fitting.push_back(row);
        break;
      }
    }
  }
  if (rows.empty()) {
    log("no pattern can be paid for: the order is cancelled");
    click(dialog->cmdCancel());
    return;
  }
  // Mostly what the situation asks for, now and then anything, as players do.
  const bool sensible = !fitting.empty() && std::uniform_int_distribution<int>(0, 4)(rng_) != 0;
  const std::vector<int>& choice = sensible ? fitting : rows;
  const int row = choice[std::uniform_int_distribution<size_t>(0, choice.size() - 1)(rng_)];
  w.awaiting = true;
  w.lastRow = row;
  click(dialog->dspPattern(row));
}

QStringList Autopilot::wantedActions(DialogAction* dialog) const {
  auto* fight = qobject_cast<Fight*>(dialog->parentWidget());
  if (!fight) return {};
  const QString name = dialog->findChild<QLabel*>("dspDollName")->text();
  QString situation;
  for (int side = 0; side < 2; ++side) {
    const auto* shown = fight->findChild<QLabel*>(QString("dspName%1").arg(side));
    const auto* state = fight->findChild<QLabel*>(QString("dspJoutai%1").arg(side));
    if (shown && state && shown->text() == name) {
      situation = state->text();
      break;
    }
  }
  // The battle screen tells the state of each Doll: down, held, or free to attack.
  if (situation.contains(said("転倒している"))) return {qtTrId("回転")};
  if (situation.contains(said("組まれている"))) return {qtTrId("外し")};
  return {qtTrId("パンチ"), qtTrId("キック"), qtTrId("投げ")};
}

void Autopilot::onMove(dialogMove* dialog, Window&) {
  if (maybeShot("dialogMove")) return;
  check(dialog->Command1(0)->text() == qtTrId("接近") &&
            dialog->Command1(1)->text() == qtTrId("離脱"),
        "the move dialog's answers are " + dialog->Command1(0)->text() + "/" +
            dialog->Command1(1)->text());
  // Mostly forward: fights are won by meeting the opponent.
  const bool approach = std::uniform_int_distribution<int>(0, 3)(rng_) != 0;
  click(dialog->Command1(approach ? 0 : 1));
}

void Autopilot::onBracket(frmTornament* view, Window& w) {
  if (w.step == 0) {
    w.step = 1;
    QStringList names;
    for (int i = 0; i < 8; ++i)
      names << view->lblName(i)->text();
    log("bracket: " + names.join(", "));
    for (const QString& name : names)
      check(!name.trimmed().isEmpty(), "the bracket has an entrant without a name");
  }
  if (maybeShot("frmTornament")) return;
  click(view->Command1());
}

void Autopilot::onSaveLoad(SVLD* screen, Window& w) {
  if (w.awaiting) {
    fail("the save/load screen did not take " + screen->labNum()->text() +
         "; last message: " + messagesSeen().value(messagesSeen().size() - 1));
  }
  const QString target = QString("save%1").arg(slot_);
  const QString shown = screen->labNum()->text();
  if (shown == target) {
    if (maybeShot("SVLD")) return;
    w.awaiting = true;
    click(screen->command2(1));  // 決定
    return;
  }
  if (!target.startsWith(shown)) {
    click(screen->command2(0));  // 取消
    return;
  }
  click(screen->command1(target.at(shown.size()).digitValue()));
}

}  // namespace e2e
