#pragma once
// Names on screen: the name boxes take at most the game's name length, counted in
// characters, and a label too narrow for a name (one read from an old or foreign file)
// shows its start with "…" and the whole name in its tooltip.

#include <QString>

class QLabel;
class QLineEdit;

namespace velko::ui {

// Stops typing at the name length; a pasted name too long for it is cut to fit.
void limitNameInput(QLineEdit* box);

// Shows the name, cut with "…" when the label is too narrow, and the full name as a tooltip.
void showName(QLabel* label, const QString& name);

}  // namespace velko::ui
