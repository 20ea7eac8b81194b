#pragma once
// The look the game's windows share: the Japanese font, panel colours and button styles.

#include <QString>

class QApplication;

namespace velko::ui {

// The application font, the dark palette and the style of the controls no screen styles
// itself; called once at start, before any window (and by screen tests).
void applyGameStyle(QApplication& app);

QString titleButtonStyle();
// A heading over a panel of the workshop and the other screens (with the focus frame).
QString panelStyle();
// A number or name shown in a box (the workshop's values).
QString valueBoxStyle();
// The frame of the list or table that has the keyboard, seen at a glance.
QString focusFrameStyle();
// The beginner's guide pane.
QString guideStyle();
// The game's message dialogs and boxes: dark like the title, the fight and the bracket.
QString dialogStyle();

}  // namespace velko::ui
