#pragma once
// The save and load screen: a slot number typed with on-screen digits, then confirmed. Beside
// the keypad, the slots that hold a game with their previews; choosing one types its number.

#include <QDialog>
#include <memory>

#include "workshop/save_load_form.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace velko::ui {

class SVLD : public QDialog {
  Q_OBJECT

 public:
  // Mode 1 saves, mode 2 loads.
  SVLD(int16_t mode, const GameFolder& folder, Prompter& prompter, QWidget* parent = nullptr);

  bool value() const { return form_.value(); }
  int16_t svNum() const { return form_.svNum(); }

  QPushButton* command1(int digit) const { return command1_[digit]; }
  QPushButton* command2(int index) const { return command2_[index]; }
  QPushButton* command3() const { return command3_; }
  QLabel* labNum() const { return labNum_; }
  QLabel* hlp() const { return hlp_; }
  QListWidget* slotList() const { return slotList_; }

 protected:
  // Digits (main keys and keypad) type, Backspace takes one back, Return confirms and Esc
  // goes back, as the buttons do.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Command1_Click(int digit);
  void showNumber();
  void Command2_Click(int index);
  QWidget* buildSlotList();

  SaveLoadForm form_;
  QPushButton* command1_[10];
  QPushButton* command2_[2];
  QPushButton* command3_;
  QLabel* labNum_;
  QLabel* hlp_;
  QListWidget* slotList_;
};

}  // namespace velko::ui
