#pragma once
// Windows on small screens. A window keeps its designed size where the screen's available area
// holds it. Where it does not, the window takes the available area: a window that can shrink
// shrinks; one that cannot keeps its layout inside a scroll area, so every control can still
// be reached.

class QSize;
class QWidget;

namespace velko::ui {

// Called once by each window at the end of its construction; the fit is made whenever the
// window is shown, when its designed size is known.
void fitToScreen(QWidget* window);

// For a window whose designed size changes while it is open (the program editor without its
// guide): when its contents scroll, the scroll area takes their new size and true is returned;
// false when the window sizes itself as designed.
bool refitScrolledContents(QWidget* window);

// The room a window may take on its screen: the available area less the window's frame.
QSize screenRoom(const QWidget* window);

}  // namespace velko::ui
