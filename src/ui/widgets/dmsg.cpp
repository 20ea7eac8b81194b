#include "ui/widgets/dmsg.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <cmath>

#include "core/prompter.h"
#include "ui/widgets/ui_style.h"

namespace velko::ui {

namespace {

constexpr int kWidthTwips = 5400;
constexpr int kButtonWidthTwips = 1200;
constexpr int kButtonHeightTwips = 375;
constexpr int kMarginTwips = 180;
// The message sits this close to the top edge and to the buttons.
constexpr int kLabelGap = 4;
// The championship's picture of the Doll, scaled to this height.
constexpr int kPictureHeight = 180;

// The room a grown dialog may take: most of the screen it opens on.
QSize grownDialogRoom(const QWidget* dialog) {
  const QScreen* screen = dialog->screen() ? dialog->screen() : QGuiApplication::primaryScreen();
  if (!screen) return {1024, 768};
  const QRect area = screen->availableGeometry();
  return {area.width() * 9 / 10, area.height() * 9 / 10};
}

// What the label shows: line feeds only, and no empty lines at the end (the rules end some
// announcements with a line feed that shows nothing).
QString shownText(QString text) {
  text.replace("\r\n", "\n");
  while (text.endsWith('\n'))
    text.chop(1);
  return text;
}

}  // namespace

int twipsToPixels(int twips) {
  return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

DMsg::DMsg(QWidget* owner) : QDialog(owner) {
  setModal(true);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  setStyleSheet(dialogStyle());
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
  lblMsg_->setText(shownText(text));
  fitText();
  if (QWidget* owner = parentWidget()) {
    const QRect frame = owner->window()->frameGeometry();
    move(frame.left() + frame.width() / 3, frame.top() + frame.height() / 3);
  }
}

void DMsg::setHeight(int lines) {
  statedHeight_ = twipsToPixels(dialogHeightTwips(static_cast<int16_t>(lines)));
  statedButtonTop_ = twipsToPixels(dialogButtonTopTwips(static_cast<int16_t>(lines)));
  fitText();
}

void DMsg::setCancelDefault() {
  cmdOK_->setDefault(false);
  cmdOK_->setAutoDefault(false);
  cmdCancel_->setDefault(true);
  cmdCancel_->setFocus();
}

void DMsg::setPicture(const QPixmap& picture) {
  if (picture.isNull()) return;
  if (!picture_) {
    picture_ = new QLabel(this);
    picture_->setObjectName("picture");
  }
  picture_->setPixmap(picture.scaledToHeight(kPictureHeight, Qt::SmoothTransformation));
  picture_->resize(picture_->pixmap().size());
  fitText();
}

int DMsg::pictureRoom() const {
  return picture_ ? picture_->width() + twipsToPixels(kMarginTwips) : 0;
}

void DMsg::addBelow(QWidget* panel) {
  below_ = panel;
  below_->setParent(this);
  fitText();
  if (isVisible()) below_->show();
}

void DMsg::fitText() {
  const int margin = twipsToPixels(kMarginTwips);
  const QSize room = grownDialogRoom(this);
  lblMsg_->ensurePolished();
  const QFontMetrics metrics = lblMsg_->fontMetrics();
  int widest = 0;
  for (const QString& line : lblMsg_->text().split('\n'))
    widest = std::max(widest, metrics.horizontalAdvance(line));
  // A long line widens the dialog; what is still too wide is wrapped.
  const int panelWidth = below_ ? below_->minimumSizeHint().width() : 0;
  const int width = std::clamp(std::max(widest + 2 + pictureRoom(), panelWidth) + 2 * margin,
                               twipsToPixels(kWidthTwips), std::max(room.width(), 1));
  const int needed =
      lblMsg_->text().isEmpty() ? 0 : lblMsg_->heightForWidth(width - 2 * margin - pictureRoom());
  const int below = statedHeight_ - statedButtonTop_;
  buttonTop_ = std::max(statedButtonTop_, needed + 2 * kLabelGap);
  if (picture_) buttonTop_ = std::max(buttonTop_, picture_->height() + 4 * kLabelGap);
  buttonTop_ = std::min(buttonTop_, std::max(room.height() - below, statedButtonTop_));
  const int panelHeight = below_ ? below_->sizeHint().height() + margin : 0;
  setFixedSize(width, buttonTop_ + below + panelHeight);
  layoutButtons();
}

void DMsg::layoutButtons() {
  const int margin = twipsToPixels(kMarginTwips);
  const int buttonWidth = twipsToPixels(kButtonWidthTwips);
  const int buttonHeight = twipsToPixels(kButtonHeightTwips);
  lblMsg_->setGeometry(margin + pictureRoom(), kLabelGap, width() - 2 * margin - pictureRoom(),
                       buttonTop_ - 2 * kLabelGap);
  if (picture_) picture_->move(margin, 2 * kLabelGap);
  const int right = width() - margin;
  cmdCancel_->setGeometry(right - buttonWidth, buttonTop_, buttonWidth, buttonHeight);
  cmdOK_->setGeometry(right - 2 * buttonWidth - margin, buttonTop_, buttonWidth, buttonHeight);
  if (below_) {
    const int top = buttonTop_ + buttonHeight + margin;
    below_->setGeometry(margin, top, width() - 2 * margin, height() - top - margin);
  }
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
