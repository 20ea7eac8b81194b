#pragma once
// Windows on small screens, never scrolled. A window keeps its designed size where the screen's
// available area holds it. Where it does not, a window whose layout can give up room takes the
// available area; any other is drawn whole at a smaller scale (window_scale.h).

class QSize;
class QWidget;

namespace velko::ui {

// Called once by each window at the end of its construction; the fit is made whenever the
// window is shown, when its designed size is known.
void fitToScreen(QWidget* window);

// For a window whose designed size changes while it is open (the program editor without its
// guide): fits its new size again.
void refitToScreen(QWidget* window);

// The room a window may take on its screen: the available area less the window's frame.
QSize screenRoom(const QWidget* window);

}  // namespace velko::ui
