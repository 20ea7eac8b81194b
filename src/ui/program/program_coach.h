#pragma once
// The program editor's 「おすすめプログラム」: the coach's six patterns for the Doll's software
// beside the registered ones, each with its win chance against the chosen class, found on a
// worker thread with progress and cancel. "Apply" hands the patterns back to the editor, which
// makes them one undoable edit; registering stays the player's act.

#include <QDialog>
#include <memory>
#include <optional>
#include <vector>

#include "career/career_state.h"
#include "coach/program_advice.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace velko::ui {

class RunStrip;

class ProgramCoach : public QDialog {
  Q_OBJECT

 public:
  ProgramCoach(CareerState& state, CareerServices& services, int classIndex,
               QWidget* parent = nullptr);
  ~ProgramCoach() override;

  bool start();
  bool running() const;
  // The proposal once the dialog has closed with accept().
  const std::optional<ProgramProposal>& chosen() const { return chosen_; }
  const ProgramProposal& proposal() const { return proposal_; }

  QComboBox* cmbClass() const { return cmbClass_; }
  RunStrip* run() const { return run_; }
  QLabel* todayText() const { return today_; }
  QLabel* proposedText() const { return proposed_; }
  QPushButton* cmdApply() const { return cmdApply_; }

  void reject() override;

 private:
  void showProposal(std::shared_ptr<ProgramProposal> proposal);
  std::string patternsText(const std::vector<PatternPlan>& patterns) const;

  CareerState& state_;
  CareerServices& services_;
  std::vector<PracticeOpponent> registry_;
  std::vector<std::string> actionNames_;
  ProgramProposal proposal_;
  std::optional<ProgramProposal> chosen_;
  QComboBox* cmbClass_ = nullptr;
  RunStrip* run_ = nullptr;
  QLabel* summary_ = nullptr;
  QLabel* todayHeading_ = nullptr;
  QLabel* today_ = nullptr;
  QLabel* proposedHeading_ = nullptr;
  QLabel* proposed_ = nullptr;
  QPushButton* cmdApply_ = nullptr;
};

}  // namespace velko::ui
