#pragma once
// The player-creation screen: a name, rolled money and piloting skill, Entry, Reset and Quit.

#include <QDialog>

#include "career/career_state.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace velko::ui {

class ClickLabel;

class FCharMake : public QDialog {
  Q_OBJECT

 public:
  FCharMake(CareerState& state, CareerServices& services, QWidget* parent = nullptr);

  // -1 when the player registered with Entry, 0 after Quit.
  int value() const { return value_; }

  QLineEdit* dspName() const { return dspName_; }
  QLabel* dspRl() const { return dspRl_; }
  QLabel* dspOparate() const { return dspOparate_; }
  QPushButton* cmdEntry() const { return cmdEntry_; }
  QPushButton* cmdReset() const { return cmdReset_; }
  QPushButton* command3() const { return command3_; }
  QWidget* paneGuide() const { return paneGuide_; }

 private:
  void dspPlayer();
  void cmdEntry_Click();
  void cmdReset_Click();
  void Command3_Click();

  CareerState& state_;
  CareerServices& services_;
  int value_ = 0;
  QLineEdit* dspName_;
  QLabel* dspRl_;
  QLabel* dspOparate_;
  QPushButton* cmdEntry_;
  QPushButton* cmdReset_;
  QPushButton* command3_;
  QWidget* paneGuide_;
};

}  // namespace velko::ui
