#pragma once
// What a screen reader is told about the game's own drawn widgets (the narration, the fight's
// stage, the charts): a role of their own, with the name the widget is given.

#include <QAccessible>

class QWidget;

namespace velko::ui {

// From now on the reader sees `widget` as `role`; its name and description are the widget's
// accessible name and description.
void setAccessibleRole(QWidget* widget, QAccessible::Role role);

}  // namespace velko::ui
