#pragma once
// Gives the keyboard back after a modal window: the window that was active before it opened
// becomes active again, with the control that had the keyboard (or the one named), so that
// Return and the mnemonics work at once without a click.

#include <QPointer>
#include <QWidget>

namespace velko::ui {

class FocusReturn {
 public:
  // Remembers the active window and its focused control now.
  FocusReturn();
  // Gives the keyboard to `control` (and its window) afterwards instead.
  explicit FocusReturn(QWidget* control);
  ~FocusReturn();
  FocusReturn(const FocusReturn&) = delete;
  FocusReturn& operator=(const FocusReturn&) = delete;

 private:
  QPointer<QWidget> window_;
  QPointer<QWidget> control_;
};

// Makes a window active and puts the keyboard on one of its controls (or the window).
void giveKeyboard(QWidget* window, QWidget* control);

}  // namespace velko::ui
