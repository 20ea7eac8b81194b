#pragma once
// The title screen: "Initial Start", "Load Start" and "Quit" over the arena.

#include <QString>
#include <QWidget>

#include "data/files/game_folder.h"

namespace velko {
class Game;
}

class QPushButton;

namespace velko::ui {

class StartUp : public QWidget {
  Q_OBJECT

 public:
  StartUp(Game& game, const GameFolder& folder, QWidget* parent = nullptr);

  QPushButton* command1(int index) const { return command1_[index]; }
  QPushButton* cmdQuit() const { return cmdQuit_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  // Closing the title window is "Quit".
  void closeEvent(QCloseEvent* event) override;

 private:
  Game& game_;
  QString stageFile_;  // the arena behind the title
  QPushButton* command1_[2];
  QPushButton* cmdQuit_;
};

}  // namespace velko::ui
