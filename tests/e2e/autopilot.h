#pragma once
// The player's hands while the game's modal windows run their own loops: a timer looks at the
// window on top every few milliseconds and does the next thing a player would do there
// (answers a message, buys, programs, presses 次へ, picks a pattern or a direction, types a
// slot number). The script itself only clicks the workshop and waits for the game to be idle.
// Clicks are posted, never made inside the timer, so a dialog they open nests in the event
// loop while the timer keeps running.

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <map>
#include <random>
#include <set>
#include <vector>

class QMessageBox;
class QWidget;

namespace velko::ui {
class DMsg;
class DialogAction;
class FCharMake;
class Fight;
class Program;
class SVLD;
class Shop;
class dialogMove;
class frmTornament;
}  // namespace velko::ui

namespace e2e {

// One purchase: the shop selector's index and the part's name, or no name for the cheapest
// part of that kind the player can afford. An optional purchase the money does not reach is
// left out; any other fails the run.
struct Purchase {
  int kind = 0;
  QString name;
  bool optional = false;
};

// One action pattern: its name and the action numbers (1 移動 ... 11 外し) in slot order.
struct PatternPlan {
  QString name;
  std::vector<int> actions;
};

class Autopilot : public QObject {
  Q_OBJECT

 public:
  Autopilot();

  // A named part of the run with its time limit; screenshots still requested are dropped.
  void beginStage(const QString& name, int seconds);
  const QString& stage() const { return stage_; }

  // Runs fn from the event loop: what it opens nests there, not in the caller.
  void post(std::function<void()> fn);
  // Nothing posted is waiting and no modal window is open: the workshop has the player.
  bool idle() const;
  // Runs the event loop until done() holds; fails the run at the stage's time limit.
  void waitUntil(const std::function<bool()>& done, const QString& what);
  void waitIdle(const QString& what);

  // What the next windows get.
  void planShop(std::vector<Purchase> buys) { shopPlan_ = std::move(buys); }
  void planProgram(std::vector<PatternPlan> patterns) { programPlan_ = std::move(patterns); }
  void setSlot(int slot) { slot_ = slot; }
  // The fight gives up after this many presses of 次へ, so no fight can run for ever.
  void setGiveUpAfter(int presses) { giveUpAfter_ = presses; }
  // One screenshot when a window of this kind is on top (and, for messages, its text holds
  // one of the '|'-separated words).
  void shotOn(const QString& kind, const QString& name, const QString& words = {});

  // What happened.
  int opened(const QString& kind) const;
  int startMoney() const { return startMoney_; }
  const QStringList& purchased() const { return purchased_; }
  int spent() const { return spent_; }
  // Names the pattern dialog asked for, in order.
  const QStringList& patternDialogNames() const { return patternNames_; }
  // Texts of the game's messages since the stage began.
  const QStringList& stageMessages() const { return stageMessages_; }
  bool stageMessage(const QString& word) const;
  int gaveUp() const { return gaveUp_; }
  int presses() const { return presses_; }

 private:
  struct Window {
    QString kind;
    int age = 0;        // ticks on top since it last came on top
    int idleTicks = 0;  // ticks on top since the last action
    int step = 0;
    bool awaiting = false;
    int lastRow = -1;
    int before = 0;
    int price = 0;
    int money = 0;
    QString name;
    int presses = 0;
    std::set<int> tried;
    std::vector<Purchase> shopPlan;
    std::vector<PatternPlan> programPlan;
  };

  void tick();
  Window& windowState(QWidget* window);
  void act(QWidget* top, Window& w);
  void click(QWidget* button);
  bool maybeShot(const QString& kind, const QString& text = {});

  void onMessageBox(QMessageBox* box, Window& w);
  void onDMsg(velko::ui::DMsg* dialog, Window& w);
  void onCharMake(velko::ui::FCharMake* screen, Window& w);
  void onShop(velko::ui::Shop* shop, Window& w);
  void onProgram(velko::ui::Program* editor, Window& w);
  void onFight(velko::ui::Fight* fight, Window& w);
  void onDialogAction(velko::ui::DialogAction* dialog, Window& w);
  // The actions a sensible player looks for in the acting Doll's situation.
  QStringList wantedActions(velko::ui::DialogAction* dialog) const;
  void onMove(velko::ui::dialogMove* dialog, Window& w);
  void onBracket(velko::ui::frmTornament* view, Window& w);
  void onSaveLoad(velko::ui::SVLD* screen, Window& w);

  QTimer timer_;
  std::mt19937 rng_{20050103};
  bool pending_ = false;
  bool acted_ = false;
  QString stage_ = "start";
  double deadline_ = 60;
  std::map<QObject*, Window> windows_;
  QPointer<QWidget> lastTop_;
  std::map<QString, int> opened_;

  std::vector<Purchase> shopPlan_;
  std::vector<PatternPlan> programPlan_;
  int slot_ = 1;
  int giveUpAfter_ = 600;
  struct ShotRequest {
    QString kind;
    QString name;
    QStringList words;
  };
  std::vector<ShotRequest> shots_;

  int startMoney_ = 0;
  QStringList purchased_;
  int spent_ = 0;
  QStringList patternNames_;
  QStringList stageMessages_;
  int gaveUp_ = 0;
  int presses_ = 0;
};

}  // namespace e2e
