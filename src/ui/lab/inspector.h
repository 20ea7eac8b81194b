#pragma once
// The fight inspector: a recorded fight on the battle stage, one step at a time. Arrows step,
// Home and End jump, the slider goes anywhere; beside the stage both Dolls' hit points, action
// points, initiative, holds, falls, guard and break-fall, the distance, the choice made (and
// for the computer the rule that fired) and the dice of the step.

#include <QDialog>
#include <array>

#include "data/files/game_folder.h"
#include "replay/fight_inspection.h"
#include "replay/fight_recording.h"

class QLabel;
class QPushButton;
class QScrollArea;
class QSlider;

namespace velko::ui {

class FightStage;

class Inspector : public QDialog {
  Q_OBJECT

 public:
  Inspector(const FightRecording& recording, const GameFolder& folder, QWidget* parent = nullptr);

  int step() const { return step_; }
  int lastStep() const { return static_cast<int>(inspection_.steps.size()) - 1; }
  void showStep(int index);
  // Every text the inspector shows for the step now on view, for comparison.
  QString shownText() const;
  const FightStage* stage() const { return stage_; }
  const FightInspection& inspection() const { return inspection_; }
  // The narration pane's scroll area: whole lines at a time, from the top of each step.
  const QScrollArea* narrationPane() const { return narrationScroll_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void buildPanels();
  QScrollArea* linePane(QLabel* label, const QString& name);
  void drawStage(const InspectedStep& s);
  QString fighterText(const InspectedStep& s, int k) const;

  FightRecording recording_;
  FightInspection inspection_;
  GameFolder folder_;
  int step_ = 0;

  FightStage* stage_ = nullptr;
  std::array<QLabel*, 2> fighter_{};
  QLabel* middle_ = nullptr;
  QLabel* narration_ = nullptr;
  QScrollArea* narrationScroll_ = nullptr;
  QLabel* detail_ = nullptr;
  QLabel* position_ = nullptr;
  QSlider* timeline_ = nullptr;
  std::array<QPushButton*, 4> buttons_{};  // Home, back, forward, End
};

}  // namespace velko::ui
