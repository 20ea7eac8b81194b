#include "art/geometry.h"

#include <cmath>
#include <numbers>

namespace velko::art {

QPointF direction(double degrees) {
  const double r = degrees * std::numbers::pi / 180.0;
  return {std::sin(r), std::cos(r)};
}

QPointF rotated(QPointF p, double degrees) {
  const double r = degrees * std::numbers::pi / 180.0;
  const double c = std::cos(r);
  const double s = std::sin(r);
  return {p.x() * c - p.y() * s, p.x() * s + p.y() * c};
}

double length(QPointF p) {
  return std::hypot(p.x(), p.y());
}

QPointF unit(QPointF p) {
  const double n = length(p);
  if (n < 1e-9) return {0, 1};
  return p / n;
}

double dot(QPointF a, QPointF b) {
  return a.x() * b.x() + a.y() * b.y();
}

QPointF lerp(QPointF a, QPointF b, double k) {
  return a + (b - a) * k;
}

QPointF towardLight() {
  return unit({-0.45, -1.0});
}

Frame Frame::between(QPointF root, QPointF tip) {
  Frame f;
  f.origin = root;
  f.size = length(tip - root);
  f.along = unit(tip - root);
  f.front = {f.along.y(), -f.along.x()};
  return f;
}

QPolygonF Frame::shape(std::initializer_list<QPointF> points) const {
  QPolygonF polygon;
  for (QPointF p : points)
    polygon << at(p.x(), p.y());
  return polygon;
}

}  // namespace velko::art
