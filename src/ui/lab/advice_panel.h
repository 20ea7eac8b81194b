#pragma once
// The player's chances before a tournament, shown at the entry question and on the bracket: a
// short lab run on a worker thread against copies of the opponents, told in two lines, and a
// button into the practice lab. It reads the game and changes nothing of it.

#include <QWidget>
#include <atomic>
#include <memory>
#include <thread>
#include <vector>

#include "career/career_state.h"
#include "lab/tournament_advice.h"

class QLabel;
class QPushButton;

namespace velko::ui {

class AdvicePanel : public QWidget {
  Q_OBJECT

 public:
  // Starts the run at once against copies of `opponents`; `className` is what the lab button
  // opens the lab on.
  AdvicePanel(CareerState& state, CareerServices& services, const std::string& className,
              const std::vector<PracticeOpponent>& opponents, QWidget* parent = nullptr);
  // Every Doll the class's tournament may draw, from the game's registry.
  static AdvicePanel* forClass(CareerState& state, CareerServices& services,
                               const std::string& className, QWidget* parent = nullptr);
  ~AdvicePanel() override;

  const TournamentAdvice* advice() const { return advice_.get(); }
  QLabel* text() const { return text_; }
  QPushButton* cmdLab() const { return cmdLab_; }
  // Opens the practice lab on the class, already running.
  void openLab();

 signals:
  void ready();

 private:
  void start(const std::vector<PracticeOpponent>& opponents);
  void showAdvice(std::shared_ptr<TournamentAdvice> advice);

  CareerState& state_;
  CareerServices& services_;
  std::string className_;
  std::thread worker_;
  std::atomic<bool> cancel_ = false;
  std::shared_ptr<TournamentAdvice> advice_;
  QLabel* text_ = nullptr;
  QPushButton* cmdLab_ = nullptr;
};

}  // namespace velko::ui
