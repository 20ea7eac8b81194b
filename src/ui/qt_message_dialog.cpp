#include "ui/qt_message_dialog.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include "ui/dmsg.h"

namespace velko::ui {

namespace {

QString q(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace

int QtMessageDialog::show(const DialogRequest& request) {
  DMsg dialog(owner_);
  dialog.setWindowTitle(q(request.caption));
  dialog.setHeight(request.lines);
  dialog.setDialog(q(request.text));
  dialog.cmdOK()->setText(q(request.okCaption));
  dialog.cmdCancel()->setText(q(request.cancelCaption));
  dialog.cmdCancel()->setVisible(request.cancelVisible);
  dialog.exec();
  return dialog.value();
}

void QtMessageDialog::msgBox(const std::string& text) {
  QMessageBox::information(owner_, kGameTitle, q(text), QMessageBox::Ok);
}

int QtMessageDialog::msgBoxOKCancel(const std::string& text) {
  const auto answer =
      QMessageBox::question(owner_, kGameTitle, q(text), QMessageBox::Ok | QMessageBox::Cancel);
  return answer == QMessageBox::Ok ? kAnswerOK : kAnswerCancel;
}

int QtMessageDialog::msgBoxYesNo(const std::string& text) {
  const auto answer =
      QMessageBox::question(owner_, kGameTitle, q(text), QMessageBox::Yes | QMessageBox::No);
  return answer == QMessageBox::Yes ? kAnswerYes : kAnswerNo;
}

}  // namespace velko::ui
