#pragma once
// The title screen: "Initial Start", "Load Start" and "Quit" over the arena.

#include <QWidget>

namespace velko {
class Game;
}

class QPushButton;

namespace velko::ui {

class StartUp : public QWidget {
  Q_OBJECT

 public:
  explicit StartUp(Game& game, QWidget* parent = nullptr);

  QPushButton* command1(int index) const { return command1_[index]; }
  QPushButton* cmdQuit() const { return cmdQuit_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  // Closing the title window is "Quit".
  void closeEvent(QCloseEvent* event) override;

 private:
  Game& game_;
  QPushButton* command1_[2];
  QPushButton* cmdQuit_;
};

}  // namespace velko::ui
