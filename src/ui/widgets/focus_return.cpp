#include "ui/widgets/focus_return.h"

#include <QApplication>
#include <QTimer>

namespace velko::ui {

namespace {

QWidget* currentWindow() {
  if (QWidget* active = QApplication::activeWindow()) return active;
  return QApplication::activeModalWidget();
}

}  // namespace

FocusReturn::FocusReturn() : FocusReturn(currentWindow()) {}

FocusReturn::FocusReturn(QWidget* window)
    : window_(window ? window->window() : nullptr),
      control_(window_ ? window_->focusWidget() : nullptr) {}

FocusReturn::~FocusReturn() {
  giveKeyboard(window_, control_);
}

void giveKeyboard(QWidget* window, QWidget* control) {
  if (!window || !window->isVisible()) return;
  const auto give = [window = QPointer<QWidget>(window), control = QPointer<QWidget>(control)] {
    if (!window || !window->isVisible()) return;
    window->activateWindow();
    if (control && control->window() == window && control->isVisible() && control->isEnabled()) {
      control->setFocus(Qt::ActiveWindowFocusReason);
    } else {
      window->setFocus(Qt::ActiveWindowFocusReason);
    }
  };
  give();
  // The closing window may lose its activation only after this: ask once more from the loop.
  QTimer::singleShot(0, window, give);
}

}  // namespace velko::ui
