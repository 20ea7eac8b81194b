#include "ui/program/program.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

#include "core/shipped_names.h"
#include "model/doll_class.h"
#include "ui/program/program_chip.h"
#include "ui/program/program_coach.h"
#include "ui/widgets/qt_text.h"
#include "ui/widgets/screen_fit.h"

namespace velko::ui {

namespace {

constexpr int kChipSize = 42;

const char* kStyle =
    "velko--ui--Program { background: #1b2232; }"
    "QLabel[heading=\"true\"] { color: #ffb08f; font-weight: bold; }"
    "QGroupBox { background: #1a2130; border: 1px solid #3b4966; border-radius: 4px;"
    "  margin-top: 11px; padding-top: 6px; min-width: 68px; }"
    "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top center;"
    "  padding: 0 3px; background: #1b2232; color: #ffb08f; font-weight: bold; }"
    "QFrame#patternStrip { background: #27303b; border: 1px solid #141a21; border-radius: 3px; }"
    "QLabel[numberBox=\"true\"] { background: #121826; border: 1px solid #3b4966;"
    "  border-radius: 3px; padding: 2px 8px; }"
    "QLabel[total=\"true\"] { font-weight: bold; background: #222b3c; }"
    "QLabel[large=\"true\"] { font-size: 13pt; font-weight: bold; color: #ffffff; }"
    "QLabel#dspDoll { background: #121826; border: 1px solid #3b4966; border-radius: 3px;"
    "  padding: 3px 8px; color: #8fd8ff; }"
    "QFrame#paneGuide { background: #fff8dc; border: 1px solid #c8b27a; border-radius: 4px; }"
    "QLabel#dspGuide { color: #3a3020; }";

}  // namespace

Program::Program(CareerState& state, CareerServices& services, QWidget* parent)
    : QDialog(parent),
      model_(state.playerDoll(), services.prompter, state.guideOn),
      tiles_(QString::fromStdString(services.folder.path("\\img\\icon0.bmp").string()), kChipSize),
      state_(state),
      services_(services) {
  setWindowTitle("Program");
  setModal(true);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  setMouseTracking(true);
  setStyleSheet(kStyle);
  buildControls();
  buildKeyboard();

  dspActionChips();
  model_.Form_Load();
  dspInitSoft();
  dspLogics();
  showGuide();
  fitToScreen(this);
}

void Program::dspActionChips() {
  for (int k = 0; k < kPaletteChips; ++k)
    dspAchip_[k]->setTile(tiles_.action(k + 1));
  dspTrash_->setTile(tiles_.trash());
}

void Program::dspInitSoft() {
  for (int kind = 0; kind < 3; ++kind) {
    cmbSoft_[kind]->clear();
    cmbSoft_[kind]->addItem(q(shownPartName(model_.cmbSoft(kind))));
  }
  for (int k = 0; k < kPaletteChips; ++k)
    dspAbl_[k]->setText(q(model_.dspAbl(k)));
  dspDollAP_->setText(q(model_.dspDollAP()));
  dspDollMem_->setText(q(model_.dspDollMem()));
}

void Program::dspLogics() {
  for (int p = 0; p < ProgramModel::kPatterns; ++p)
    Text1_[p]->setText(q(model_.Text1(p)));
  for (int s = 0; s < ProgramModel::kGridSlots; ++s)
    putChip(s);
  showLabels();
}

void Program::putChip(int slot) {
  const int id = model_.chipAt(slot);
  dspAction_[slot]->setTile(tiles_.action(id));
  dspAction_[slot]->setDraggable(id != 0);
  // What a screen reader says of the slot: its pattern, its place and its action.
  dspAction_[slot]->setAccessibleName(
      QString(qtTrId("行動パターン%1の%2番目：%3"))
          .arg(slot / Logic::kSlots + 1)
          .arg(slot % Logic::kSlots + 1)
          .arg(id ? qtTrId(actionName(id).c_str()) : qtTrId("空き")));
}

void Program::showLabels() {
  for (int p = 0; p < ProgramModel::kPatterns; ++p)
    dspAP_[p]->setText(q(model_.dspAP(p)));
  for (int i = 0; i <= ProgramModel::kPatterns; ++i)
    dspMem_[i]->setText(q(model_.dspMem(i)));
  showUndo();
}

void Program::showHint() {
  dspDoll_->setText(q(model_.dspDoll()));
}

void Program::showGuide() {
  paneGuide_->setVisible(model_.guide().visible());
  dspGuide_->setText(q(model_.guide().text()));
  fitToContents();
}

// The window is as large as its contents: it gives up the guide's room once the guide closes.
void Program::fitToContents() {
  layout()->activate();
  setFixedSize(sizeHint());
  refitToScreen(this);
}

void Program::palette_DragStart(int chip) {
  model_.dspAchip_MouseMove(chip);
  showHint();
}

void Program::dspAction_DragStart(int slot) {
  model_.dspAction_MouseMove(slot);
  showHint();
}

void Program::dspAction_DragDrop(int slot) {
  const int source = model_.dragSource();
  model_.dspAction_DragDrop(slot);
  putChip(slot);
  if (source >= 0 && source < ProgramModel::kGridSlots) putChip(source);
  showLabels();
}

void Program::dspTrash_DragDrop() {
  const int source = model_.dragSource();
  model_.dspTrash_DragDrop();
  if (source >= 0 && source < ProgramModel::kGridSlots) putChip(source);
  showLabels();
}

void Program::cmdClear_Click(int pattern) {
  model_.cmdClear_Click(pattern);
  Text1_[pattern]->setText(q(model_.Text1(pattern)));
  for (int k = 0; k < Logic::kSlots; ++k)
    putChip(pattern * Logic::kSlots + k);
  showLabels();
}

void Program::cmdRegist_Click() {
  if (!model_.cmdRegist_Click()) return;
  accept();
}

// The Cancel button loses the changes as Esc and the close button do: it asks as they do.
void Program::cmdCancel_Click() {
  reject();
}

void Program::reject() {
  if (model_.mayClose()) QDialog::reject();
}

void Program::dspGuide_Click() {
  model_.guide().dspGuide_Click();
  showGuide();
}

void Program::mouseMoveEvent(QMouseEvent* event) {
  model_.Form_MouseMove();
  showHint();
  QDialog::mouseMoveEvent(event);
}

bool Program::eventFilter(QObject* watched, QEvent* event) {
  // The name boxes leave Ctrl+Z and its kin to the editor, which undoes every change.
  if (event->type() == QEvent::ShortcutOverride && qobject_cast<QLineEdit*>(watched)) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
        key->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y)) {
      event->ignore();
      return true;
    }
  }
  if (event->type() == QEvent::KeyPress && qobject_cast<QPushButton*>(watched)) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
    static_cast<QPushButton*>(watched)->click();
    return true;
  }
  const QVariant paletteChip = watched->property("paletteChip");
  if (paletteChip.isValid()) {
    // The target slot is marked only while the keyboard can place into it.
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
      dspAction_[target_]->setMarked(event->type() == QEvent::FocusIn);
    if (event->type() == QEvent::KeyPress)
      return paletteKey(paletteChip.toInt(), static_cast<QKeyEvent*>(event)->key());
  }
  if (watched == dspGuide_ || watched == paneGuide_) {
    if (event->type() != QEvent::MouseButtonRelease) return false;
    dspGuide_Click();
    return true;
  }
  if (event->type() != QEvent::MouseMove) return false;
  const QVariant chip = watched->property("chip");
  if (!chip.isValid()) return false;
  if (qobject_cast<QGroupBox*>(watched))
    model_.frm_MouseMove(chip.toInt());
  else
    model_.dspAbl_MouseMove(chip.toInt());
  showHint();
  // Handled here, so the frame or the form does not overwrite the label's hint.
  return true;
}

void Program::cmdCoach_Click() {
  const doll& d = state_.playerDoll();
  ProgramCoach coach(state_, services_, classIndex(d.value), this);
  if (coach.exec() != QDialog::Accepted || !coach.chosen()) return;
  applyProposal(coach.chosen()->patterns);
}

void Program::applyProposal(const std::vector<PatternPlan>& patterns) {
  model_.applyPatterns(editorPatterns(patterns));
  dspLogics();
}

}  // namespace velko::ui
