#include "art/hit_effect.h"

#include <QPainter>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace velko::art {
namespace {

// A burst of `points` spikes alternating between the outer and inner radius, the long
// spikes of uneven length so the spark does not look stamped.
QPolygonF burst(QPointF centre, int points, double outer, double inner, double twist) {
  static const double kReach[] = {1.0, 0.78, 0.92, 0.7, 0.98, 0.82, 0.88, 0.74, 0.95, 0.8};
  QPolygonF shape;
  for (int i = 0; i < points * 2; ++i) {
    const double a = (twist + 180.0 * i / points) * std::numbers::pi / 180.0;
    const double r = i % 2 == 0 ? outer * kReach[(i / 2) % 10] : inner;
    shape << centre + QPointF(std::cos(a) * r, std::sin(a) * r);
  }
  return shape;
}

}  // namespace

MaskedSprite hitEffect() {
  QImage spark(kEffectCell, kEffectCell, QImage::Format_ARGB32_Premultiplied);
  spark.fill(Qt::transparent);
  QPainter p(&spark);
  p.setRenderHint(QPainter::Antialiasing);
  const QPointF c(20, 20);
  p.setPen(QPen(QColor(120, 30, 10), 1.0));
  QRadialGradient outer(c, 17);
  outer.setColorAt(0.0, QColor(255, 250, 200));
  outer.setColorAt(0.5, QColor(255, 190, 40));
  outer.setColorAt(1.0, QColor(230, 70, 20));
  p.setBrush(outer);
  p.drawPolygon(burst(c, 9, 17, 7, -8));
  p.setPen(Qt::NoPen);
  QRadialGradient core(c, 8);
  core.setColorAt(0.0, Qt::white);
  core.setColorAt(0.7, QColor(255, 250, 190));
  core.setColorAt(1.0, QColor(255, 220, 90));
  p.setBrush(core);
  p.drawPolygon(burst(c, 7, 10, 4.5, 14));
  p.end();
  return maskFigure(spark);
}

}  // namespace velko::art
