#pragma once
// A whole window drawn smaller: on a screen too small for a window that cannot lay itself out
// in less room, its places, sizes, fonts, style sheets and pictures all shrink by one factor,
// so it looks as designed, only smaller, and clicks and drops land where things are drawn.

#include <QRect>

class QWidget;

namespace velko::ui {

// Scales the window and everything in it by the factor (below 1); once per window.
void scaleWindow(QWidget* window, double factor);

// The factor the widget's window was drawn at: 1 unless it was scaled.
double windowScale(const QWidget* widget);

// A designed place or length within the widget's window, at the window's scale. Screens that
// move or size their controls after they are built (hit-point bars) place them through these.
QRect scaledRect(const QWidget* widget, const QRect& designed);
int scaledLength(const QWidget* widget, int designed);

}  // namespace velko::ui
