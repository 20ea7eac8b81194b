#pragma once
// The move dialog (移動指示): the distance and the state line the battle screen wrote, and two
// answers, "接近" (value 0) and "離脱" (value 1).

#include <QDialog>
#include <array>
#include <cstdint>

class QLabel;
class QPushButton;

namespace velko::ui {

class dialogMove : public QDialog {
  Q_OBJECT

 public:
  dialogMove(int16_t span, QWidget* battleWindow = nullptr);

  // Places the dialog a third of the way into the battle window.
  void setDialog();

  // The index of the button pressed; 0 until one is.
  int16_t value() const { return value_; }

  void Command1_Click(int index);

  // Under the buttons: what the two answers do and the hint for this move of the pattern.
  void setHint(const QString& hint);
  QLabel* lblHint() const { return lblHint_; }

  // dsp(0) the distance, dsp(1) the state line (written by the battle screen before showing).
  QLabel* dsp(int index) const { return dsp_.at(index); }
  QPushButton* Command1(int index) const { return Command1_.at(index); }

 protected:
  void showEvent(QShowEvent* event) override;
  // A move needs a direction: only the two buttons close the dialog.
  void reject() override {}

 private:
  void Form_Load();

  int16_t span_;
  int16_t value_ = 0;
  std::array<QLabel*, 2> dsp_{};
  std::array<QPushButton*, 2> Command1_{};
  QLabel* lblHint_ = nullptr;
};

}  // namespace velko::ui
