#include "ui/fight/dialog_move.h"

#include <QLabel>
#include <QPushButton>

#include "battle/move_direction.h"
#include "program/pattern_choice.h"
#include "ui/widgets/screen_fit.h"

namespace velko::ui {

namespace {

const char* const kMoveDialogStyle =
    "QDialog { background: #1b2230; }"
    "QLabel { color: #8f9bb3; font-size: 14px; }"
    "QLabel#dsp0, QLabel#dsp1 { color: #ffffff; background: #252e40; border: 1px solid #36425a;"
    "  border-radius: 4px; padding: 0 10px; font-size: 16px; font-weight: bold; }"
    "QPushButton { color: #ffffff; border-radius: 6px; padding: 0px; font-size: 18px; font-weight: "
    "bold; }"
    "QPushButton#Command1_0 { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
    "  stop:0 #ff9d2e, stop:1 #e0641a); border: 1px solid #ffb55c; }"
    "QPushButton#Command1_1 { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
    "  stop:0 #4a7bd8, stop:1 #2c4f9e); border: 1px solid #6c98ea; }"
    "QPushButton:hover { border: 2px solid #ffffff; }"
    "QPushButton#Command1_0:focus, QPushButton#Command1_1:focus { border: 3px solid #ffe14d; }"
    "QLabel#lblHint { color: #c9d3e6; font-size: 12px; }";

constexpr int kMoveDialogWidth = 340;
constexpr int kButtonsBottom = 190;
constexpr int kHintTop = kButtonsBottom + 12;

}  // namespace

dialogMove::dialogMove(int16_t span, QWidget* battleWindow) : QDialog(battleWindow), span_(span) {
  setObjectName("dialogMove");
  setWindowTitle(qtTrId(kMoveCaption));
  // A move needs a direction, so the frame offers no close button that would do nothing.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setModal(true);
  setStyleSheet(kMoveDialogStyle);

  const char* const headings[] = {QT_TRID_NOOP("距離"), QT_TRID_NOOP("状態")};
  for (int k = 0; k < 2; ++k) {
    auto* heading = new QLabel(qtTrId(headings[k]), this);
    heading->setGeometry(24, 24 + k * 48, 60, 36);
    dsp_[k] = new QLabel(this);
    dsp_[k]->setObjectName(QString("dsp%1").arg(k));
    dsp_[k]->setGeometry(84, 24 + k * 48, 232, 36);
  }
  // The state line may hold two lines ("転倒中" and a line break).
  dsp_[1]->setGeometry(84, 72, 232, 52);
  dsp_[1]->setWordWrap(true);

  const char* const captions[] = {kApproachCaption, kWithdrawCaption};
  for (int k = 0; k < 2; ++k) {
    Command1_[k] = new QPushButton(qtTrId(captions[k]), this);
    Command1_[k]->setObjectName(QString("Command1_%1").arg(k));
    Command1_[k]->setGeometry(24 + k * 152, 142, 140, 48);
    Command1_[k]->setAutoDefault(false);
    connect(Command1_[k], &QPushButton::clicked, this, [this, k] { Command1_Click(k); });
  }
  Command1_[0]->setDefault(true);
  lblHint_ = new QLabel(this);
  lblHint_->setObjectName("lblHint");
  lblHint_->setWordWrap(true);
  lblHint_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setHint(QString());
  fitToScreen(this);
}

void dialogMove::setHint(const QString& hint) {
  QString text = qtTrId(kMoveAnswers);
  if (!hint.isEmpty()) text += "\n" + hint;
  lblHint_->setText(text);
  lblHint_->ensurePolished();
  const int width = kMoveDialogWidth - 48;
  const int height = lblHint_->heightForWidth(width);
  lblHint_->setGeometry(24, kHintTop, width, height);
  setFixedSize(kMoveDialogWidth, kHintTop + height + 16);
}

void dialogMove::setDialog() {
  if (QWidget* battle = parentWidget()) {
    const QRect frame = battle->window()->frameGeometry();
    move(frame.left() + frame.width() / 3, frame.top() + frame.height() / 3);
  }
}

void dialogMove::showEvent(QShowEvent* event) {
  Form_Load();
  QDialog::showEvent(event);
}

void dialogMove::Form_Load() {
  dsp_[0]->setText(QString::number(span_));
}

void dialogMove::Command1_Click(int index) {
  value_ = static_cast<int16_t>(index);
  accept();
}

}  // namespace velko::ui
