#pragma once
// Gives the keyboard back after a modal window: the window that was active before it opened
// becomes active again, with the control that had the keyboard (or the one named), so that
// Return and the mnemonics work at once without a click.

#include <QPointer>
#include <QWidget>

namespace velko::ui {

class FocusReturn {
 public:
  // Remembers the active window and its focused control now. Right after another window
  // closed, activation may still be on its way: then the topmost modal window is taken.
  FocusReturn();
  // Gives the keyboard back to this window (and the control it had) afterwards.
  explicit FocusReturn(QWidget* window);
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
