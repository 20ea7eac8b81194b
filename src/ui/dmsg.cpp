#include "ui/dmsg.h"

#include <QLabel>
#include <QPushButton>
#include <cmath>

#include "core/prompter.h"

namespace velko::ui {

namespace {

constexpr int kWidthTwips = 5400;
constexpr int kButtonWidthTwips = 1200;
constexpr int kButtonHeightTwips = 375;
constexpr int kMarginTwips = 180;

}  // namespace

int twipsToPixels(int twips) {
  return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

DMsg::DMsg(QWidget* owner) : QDialog(owner) {
  setModal(true);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  lblMsg_ = new QLabel(this);
  lblMsg_->setObjectName("lblMsg");
  lblMsg_->setWordWrap(true);
  lblMsg_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  cmdOK_ = new QPushButton("OK", this);
  cmdOK_->setObjectName("cmdOK");
  cmdOK_->setDefault(true);
  cmdCancel_ = new QPushButton("Cancel", this);
  cmdCancel_->setObjectName("cmdCancel");
  connect(cmdOK_, &QPushButton::clicked, this, &DMsg::cmdOK_Click);
  connect(cmdCancel_, &QPushButton::clicked, this, &DMsg::cmdCancel_Click);
  setHeight(3);
}

void DMsg::setDialog(const QString& text) {
  if (QWidget* owner = parentWidget()) {
    const QRect frame = owner->window()->frameGeometry();
    move(frame.left() + frame.width() / 3, frame.top() + frame.height() / 3);
  }
  lblMsg_->setText(text);
}

void DMsg::setHeight(int lines) {
  const int height = twipsToPixels(dialogHeightTwips(static_cast<int16_t>(lines)));
  buttonTop_ = twipsToPixels(dialogButtonTopTwips(static_cast<int16_t>(lines)));
  setFixedSize(twipsToPixels(kWidthTwips), height);
  layoutButtons();
}

void DMsg::layoutButtons() {
  const int margin = twipsToPixels(kMarginTwips);
  const int buttonWidth = twipsToPixels(kButtonWidthTwips);
  const int buttonHeight = twipsToPixels(kButtonHeightTwips);
  lblMsg_->setGeometry(margin, margin / 2, width() - 2 * margin, buttonTop_ - margin);
  const int right = width() - margin;
  cmdCancel_->setGeometry(right - buttonWidth, buttonTop_, buttonWidth, buttonHeight);
  cmdOK_->setGeometry(right - 2 * buttonWidth - margin, buttonTop_, buttonWidth, buttonHeight);
}

void DMsg::cmdOK_Click() {
  value_ = kAnswerOK;
  accept();
}

void DMsg::cmdCancel_Click() {
  value_ = kAnswerCancel;
  reject();
}

}  // namespace velko::ui
