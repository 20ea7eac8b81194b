// Building the program editor's controls: the palette, the pattern grid, the side column
// with the software and the Doll's numbers, and the guide pane.

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/program/program.h"
#include "ui/program/program_chip.h"
#include "ui/widgets/guide_pane.h"

namespace velko::ui {

namespace {

const char* const kFrameNames[kPaletteChips] = {"frmMove",  "frmJump", "frmSpin",  "frmPunch",
                                                "frmKick",  "frmLock", "frmDrop",  "frmHold",
                                                "frmBlock", "frmUke",  "frmUnlock"};

QString indexed(const char* name, int index) {
  return QString("%1(%2)").arg(name).arg(index);
}

QLabel* numberBox(QWidget* parent, const QString& objectName, int width) {
  auto* label = new QLabel(parent);
  label->setObjectName(objectName);
  label->setProperty("numberBox", true);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  label->setFixedSize(width, 28);
  return label;
}

}  // namespace

QLabel* Program::heading(const QString& text) {
  auto* label = new QLabel(text, this);
  label->setProperty("heading", true);
  return label;
}

void Program::buildControls() {
  auto* page = new QVBoxLayout(this);
  page->setContentsMargins(14, 10, 14, 12);
  page->setSpacing(8);

  auto* top = new QHBoxLayout;
  top->setSpacing(24);
  auto* paletteColumn = new QVBoxLayout;
  paletteColumn->setSpacing(4);
  paletteColumn->addWidget(heading(qtTrId("基本行動（数字は使用行動力：使用メモリ）")));
  paletteColumn->addWidget(buildPalette());
  top->addLayout(paletteColumn);
  top->addWidget(buildSoftware(), 1, Qt::AlignBottom);
  page->addLayout(top);

  dspDoll_ = new QLabel(this);
  dspDoll_->setObjectName("dspDoll");
  dspDoll_->setFixedHeight(28);
  page->addWidget(dspDoll_);

  auto* body = new QHBoxLayout;
  body->setSpacing(24);
  body->addWidget(buildGrid(), 0, Qt::AlignTop);
  body->addWidget(buildSideColumn(), 1);
  page->addLayout(body);
  page->addWidget(buildGuide());
}

QWidget* Program::buildPalette() {
  auto* palette = new QWidget(this);
  auto* row = new QHBoxLayout(palette);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(6);
  for (int k = 0; k < kPaletteChips; ++k) {
    auto* frame = new QGroupBox(qtTrId(actionName(k + 1).c_str()), palette);
    frame->setObjectName(kFrameNames[k]);
    frame->setToolTip(qtTrId("ドラッグして行動パターンのところでドロップして下さい"));
    frame->setMouseTracking(true);
    frame->setProperty("chip", k);
    frame->installEventFilter(this);
    auto* inside = new QVBoxLayout(frame);
    inside->setContentsMargins(6, 4, 6, 4);
    inside->setSpacing(2);

    auto* chip = new ProgramChip(k, frame);
    chip->setObjectName(indexed("dspAchip", k));
    chip->setAccessibleName(qtTrId(actionName(k + 1).c_str()));
    chip->setDraggable(true);
    chip->setFocusPolicy(Qt::StrongFocus);
    chip->setProperty("paletteChip", k);
    chip->installEventFilter(this);
    connect(chip, &ProgramChip::hovered, this, [this](int i) {
      model_.dspAchip_MouseMove(i);
      showHint();
    });
    connect(chip, &ProgramChip::dragStarting, this, &Program::palette_DragStart);
    inside->addWidget(chip, 0, Qt::AlignHCenter);

    auto* abl = new QLabel(frame);
    abl->setObjectName(indexed("dspAbl", k));
    abl->setAlignment(Qt::AlignCenter);
    abl->setMouseTracking(true);
    abl->setProperty("chip", k);
    abl->installEventFilter(this);
    inside->addWidget(abl);

    frames_[k] = frame;
    dspAchip_[k] = chip;
    dspAbl_[k] = abl;
    row->addWidget(frame);
  }
  row->addSpacing(12);

  // The trash can stands in a frame like the chips, without a caption of its own.
  auto* trashBox = new QGroupBox(palette);
  trashBox->setObjectName("trashBox");
  auto* trashInside = new QVBoxLayout(trashBox);
  trashInside->setContentsMargins(6, 4, 6, 4);
  dspTrash_ = new ProgramChip(-1, trashBox);
  dspTrash_->setObjectName("dspTrash");
  dspTrash_->setAccessibleName(qtTrId("ゴミ箱"));
  dspTrash_->setDropTarget(true);
  connect(dspTrash_, &ProgramChip::hovered, this, [this](int) {
    model_.dspTrash_MouseMove();
    showHint();
  });
  connect(dspTrash_, &ProgramChip::dropped, this, [this](int) { dspTrash_DragDrop(); });
  trashInside->addWidget(dspTrash_, 0, Qt::AlignCenter);
  row->addWidget(trashBox);
  return palette;
}

QWidget* Program::buildGrid() {
  auto* grid = new QWidget(this);
  auto* cells = new QGridLayout(grid);
  cells->setContentsMargins(0, 0, 0, 0);
  cells->setHorizontalSpacing(10);
  cells->setVerticalSpacing(6);
  cells->addWidget(heading(qtTrId("技名")), 0, 0);
  cells->addWidget(heading(qtTrId("行動パターン")), 0, 1);
  cells->addWidget(heading(qtTrId("必要行動力")), 0, 2, Qt::AlignRight);
  cells->addWidget(heading(qtTrId("使用メモリ")), 0, 3, Qt::AlignRight);

  for (int p = 0; p < ProgramModel::kPatterns; ++p) {
    auto* name = new QLineEdit(grid);
    name->setObjectName(indexed("Text1", p));
    name->setAccessibleName(QString("%1 %2").arg(qtTrId("技名")).arg(p + 1));
    name->setFixedWidth(150);
    connect(name, &QLineEdit::textEdited, this, [this, p](const QString& text) {
      model_.setText1(p, text.toStdString());
      showUndo();
    });
    name->installEventFilter(this);
    Text1_[p] = name;
    cells->addWidget(name, p + 1, 0);

    auto* strip = new QFrame(grid);
    strip->setObjectName("patternStrip");
    strip->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(strip, &QWidget::customContextMenuRequested, this,
            [this, p, strip](const QPoint& at) { showPatternMenu(p, strip->mapToGlobal(at)); });
    auto* chips = new QHBoxLayout(strip);
    chips->setContentsMargins(4, 3, 4, 3);
    chips->setSpacing(3);
    for (int k = 0; k < Logic::kSlots; ++k) {
      const int s = p * Logic::kSlots + k;
      auto* slot = new ProgramChip(s, strip);
      slot->setObjectName(indexed("dspAction", s));
      slot->setDropTarget(true);
      connect(slot, &ProgramChip::hovered, this, [this](int i) {
        model_.dspAction_MouseMove(i);
        showHint();
      });
      connect(slot, &ProgramChip::dragStarting, this, &Program::dspAction_DragStart);
      connect(slot, &ProgramChip::dropped, this, &Program::dspAction_DragDrop);
      dspAction_[s] = slot;
      chips->addWidget(slot);
    }
    cells->addWidget(strip, p + 1, 1);

    dspAP_[p] = numberBox(grid, indexed("dspAP", p), 72);
    cells->addWidget(dspAP_[p], p + 1, 2, Qt::AlignRight);
    dspMem_[p] = numberBox(grid, indexed("dspMem", p), 72);
    cells->addWidget(dspMem_[p], p + 1, 3, Qt::AlignRight);

    auto* clear = new QPushButton(qtTrId("クリア"), grid);
    clear->setObjectName(indexed("cmdClear", p));
    clear->setAutoDefault(false);
    clear->installEventFilter(this);  // Return presses it when it has the keyboard
    connect(clear, &QPushButton::clicked, this, [this, p] { cmdClear_Click(p); });
    cmdClear_[p] = clear;
    cells->addWidget(clear, p + 1, 4);
  }

  const int totalRow = ProgramModel::kPatterns + 1;
  cells->addWidget(heading(qtTrId("総使用メモリ")), totalRow, 1, 1, 2, Qt::AlignRight);
  dspMem_[ProgramModel::kPatterns] = numberBox(grid, indexed("dspMem", 6), 72);
  dspMem_[ProgramModel::kPatterns]->setProperty("total", true);
  cells->addWidget(dspMem_[ProgramModel::kPatterns], totalRow, 3, Qt::AlignRight);
  return grid;
}

QWidget* Program::buildSoftware() {
  auto* box = new QWidget(this);
  auto* rows = new QGridLayout(box);
  rows->setContentsMargins(0, 0, 0, 0);
  rows->setHorizontalSpacing(10);
  rows->setVerticalSpacing(4);
  rows->addWidget(heading(qtTrId("使用ソフト")), 0, 0, Qt::AlignLeft | Qt::AlignTop);
  for (int kind = 0; kind < 3; ++kind) {
    auto* soft = new QComboBox(box);
    soft->setObjectName(indexed("cmbSoft", kind));
    soft->setToolTip(qtTrId("ソフトの切替はできません"));
    soft->setMinimumWidth(180);
    cmbSoft_[kind] = soft;
    rows->addWidget(soft, kind, 1);
  }
  rows->setColumnStretch(1, 1);
  return box;
}

QWidget* Program::buildSideColumn() {
  auto* side = new QWidget(this);
  auto* column = new QVBoxLayout(side);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(4);
  column->addWidget(heading(qtTrId("Dollの行動力")));
  dspDollAP_ = numberBox(side, "dspDollAP", 150);
  dspDollAP_->setProperty("large", true);
  column->addWidget(dspDollAP_, 0, Qt::AlignRight);
  column->addSpacing(10);
  column->addWidget(heading(qtTrId("コンピュータの総メモリ")));
  dspDollMem_ = numberBox(side, "dspDollMem", 150);
  dspDollMem_->setProperty("large", true);
  column->addWidget(dspDollMem_, 0, Qt::AlignRight);
  column->addStretch(1);

  cmdRegist_ = new QPushButton(qtTrId("登録"), side);
  cmdRegist_->setObjectName("cmdRegist");
  cmdRegist_->setAutoDefault(false);
  cmdRegist_->setMinimumHeight(34);
  connect(cmdRegist_, &QPushButton::clicked, this, &Program::cmdRegist_Click);
  cmdCancel_ = new QPushButton(qtTrId("キャンセル"), side);
  cmdCancel_->setObjectName("cmdCancel");
  cmdCancel_->setAutoDefault(false);
  cmdCancel_->setMinimumHeight(34);
  // No default button (Return in a name box presses nothing), but the button that has the
  // keyboard takes Return as Space.
  cmdRegist_->installEventFilter(this);
  cmdCancel_->installEventFilter(this);
  connect(cmdCancel_, &QPushButton::clicked, this, &Program::cmdCancel_Click);
  cmdCoach_ = new QPushButton(qtTrId("おすすめプログラム"), side);
  cmdCoach_->setObjectName("cmdCoach");
  cmdCoach_->setAutoDefault(false);
  cmdCoach_->setMinimumHeight(30);
  connect(cmdCoach_, &QPushButton::clicked, this, &Program::cmdCoach_Click);
  column->addWidget(cmdCoach_);
  column->addWidget(buildUndoButtons(side));
  column->addWidget(cmdRegist_);
  column->addWidget(cmdCancel_);
  return side;
}

QFrame* Program::buildGuide() {
  paneGuide_ = makeGuidePane(this, this, dspGuide_);
  // Room for the longest page, so paging does not resize the window.
  dspGuide_->setMinimumHeight(dspGuide_->fontMetrics().lineSpacing() * 6);
  return paneGuide_;
}

}  // namespace velko::ui
