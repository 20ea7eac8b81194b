#include "ui/qt_message_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include "ui/dmsg.h"
#include "ui/focus_return.h"

namespace velko::ui {

namespace {

constexpr int kPlainBoxMinWidth = 260;

QString q(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace

int QtMessageDialog::show(const DialogRequest& request) {
  const FocusReturn back;
  DMsg dialog(owner_);
  dialog.setWindowTitle(q(request.caption));
  dialog.setHeight(request.lines);
  dialog.setDialog(q(request.text));
  dialog.cmdOK()->setText(q(request.okCaption));
  dialog.cmdCancel()->setText(q(request.cancelCaption));
  dialog.cmdCancel()->setVisible(request.cancelVisible);
  if (request.safeDefault) dialog.setCancelDefault();
  dialog.exec();
  return dialog.value();
}

int QtMessageDialog::plainBox(const std::string& text, QMessageBox::Icon icon, int buttons,
                              QMessageBox::StandardButton defaultButton) {
  const FocusReturn back;
  QMessageBox box(icon, kGameTitle, q(text), QMessageBox::StandardButtons(buttons), owner_);
  box.setObjectName("plainBox");
  if (defaultButton != QMessageBox::NoButton) box.setDefaultButton(defaultButton);
  // A short message (the version box) would make the box too narrow for its own title: a
  // spacer under the message keeps it a little wider.
  if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
    grid->addItem(new QSpacerItem(kPlainBoxMinWidth, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                  grid->rowCount(), 0, 1, grid->columnCount());
  }
  return box.exec();
}

void QtMessageDialog::msgBox(const std::string& text) {
  plainBox(text, QMessageBox::Information, QMessageBox::Ok);
}

int QtMessageDialog::msgBoxOKCancel(const std::string& text) {
  const int answer = plainBox(text, QMessageBox::Question, QMessageBox::Ok | QMessageBox::Cancel);
  return answer == QMessageBox::Ok ? kAnswerOK : kAnswerCancel;
}

int QtMessageDialog::msgBoxOKCancelSafe(const std::string& text) {
  const int answer = plainBox(text, QMessageBox::Question, QMessageBox::Ok | QMessageBox::Cancel,
                              QMessageBox::Cancel);
  return answer == QMessageBox::Ok ? kAnswerOK : kAnswerCancel;
}

int QtMessageDialog::msgBoxYesNo(const std::string& text) {
  const int answer = plainBox(text, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No);
  return answer == QMessageBox::Yes ? kAnswerYes : kAnswerNo;
}

}  // namespace velko::ui
