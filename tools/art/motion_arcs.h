#pragma once
// Speed arcs that wrap around a spinning Doll: the back halves are painted before the Doll,
// the front halves after, so the arcs circle the body.

#include <QPainter>

namespace velko::art {

enum class ArcHalf { Back, Front };

void paintMotionArcs(QPainter& p, QPointF waist, ArcHalf half);

}  // namespace velko::art
