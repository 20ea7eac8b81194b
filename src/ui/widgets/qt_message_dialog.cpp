#include "ui/widgets/qt_message_dialog.h"
#include "ui/app/language.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <QWindow>
#include <memory>
#include <utility>

#include "ui/widgets/dmsg.h"
#include "ui/widgets/focus_return.h"
#include "ui/widgets/game_icon.h"
#include "ui/widgets/qt_text.h"
#include "ui/widgets/ui_style.h"

namespace velko::ui {

namespace {

constexpr int kPlainBoxMinWidth = 260;
constexpr int kPlainBoxIcon = 48;
constexpr int kDrawnPollMs = 50;
constexpr int kDrawnPolls = 100;

// A screen starts its music before it is drawn: the box waits until a window of the game is
// on the screen (or, with none after a while, shows by itself).
void showWhenDrawn(const std::string& text) {
  auto* wait = new QTimer(qApp);
  wait->setInterval(kDrawnPollMs);
  auto polls = std::make_shared<int>(0);
  QObject::connect(wait, &QTimer::timeout, wait, [wait, text, polls] {
    QWidget* over = QApplication::activeModalWidget();
    if (!over) over = QApplication::activeWindow();
    const bool drawn =
        over && over->isVisible() && over->windowHandle() && over->windowHandle()->isExposed();
    if (!drawn && ++*polls < kDrawnPolls) return;
    wait->stop();
    wait->deleteLater();
    plainBox(text, QMessageBox::Information, QMessageBox::Ok, drawn ? over : nullptr);
  });
  wait->start();
}

}  // namespace

int QtMessageDialog::show(const DialogRequest& request) {
  const FocusReturn back;
  useGameIcon();  // a box before the title's first paint
  DMsg dialog(owner_);
  dialog.setWindowTitle(q(request.caption));
  dialog.setHeight(request.lines);
  if (!request.picture.empty()) dialog.setPicture(QPixmap(letteredPicture(q(request.picture))));
  dialog.setDialog(q(request.text));
  dialog.cmdOK()->setText(q(request.okCaption));
  dialog.cmdCancel()->setText(q(request.cancelCaption));
  dialog.cmdCancel()->setVisible(request.cancelVisible);
  if (request.safeDefault) dialog.setCancelDefault();
  if (next_) dialog.addBelow(std::exchange(next_, nullptr)(&dialog));
  dialog.exec();
  return dialog.value();
}

int plainBox(const std::string& text, QMessageBox::Icon icon, int buttons, QWidget* owner,
             QMessageBox::StandardButton defaultButton) {
  const FocusReturn back;
  useGameIcon();  // a box before the title's first paint
  QMessageBox box(icon, kGameTitle, q(text), QMessageBox::StandardButtons(buttons), owner);
  box.setObjectName("plainBox");
  if (defaultButton != QMessageBox::NoButton) box.setDefaultButton(defaultButton);
  box.setStyleSheet(dialogStyle());
  // The game's own icon rather than the platform's old ones.
  if (!QApplication::windowIcon().isNull())
    box.setIconPixmap(QApplication::windowIcon().pixmap(kPlainBoxIcon));
  // The icon is the game's: a screen reader says so rather than nothing.
  if (auto* iconLabel = box.findChild<QLabel*>("qt_msgboxex_icon_label"))
    iconLabel->setAccessibleName(kGameTitle);
  for (QAbstractButton* button : box.buttons())
    button->setIcon(QIcon());
  // A short message (the version box) would make the box too narrow for its own title: a
  // spacer under the message keeps it a little wider.
  if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
    grid->addItem(new QSpacerItem(kPlainBoxMinWidth, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                  grid->rowCount(), 0, 1, grid->columnCount());
  }
  return box.exec();
}

void QtMessageDialog::msgBox(const std::string& text) {
  plainBox(text, QMessageBox::Information, QMessageBox::Ok, owner_);
}

int QtMessageDialog::msgBoxOKCancel(const std::string& text) {
  const int answer =
      plainBox(text, QMessageBox::Question, QMessageBox::Ok | QMessageBox::Cancel, owner_);
  return answer == QMessageBox::Ok ? kAnswerOK : kAnswerCancel;
}

int QtMessageDialog::msgBoxOKCancelSafe(const std::string& text) {
  const int answer = plainBox(text, QMessageBox::Question, QMessageBox::Ok | QMessageBox::Cancel,
                              owner_, QMessageBox::Cancel);
  return answer == QMessageBox::Ok ? kAnswerOK : kAnswerCancel;
}

int QtMessageDialog::msgBoxYesNo(const std::string& text) {
  const int answer =
      plainBox(text, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, owner_);
  return answer == QMessageBox::Yes ? kAnswerYes : kAnswerNo;
}

void QtMessageDialog::setMusicNotices(Preferences* preferences,
                                      std::function<void(const QString&)> quietLine) {
  preferences_ = preferences;
  quietLine_ = std::move(quietLine);
}

void QtMessageDialog::cannotPlay(const std::string& text) {
  if (preferences_ && preferences_->musicFailureTold() && quietLine_) {
    quietLine_(q(text));
    return;
  }
  if (preferences_) preferences_->setMusicFailureTold();
  showWhenDrawn(text);
}

}  // namespace velko::ui
