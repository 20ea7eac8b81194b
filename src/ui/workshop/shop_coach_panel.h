#pragma once
// The shop's 「おすすめ構成」 panel: the coach's three best Dolls for the player's money and
// owned parts in a chosen class, found on a worker thread with progress and cancel, each with
// its price, what to buy and sell and its win chance. "Buy" hands the chosen proposal back to
// the shop, which asks once and then trades through its own rules.

#include <QDialog>
#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "career/career_state.h"
#include "coach/build_advice.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace velko::ui {

class RunStrip;

class ShopCoachPanel : public QDialog {
  Q_OBJECT

 public:
  // `classIndex` is the class chosen at first: the one the player will enter next.
  ShopCoachPanel(CareerState& state, CareerServices& services, int classIndex,
                 QWidget* parent = nullptr);
  ~ShopCoachPanel() override;

  // Starts the search for the chosen class; false when it cannot (no registry, no catalogue).
  bool start();
  bool running() const;
  // The proposal whose "buy" was pressed, once the panel has closed with accept().
  const std::optional<BuildProposal>& chosen() const { return chosen_; }
  const BuildAdvice& advice() const { return advice_; }

  QComboBox* cmbClass() const { return cmbClass_; }
  RunStrip* run() const { return run_; }
  QLabel* summary() const { return summary_; }
  QPushButton* cmdBuy(int k) const { return cmdBuy_[k]; }
  QLabel* proposalText(int k) const { return text_[k]; }

  void reject() override;

 private:
  void showAdvice(std::shared_ptr<BuildAdvice> advice);

  CareerState& state_;
  CareerServices& services_;
  std::shared_ptr<const BuildPlanner> planner_;
  std::vector<PracticeOpponent> registry_;
  BuildAdvice advice_;
  std::optional<BuildProposal> chosen_;
  QComboBox* cmbClass_ = nullptr;
  RunStrip* run_ = nullptr;
  QLabel* summary_ = nullptr;
  std::array<QLabel*, kBuildProposals> heading_{};
  std::array<QLabel*, kBuildProposals> text_{};
  std::array<QPushButton*, kBuildProposals> cmdBuy_{};
};

}  // namespace velko::ui
