#pragma once
// Plane geometry for drawing the Dolls: angles in degrees with 0 pointing down the screen and
// 90 pointing forward (+x), and a segment frame that places points along and across a bone.

#include <QPointF>
#include <QPolygonF>

#include <initializer_list>

namespace velko::art {

// Unit vector of an angle: 0 down, 90 forward, 180 up, -90 backward.
QPointF direction(double degrees);
QPointF rotated(QPointF p, double degrees);
double length(QPointF p);
QPointF unit(QPointF p);
double dot(QPointF a, QPointF b);
QPointF lerp(QPointF a, QPointF b, double k);

// Where the light comes from: above and a little behind a Doll facing right.
QPointF towardLight();

// A bone from its root to its tip. `along` points to the tip; `front` is the side the Doll
// faces when the bone hangs down, so every part can be drawn once in these coordinates.
struct Frame {
  QPointF origin;
  QPointF along;
  QPointF front;
  double size = 1;

  static Frame between(QPointF root, QPointF tip);
  // s runs 0..1 from root to tip, t is pixels towards the front.
  QPointF at(double s, double t) const { return origin + along * (s * size) + front * t; }
  QPolygonF shape(std::initializer_list<QPointF> points) const;
};

}  // namespace velko::art
