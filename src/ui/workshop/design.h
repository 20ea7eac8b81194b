#pragma once
// The workshop: the player's Doll with its parts and statistics, the owned parts to mount,
// the commands that lead to every other screen, and the menus. Every rule is the Game's or
// the assembly view's; this window shows them and forwards the clicks.

#include <QMainWindow>

#include "career/game.h"
#include "workshop/assembly.h"

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace velko::ui {

class ClickLabel;

class Design : public QMainWindow, public WorkshopView {
  Q_OBJECT

 public:
  Design(Game& game, CareerServices& services, QWidget* parent = nullptr);
  ~Design() override;

  // Redraws everything from the Doll and the inventory (after any command); the kind
  // selector keeps its entry.
  void refresh();
  // The Game's refresh has run: the kind selector goes back to its first entry.
  void showRefresh() override;
  void showDate() override;
  // Lets the window close without the leaving question (the title screen takes over).
  void closeQuietly();
  // A line at the foot of the window that asks for nothing (music that cannot play); it goes
  // when the music is switched off.
  void showQuietLine(const QString& text);

  QPushButton* command(const QString& name) const;
  QListWidget* listPart() const { return listPart_; }
  QComboBox* cmbParts() const { return cmbParts_; }
  QLabel* label(const QString& name) const;
  QAction* menu(const QString& name) const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  // Return on the owned-parts list mounts or takes off its current row, as a click does.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildMenus();
  QWidget* buildDollPanel();
  QWidget* buildStatsPanel();
  QWidget* buildAssemblyPanel();
  QWidget* buildCommandBar();
  void dspParts(int kind);
  void showDetail(int kind, int slot);
  void dspDoll();
  void ListPart_Click(int row);
  // Runs a command of the Game, then redraws unless the workshop is closing.
  void run(void (Game::*command)());

  Game& game_;
  CareerState& state_;
  CareerServices& services_;
  bool closing_ = false;
  QComboBox* cmbParts_ = nullptr;
  QListWidget* listPart_ = nullptr;
  QListWidget* listBoost_ = nullptr;
  QListWidget* listP_ = nullptr;
  QListWidget* listSoft_ = nullptr;
  QLabel* picture1_ = nullptr;
  QLineEdit* impDollName_ = nullptr;
  ClickLabel* dspGuide_ = nullptr;
};

}  // namespace velko::ui
