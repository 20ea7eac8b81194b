#pragma once
// The title screen: "Initial Start", "Load Start" and "Quit" over the arena. By keyboard: Tab
// and the arrows move between the buttons, Return or Space presses one, Esc and Ctrl+Q quit.

#include <QImage>
#include <QString>
#include <QWidget>

#include "data/files/game_folder.h"
#include "ui/app/title_picture.h"

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

 signals:
  // Once, after the first paint has been asked for; what the title does not show can wait.
  void painted();

 protected:
  void paintEvent(QPaintEvent* event) override;
  // Closing the title window is "Quit".
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void takePicture();

  Game& game_;
  // The title's picture is read back or painted on a thread of its own while the window is
  // built, and taken over at the first paint.
  TitlePictureWork picturePainting_;
  QImage picture_;  // the whole title at its designed size
  bool painted_ = false;
  QPushButton* command1_[2];
  QPushButton* cmdQuit_;
};

}  // namespace velko::ui
