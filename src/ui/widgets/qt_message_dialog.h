#pragma once
// The screens' side of the message routines: each request shows a fresh DMsg over the owner
// window; the plain boxes are the platform's message box with the game's title.

#include <QMessageBox>
#include <QPointer>
#include <QWidget>
#include <functional>

#include "core/prompter.h"
#include "ui/app/preferences.h"

namespace velko::ui {

class QtMessageDialog : public MessageDialog {
 public:
  explicit QtMessageDialog(QWidget* owner = nullptr) : owner_(owner) {}
  // The window dialogs are placed over (the workshop while it is open).
  void setOwner(QWidget* owner) { owner_ = owner; }
  // The next dialog shown carries the panel `make` builds (with the dialog as its parent)
  // under its buttons; the dialogs after it do not.
  using PanelMaker = std::function<QWidget*(QWidget* dialog)>;
  void attachToNext(PanelMaker make) { next_ = std::move(make); }

  int show(const DialogRequest& request) override;
  void msgBox(const std::string& text) override;
  int msgBoxOKCancel(const std::string& text) override;
  int msgBoxYesNo(const std::string& text) override;
  int msgBoxOKCancelSafe(const std::string& text) override;

  // Music cannot play. The first time ever (the preferences remember it) a box says so, over a
  // window that has been drawn; after that a quiet line of the workshop tells it.
  void cannotPlay(const std::string& text) override;
  void setMusicNotices(Preferences* preferences, std::function<void(const QString&)> quietLine);

 private:
  QPointer<QWidget> owner_;
  Preferences* preferences_ = nullptr;
  std::function<void(const QString&)> quietLine_;
  PanelMaker next_;
};

// The platform's box with the game's title over the owner; the button that closed it. Without a
// default button the platform's own choice stands.
int plainBox(const std::string& text, QMessageBox::Icon icon, int buttons, QWidget* owner,
             QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

}  // namespace velko::ui
