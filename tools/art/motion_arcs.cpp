#include "art/motion_arcs.h"

#include <QLinearGradient>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "art/shading.h"

namespace velko::art {
namespace {

// The trail of a spin: a band along an ellipse (angles in degrees, 0 at the Doll's front, 90
// nearest the viewer, 270 behind the Doll) that swells from nothing at its tail, 330, to its
// rounded head at 30, sweeping past the back. Only the part from `from` to `to` is
// returned, so the far and near halves can be painted on either side of the body.
QPolygonF trail(QPointF centre, double rx, double ry, double tilt, double from, double to,
                double thickness) {
  constexpr double kTail = 330;
  constexpr double kHead = 30;
  QPolygonF outer;
  QPolygonF inner;
  constexpr int kSteps = 24;
  for (int i = 0; i <= kSteps; ++i) {
    const double angle = from + (to - from) * i / kSteps;
    const double k = (kTail - angle) / (kTail - kHead);
    // Swells along the trail and rounds off over its last tenth.
    const double head = std::clamp((1.0 - k) / 0.1, 0.0, 1.0);
    const double w = thickness * std::sqrt(std::clamp(k, 0.0, 1.0) * head);
    const double a = angle * std::numbers::pi / 180.0;
    const QPointF e(std::cos(a) * rx, std::sin(a) * ry);
    const QPointF normal = unit({std::cos(a) / rx, std::sin(a) / ry});
    outer << centre + rotated(e + normal * (w / 2), tilt);
    inner.prepend(centre + rotated(e - normal * (w / 2), tilt));
  }
  return outer + inner;
}

void paintArc(QPainter& p, const QPolygonF& shape) {
  const QRectF box = shape.boundingRect();
  QLinearGradient g(box.topLeft(), box.topRight());
  g.setColorAt(0.0, QColor(150, 205, 255));
  g.setColorAt(0.5, QColor(245, 250, 255));
  g.setColorAt(1.0, QColor(150, 205, 255));
  p.setPen(QPen(QColor(40, 70, 110), 1.0));
  p.setBrush(g);
  p.drawPolygon(shape);
}

}  // namespace

void paintMotionArcs(QPainter& p, QPointF waist, ArcHalf half) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  // Behind the body the trail runs from its tail round to the back; in front, from the back
  // round to its head.
  const bool back = half == ArcHalf::Back;
  const double from = back ? 330 : 180;
  const double to = back ? 180 : 30;
  paintArc(p, trail(waist + QPointF(0, -4), 68, 15, -6, from, to, 7));
  paintArc(p, trail(waist + QPointF(2, -50), 48, 10, -8, from, to, 4.5));
  p.restore();
}

}  // namespace velko::art
