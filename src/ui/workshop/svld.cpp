#include "ui/workshop/svld.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/widgets/screen_fit.h"

namespace velko::ui {

SVLD::SVLD(int16_t mode, const GameFolder& folder, Prompter& prompter, QWidget* parent)
    : QDialog(parent), form_(mode, folder, prompter) {
  setWindowTitle(QString::fromStdString(form_.caption()));
  setModal(true);
  // The keypad keeps its width; the list of used slots stands beside it.
  setFixedWidth(620);

  auto* columns = new QHBoxLayout(this);
  auto* keypad = new QWidget(this);
  keypad->setFixedWidth(280);
  auto* layout = new QVBoxLayout(keypad);
  layout->setContentsMargins(0, 0, 0, 0);
  labNum_ = new QLabel(keypad);
  labNum_->setObjectName("Lab_num");
  labNum_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  labNum_->setMinimumHeight(40);
  labNum_->setStyleSheet(
      "QLabel { background: #10161c; color: #7cf09a; font-size: 18pt; font-family: monospace;"
      " border: 2px inset #555; padding: 2px 8px; }");
  layout->addWidget(labNum_);
  hlp_ = new QLabel(QString::fromStdString(form_.Hlp()), keypad);
  hlp_->setObjectName("Hlp");
  layout->addWidget(hlp_);

  auto* pad = new QGridLayout;
  for (int d = 0; d < 10; ++d) {
    command1_[d] = new QPushButton(QString(" %1").arg(d), keypad);
    command1_[d]->setObjectName(QString("Command1_%1").arg(d));
    command1_[d]->setMinimumHeight(38);
    // The keys type as the buttons do; Return must confirm, never press a focused digit.
    command1_[d]->setFocusPolicy(Qt::NoFocus);
    command1_[d]->setAutoDefault(false);
    connect(command1_[d], &QPushButton::clicked, this, [this, d] { Command1_Click(d); });
  }
  // A telephone pad: 7 8 9 / 4 5 6 / 1 2 3 / 0.
  for (int d = 1; d <= 9; ++d)
    pad->addWidget(command1_[d], 2 - (d - 1) / 3, (d - 1) % 3);
  pad->addWidget(command1_[0], 3, 0);
  const char* captions[2] = {QT_TRID_NOOP("取消"), QT_TRID_NOOP("決定")};
  for (int i = 0; i < 2; ++i) {
    command2_[i] = new QPushButton(qtTrId(captions[i]), keypad);
    command2_[i]->setObjectName(QString("Command2_%1").arg(i));
    command2_[i]->setMinimumHeight(38);
    command2_[i]->setFocusPolicy(Qt::NoFocus);
    command2_[i]->setAutoDefault(false);
    connect(command2_[i], &QPushButton::clicked, this, [this, i] { Command2_Click(i); });
  }
  pad->addWidget(command2_[0], 3, 1);
  pad->addWidget(command2_[1], 3, 2);
  layout->addLayout(pad);
  command3_ = new QPushButton(qtTrId("戻る"), keypad);
  command3_->setObjectName("Command3");
  command3_->setFocusPolicy(Qt::NoFocus);
  command3_->setAutoDefault(false);
  layout->addWidget(command3_);
  connect(command3_, &QPushButton::clicked, this, &QDialog::reject);
  columns->addWidget(keypad);
  columns->addWidget(buildSlotList(), 1);
  showNumber();
  // As tall as its keys and no taller: a window that cannot be resized gets no resize handle
  // from the window manager, which would show as a strip under the 戻る key.
  setFixedHeight(sizeHint().height());
  fitToScreen(this);
}

QWidget* SVLD::buildSlotList() {
  auto* box = new QWidget(this);
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(new QLabel(qtTrId("使用中のセーブ番号"), box));
  slotList_ = new QListWidget(box);
  slotList_->setObjectName("lstSlots");
  // The digit keys type into the number as ever; the list answers the mouse.
  slotList_->setFocusPolicy(Qt::NoFocus);
  slotList_->setWordWrap(true);
  // Each slot takes two lines: the shading tells one slot from the next.
  slotList_->setAlternatingRowColors(true);
  // The keypad decides the window's height: the list scrolls within it.
  slotList_->setMinimumHeight(0);
  slotList_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
  for (const UsedSlot& slot : form_.listSlots()) {
    auto* item = new QListWidgetItem(QString::fromStdString(SaveLoadForm::slotLine(slot)));
    item->setData(Qt::UserRole, slot.number);
    slotList_->addItem(item);
  }
  connect(slotList_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    form_.choose(static_cast<int16_t>(item->data(Qt::UserRole).toInt()));
    showNumber();
  });
  layout->addWidget(slotList_, 1);
  return box;
}

void SVLD::Command1_Click(int digit) {
  form_.digit(digit);
  showNumber();
}

void SVLD::Command2_Click(int index) {
  if (index == 0) {
    form_.clear();
    showNumber();
    return;
  }
  if (form_.confirm()) accept();
}

void SVLD::showNumber() {
  labNum_->setText(QString::fromStdString(form_.Lab_num()));
}

void SVLD::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (key >= Qt::Key_0 && key <= Qt::Key_9) {
    Command1_Click(key - Qt::Key_0);
  } else if (key == Qt::Key_Backspace) {
    form_.backspace();
    showNumber();
  } else if (key == Qt::Key_Delete) {
    Command2_Click(0);
  } else if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    Command2_Click(1);
  } else if (key == Qt::Key_Escape) {
    reject();
  } else {
    QDialog::keyPressEvent(event);
  }
}

}  // namespace velko::ui
