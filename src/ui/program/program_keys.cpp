// The program editor's undo and redo, the pattern rows' context menu, and placing chips from
// the keyboard: a focused palette chip, the arrow keys to choose a slot, Enter and Delete.

#include <QAction>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include "ui/program/program.h"
#include "ui/program/program_chip.h"

namespace velko::ui {

void Program::buildKeyboard() {
  auto* undo = new QAction(qtTrId("元に戻す"), this);
  undo->setObjectName("mnUndo");
  undo->setShortcut(QKeySequence::Undo);
  connect(undo, &QAction::triggered, this, &Program::cmdUndo_Click);
  addAction(undo);
  auto* redo = new QAction(qtTrId("やり直す"), this);
  redo->setObjectName("mnRedo");
  redo->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
  connect(redo, &QAction::triggered, this, &Program::cmdRedo_Click);
  addAction(redo);
  // The editor opens with the first name box ready for typing; no slot is marked until a
  // palette chip is chosen.
  Text1_[0]->setFocus();
}

QWidget* Program::buildUndoButtons(QWidget* parent) {
  auto* row = new QWidget(parent);
  auto* buttons = new QHBoxLayout(row);
  buttons->setContentsMargins(0, 0, 0, 0);
  cmdUndo_ = new QPushButton(qtTrId("元に戻す"), row);
  cmdUndo_->setObjectName("cmdUndo");
  cmdUndo_->setToolTip("Ctrl+Z");
  cmdRedo_ = new QPushButton(qtTrId("やり直す"), row);
  cmdRedo_->setObjectName("cmdRedo");
  cmdRedo_->setToolTip("Ctrl+Shift+Z / Ctrl+Y");
  for (QPushButton* button : {cmdUndo_, cmdRedo_}) {
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::NoFocus);
    button->setMinimumHeight(30);
    buttons->addWidget(button);
  }
  connect(cmdUndo_, &QPushButton::clicked, this, &Program::cmdUndo_Click);
  connect(cmdRedo_, &QPushButton::clicked, this, &Program::cmdRedo_Click);
  return row;
}

void Program::showUndo() {
  cmdUndo_->setEnabled(model_.canUndo());
  cmdRedo_->setEnabled(model_.canRedo());
}

void Program::cmdUndo_Click() {
  if (model_.undo()) dspLogics();
}

void Program::cmdRedo_Click() {
  if (model_.redo()) dspLogics();
}

void Program::copyPattern_Click(int from, int to) {
  model_.copyPattern(from, to);
  dspLogics();
}

void Program::showPatternMenu(int pattern, const QPoint& at) {
  QMenu menu(this);
  QMenu* copy = menu.addMenu(QString(qtTrId("行動パターン%1をコピー")).arg(pattern + 1));
  for (int to = 0; to < ProgramModel::kPatterns; ++to) {
    if (to == pattern) continue;
    QAction* action = copy->addAction(QString(qtTrId("%1行目へ")).arg(to + 1));
    connect(action, &QAction::triggered, this,
            [this, pattern, to] { copyPattern_Click(pattern, to); });
  }
  menu.exec(at);
}

void Program::moveTarget(int slot) {
  if (slot < 0 || slot >= ProgramModel::kGridSlots) return;
  const bool marked = dspAction_[target_]->marked();
  dspAction_[target_]->setMarked(false);
  target_ = slot;
  dspAction_[target_]->setMarked(marked);
}

bool Program::paletteKey(int chip, int key) {
  const int position = target_ % Logic::kSlots;
  switch (key) {
    case Qt::Key_Left:
      if (position > 0) moveTarget(target_ - 1);
      return true;
    case Qt::Key_Right:
      if (position < Logic::kSlots - 1) moveTarget(target_ + 1);
      return true;
    case Qt::Key_Up:
      moveTarget(target_ - Logic::kSlots);
      return true;
    case Qt::Key_Down:
      moveTarget(target_ + Logic::kSlots);
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      model_.placeChip(chip, target_);
      putChip(target_);
      showLabels();
      // On to the next slot, so a row can be typed in one go.
      if (position < Logic::kSlots - 1) moveTarget(target_ + 1);
      return true;
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
      model_.emptySlot(target_);
      putChip(target_);
      showLabels();
      return true;
    default:
      return false;
  }
}

}  // namespace velko::ui
