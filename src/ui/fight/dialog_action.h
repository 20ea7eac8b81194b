#pragma once
// The pattern dialog (SelectAction): the acting Doll's six patterns with their AP, white rows
// to choose from and grey rows that cost more than this action's points. value() is the
// chosen pattern's number plus 1, or 0 when the order was cancelled.

#include <QDialog>
#include <array>
#include <cstdint>
#include <string>

#include "core/prompter.h"
#include "program/pattern_choice.h"

class QFrame;
class QLabel;
class QPushButton;

namespace velko::ui {

class DialogAction : public QDialog {
  Q_OBJECT

 public:
  // guide: the guide option and the dialog's own guide flag are both on.
  DialogAction(int16_t playAP, bool guide, Prompter& prompter, QWidget* battleWindow = nullptr);

  void setLogics(LogicRef logic, int slot);
  // Places the dialog a third of the way into the battle window and names the acting Doll.
  void setDialog(const std::string& dollName);
  // Marks the row the Doll's own program would choose with 「おすすめ」 (none for -1) and says
  // why under the rows.
  void setAdvice(int row, const std::string& why);

  int16_t value() const { return choice_.value(); }
  // The player clicked the guide away: it stays hidden until the workshop opens again.
  bool guideDismissed() const { return guideDismissed_; }

  void dspPattern_Click(int row);
  void cmdCancel_Click();
  void dspGuide_Click();

  QPushButton* dspPattern(int row) const { return dspPattern_.at(row); }
  QLabel* lblAP(int row) const { return lblAP_.at(row); }
  QLabel* Text1(int row) const { return Text1_.at(row); }
  // The 「おすすめ」 mark (hidden without advice) and the line that says why.
  QLabel* lblAdvice() const { return lblAdvice_; }
  QLabel* dspAdvice() const { return dspAdvice_; }
  QPushButton* cmdCancel() const { return cmdCancel_; }
  QFrame* paneGuide() const { return paneGuide_; }

 protected:
  void showEvent(QShowEvent* event) override;
  // Esc and the window frame ask the cancel question too, so a turn is never lost by accident.
  void reject() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Form_Load();
  void dspLogics();
  void focusFirstWhite();

  PatternChoice choice_;
  Prompter& prompter_;
  bool guide_;
  bool guideDismissed_ = false;
  bool loaded_ = false;
  std::string dollName_;
  int adviceRow_ = -1;

  QLabel* dspDollName_;
  std::array<QLabel*, PatternChoice::kRows> Text1_{};
  std::array<QLabel*, PatternChoice::kRows> lblAP_{};
  std::array<QPushButton*, PatternChoice::kRows> dspPattern_{};
  QLabel* lblAdvice_;
  QLabel* dspAdvice_;
  QPushButton* cmdCancel_;
  QFrame* paneGuide_;
  QLabel* dspGuide_;
};

}  // namespace velko::ui
