#pragma once
// The bracket view: the eight entrants' names, the fourteen bracket lines and the lines of
// the winners' paths, white until decided and red after, and the return command.

#include <QDialog>
#include <QLine>
#include <QPolygon>
#include <array>

#include "career/bracket.h"

class QLabel;
class QPushButton;

namespace velko::ui {

class frmTornament : public QDialog {
  Q_OBJECT

 public:
  explicit frmTornament(const Bracket& bracket, QWidget* parent = nullptr);

  QColor line1Color(int index) const;
  QColor lineVColor(int index) const;

  // Where the lines stand. A final's line runs on to the champion's place.
  static QPolygon line1Path(int index);
  static QLine lineV(int index);

  QLabel* lblName(int index) const { return lblName_.at(index); }
  QPushButton* Command1() const { return Command1_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void Form_Load();

  Bracket bracket_;
  std::array<QLabel*, Bracket::kEntrants> lblName_{};
  QPushButton* Command1_;
};

}  // namespace velko::ui
