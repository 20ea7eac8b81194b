#include "ui/focus_return.h"

#include <QApplication>

namespace velko::ui {

FocusReturn::FocusReturn()
    : window_(QApplication::activeWindow()), control_(QApplication::focusWidget()) {}

FocusReturn::FocusReturn(QWidget* control)
    : window_(control ? control->window() : nullptr), control_(control) {}

FocusReturn::~FocusReturn() {
  giveKeyboard(window_, control_);
}

void giveKeyboard(QWidget* window, QWidget* control) {
  if (!window || !window->isVisible()) return;
  window->activateWindow();
  if (control && control->window() == window && control->isVisible() && control->isEnabled()) {
    control->setFocus(Qt::ActiveWindowFocusReason);
  } else {
    window->setFocus(Qt::ActiveWindowFocusReason);
  }
}

}  // namespace velko::ui
