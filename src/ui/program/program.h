#pragma once
// The program editor: the player builds the Doll's six action patterns by dragging action
// chips from the palette onto the grid, then registers them. The rules live in ProgramModel;
// this screen draws it and turns mouse moves, drags and clicks into its calls.

#include <QDialog>
#include <array>

#include "career/career_state.h"
#include "coach/sensible_patterns.h"
#include "program/program_model.h"
#include "ui/program/program_tiles.h"

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace velko::ui {

class ProgramChip;

class Program : public QDialog {
  Q_OBJECT

 public:
  Program(CareerState& state, CareerServices& services, QWidget* parent = nullptr);

  // What the screen does on a drop, a click of a button or of the guide.
  void dspAction_DragDrop(int slot);
  void dspTrash_DragDrop();
  void cmdClear_Click(int pattern);
  void cmdRegist_Click();
  void cmdCancel_Click();
  void dspGuide_Click();
  // Cancel, Esc and the window's close button: with changes the player is asked first, and
  // the default answer keeps editing.
  void reject() override;
  // Undo and redo (buttons, Ctrl+Z, Ctrl+Shift+Z and Ctrl+Y).
  void cmdUndo_Click();
  void cmdRedo_Click();
  // The row's context menu: copy pattern `from` onto pattern `to`.
  void copyPattern_Click(int from, int to);
  // 「おすすめプログラム」: the coach's patterns beside the registered ones; applying them is
  // one undoable edit of the working patterns.
  void cmdCoach_Click();
  void applyProposal(const std::vector<PatternPlan>& patterns);

  const ProgramModel& model() const { return model_; }
  QPushButton* cmdUndo() const { return cmdUndo_; }
  QPushButton* cmdRedo() const { return cmdRedo_; }
  QPushButton* cmdCoach() const { return cmdCoach_; }
  // The grid slot the keyboard places into.
  int keyboardTarget() const { return target_; }

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildControls();
  QWidget* buildPalette();
  QWidget* buildGrid();
  QWidget* buildSoftware();
  QWidget* buildSideColumn();
  QFrame* buildGuide();
  void fitToContents();
  QLabel* heading(const QString& text);

  void dspActionChips();
  void dspInitSoft();
  void dspLogics();
  void putChip(int slot);
  void showLabels();
  void showHint();
  void showGuide();
  void buildKeyboard();
  QWidget* buildUndoButtons(QWidget* parent);
  void showUndo();
  void showPatternMenu(int pattern, const QPoint& at);
  // Arrows choose the target slot, Enter places the focused palette chip, Delete empties.
  bool paletteKey(int chip, int key);
  void moveTarget(int slot);
  void palette_DragStart(int chip);
  void dspAction_DragStart(int slot);

  ProgramModel model_;
  ProgramTiles tiles_;
  CareerState& state_;
  CareerServices& services_;
  std::array<QGroupBox*, kPaletteChips> frames_{};
  std::array<ProgramChip*, kPaletteChips> dspAchip_{};
  std::array<QLabel*, kPaletteChips> dspAbl_{};
  std::array<QComboBox*, 3> cmbSoft_{};
  QLabel* dspDollAP_ = nullptr;
  QLabel* dspDollMem_ = nullptr;
  QLabel* dspDoll_ = nullptr;
  ProgramChip* dspTrash_ = nullptr;
  std::array<ProgramChip*, ProgramModel::kGridSlots> dspAction_{};
  std::array<QLineEdit*, ProgramModel::kPatterns> Text1_{};
  std::array<QPushButton*, ProgramModel::kPatterns> cmdClear_{};
  std::array<QLabel*, ProgramModel::kPatterns> dspAP_{};
  std::array<QLabel*, ProgramModel::kPatterns + 1> dspMem_{};
  QPushButton* cmdRegist_ = nullptr;
  QPushButton* cmdCancel_ = nullptr;
  QPushButton* cmdUndo_ = nullptr;
  QPushButton* cmdRedo_ = nullptr;
  QPushButton* cmdCoach_ = nullptr;
  int target_ = 0;
  QFrame* paneGuide_ = nullptr;
  QLabel* dspGuide_ = nullptr;
};

}  // namespace velko::ui
