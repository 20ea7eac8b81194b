#pragma once
// The bracket view: the eight entrants' names, the fourteen bracket lines and the lines of
// the winners' paths, white until decided and red after, and the return command.

#include <QDialog>
#include <QLine>
#include <QPolygon>
#include <array>

#include "career/bracket.h"
#include "career/career_state.h"

class QLabel;
class QPushButton;

namespace velko::ui {

class AdvicePanel;

class frmTornament : public QDialog {
  Q_OBJECT

 public:
  explicit frmTornament(const Bracket& bracket, QWidget* parent = nullptr);

  QColor line1Color(int index) const;
  QColor lineVColor(int index) const;

  // Where the lines stand. A final's line runs on to the champion's place.
  static QPolygon line1Path(int index);
  static QLine lineV(int index);

  // The player's chances against each computer entrant, under the bracket and by each name.
  void showAdvice(CareerState& state, CareerServices& services, const std::string& className);
  AdvicePanel* advice() const { return advice_; }
  // The chance shown by entrant j's name; empty for the player and before the advice is in.
  QString lblChance(int index) const;

  QLabel* lblName(int index) const { return lblName_.at(index); }
  QPushButton* Command1() const { return Command1_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void Form_Load();
  void showChances();

  Bracket bracket_;
  std::array<QLabel*, Bracket::kEntrants> lblName_{};
  std::array<QLabel*, Bracket::kEntrants> lblChance_{};
  std::array<bool, Bracket::kEntrants> computerSeat_{};
  AdvicePanel* advice_ = nullptr;
  QPushButton* Command1_;
};

}  // namespace velko::ui
