#pragma once
// The practice lab screen: the player's Doll as it is now against one registered opponent, a
// class or the loaded duel opponent, 100, 1,000 or 10,000 times, on a worker thread with its
// own copies of the Dolls; a progress bar, cancel at any moment, and the results: win rate,
// fight length and the dice's seed (typed in again, it gives the same run), the patterns, the
// opponents that beat the Doll most, a chart of the win rate per opponent, and the worst lost fight
// in the inspector.

#include <QDialog>
#include <memory>
#include <vector>

#include "career/career_state.h"
#include "lab/practice_lab.h"
#include "ui/lab/run_strip.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;

namespace velko::ui {

class LabScreen : public QDialog {
  Q_OBJECT

 public:
  LabScreen(CareerState& state, CareerServices& services, QWidget* parent = nullptr);
  ~LabScreen() override;

  QComboBox* cmbAgainst() const { return cmbAgainst_; }
  QComboBox* cmbFights() const { return cmbFights_; }
  QLineEdit* txtSeed() const { return txtSeed_; }
  QPushButton* cmdStart() const { return run_->cmdStart(); }
  QPushButton* cmdCancel() const { return run_->cmdCancel(); }
  QPushButton* cmdWorst() const { return cmdWorst_; }
  QProgressBar* progress() const { return run_->progress(); }
  bool running() const { return run_->running(); }
  const PracticeResult* result() const { return result_.get(); }

  // Picks the opponent entry whose choice is `against` ("Novice", a registry number, ...).
  void chooseAgainst(const QString& against);
  // Starts a run with the choices on screen; false (with a message) when it cannot.
  bool start();
  // Opens the worst lost fight in the inspector.
  void openWorst();

 signals:
  void finished();

 protected:
  void reject() override;

 private:
  void buildControls();
  void fillAgainst();
  // The opponents the current choice names, as copies the worker may own.
  std::vector<PracticeOpponent> chosenOpponents();
  void showResult(std::shared_ptr<PracticeResult> result);

  CareerState& state_;
  CareerServices& services_;
  std::vector<PracticeOpponent> registry_;
  std::shared_ptr<PracticeResult> result_;

  QComboBox* cmbAgainst_ = nullptr;
  QComboBox* cmbFights_ = nullptr;
  QLineEdit* txtSeed_ = nullptr;
  RunStrip* run_ = nullptr;
  QPushButton* cmdWorst_ = nullptr;
  QLabel* summary_ = nullptr;
  QTableWidget* patterns_ = nullptr;
  QTableWidget* opponents_ = nullptr;
  QWidget* chartHolder_ = nullptr;
};

}  // namespace velko::ui
