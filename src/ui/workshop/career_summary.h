#pragma once
// The end of the 24 months, after the ending's box: the career looked back on. Its charts, the
// titles won, the best fights (each opens in the inspector), the Doll's final build and the
// hall of fame; closing it leads to the title.

#include <QDialog>
#include <string>
#include <vector>

#include "career/career_state.h"
#include "core/prompter.h"
#include "data/files/game_folder.h"

class QListWidget;

namespace velko::ui {

class CareerSummary : public QDialog {
  Q_OBJECT

 public:
  CareerSummary(const CareerState& state, const GameFolder& folder, Prompter& prompter,
                QWidget* parent = nullptr);

  QListWidget* bestFights() const { return best_; }
  // Opens the chosen best fight in the inspector (modally); false when its replay is gone or
  // cannot be read (the player is told).
  bool openChosen();

 private:
  QWidget* buildSide(const CareerState& state);

  GameFolder folder_;
  Prompter& prompter_;
  std::vector<HistoryFight> fights_;
  QListWidget* best_ = nullptr;
};

}  // namespace velko::ui
