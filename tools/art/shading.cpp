#include "art/shading.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace velko::art {
namespace {

constexpr double kOutline = 1.2;

// The points of the shape that lie furthest towards and away from the light.
std::pair<QPointF, QPointF> litAndDarkEnds(const QPolygonF& shape) {
  const QPointF light = towardLight();
  QPointF lit = shape.first();
  QPointF dark = shape.first();
  for (QPointF v : shape) {
    if (dot(v, light) > dot(lit, light)) lit = v;
    if (dot(v, light) < dot(dark, light)) dark = v;
  }
  // Project both ends onto the light axis through the centre so the gradient runs with the
  // light and not along some diagonal of the shape.
  const QPointF centre = shape.boundingRect().center();
  return {centre + light * dot(lit - centre, light), centre + light * dot(dark - centre, light)};
}

void fillLit(QPainter& p, const QPolygonF& shape, QColor base) {
  const auto [lit, dark] = litAndDarkEnds(shape);
  QLinearGradient g(lit, dark);
  g.setColorAt(0.0, lighter(base, 0.38));
  g.setColorAt(0.45, base);
  g.setColorAt(1.0, darker(base, 0.45));
  p.setPen(QPen(outlineOf(base), kOutline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(g);
  p.drawPolygon(shape);
}

void bevel(QPainter& p, const QPolygonF& shape, QColor base) {
  const QPointF light = towardLight();
  QPainterPath clip;
  clip.addPolygon(shape);
  p.save();
  p.setClipPath(clip, Qt::IntersectClip);
  p.setBrush(Qt::NoBrush);
  for (int i = 0; i < shape.size(); ++i) {
    const QPointF a = shape[i];
    const QPointF b = shape[(i + 1) % shape.size()];
    const double edge = length(b - a);
    if (edge < 4) continue;
    QPointF normal = unit({(b - a).y(), -(b - a).x()});
    if (shape.containsPoint((a + b) / 2 + normal * 0.8, Qt::OddEvenFill)) normal = -normal;
    const double facing = dot(normal, light);
    if (std::abs(facing) < 0.3) continue;
    const QPointF trim = unit(b - a) * std::min(2.0, edge / 4);
    const QPointF inset = normal * -1.8;
    const QColor colour = facing > 0 ? lighter(base, 0.65) : darker(base, 0.35);
    p.setPen(QPen(colour, 1.3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(a + trim + inset, b - trim + inset);
  }
  p.restore();
}

}  // namespace

QColor mix(QColor a, QColor b, double k) {
  k = std::clamp(k, 0.0, 1.0);
  return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * k,
                          a.greenF() + (b.greenF() - a.greenF()) * k,
                          a.blueF() + (b.blueF() - a.blueF()) * k);
}

QColor lighter(QColor c, double k) {
  return mix(c, Qt::white, k);
}
QColor darker(QColor c, double k) {
  return mix(c, Qt::black, k);
}
QColor outlineOf(QColor c) {
  return mix(darker(c, 0.8), QColor(16, 16, 20), 0.5);
}

void drawPlate(QPainter& p, const QPolygonF& shape, QColor base) {
  fillLit(p, shape, base);
  bevel(p, shape, base);
}

void drawFlat(QPainter& p, const QPolygonF& shape, QColor base) {
  fillLit(p, shape, base);
}

QPolygonF capsule(const Frame& f, double w0, double w1) {
  QPolygonF shape;
  constexpr int kSteps = 8;
  // Round cap at the tip, then back along the other side and round the root.
  for (int i = 0; i <= kSteps; ++i) {
    const double a = std::numbers::pi * i / kSteps;
    shape << f.at(1, 0) + f.front * (w1 * std::cos(a)) + f.along * (w1 * std::sin(a));
  }
  for (int i = 0; i <= kSteps; ++i) {
    const double a = std::numbers::pi * i / kSteps;
    shape << f.at(0, 0) - f.front * (w0 * std::cos(a)) - f.along * (w0 * std::sin(a));
  }
  return shape;
}

void drawTube(QPainter& p, const Frame& f, double w0, double w1, QColor base) {
  const double lit = dot(f.front, towardLight()) >= 0 ? 1 : -1;
  const double w = std::max(w0, w1);
  QLinearGradient g(f.at(0.5, lit * w), f.at(0.5, -lit * w));
  g.setColorAt(0.0, darker(base, 0.1));
  g.setColorAt(0.22, lighter(base, 0.45));
  g.setColorAt(0.5, base);
  g.setColorAt(1.0, darker(base, 0.55));
  p.setPen(QPen(outlineOf(base), kOutline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(g);
  p.drawPolygon(capsule(f, w0, w1));
}

void drawBall(QPainter& p, QPointF centre, double radius, QColor base) {
  QRadialGradient g(centre, radius, centre + towardLight() * (radius * 0.45));
  g.setColorAt(0.0, lighter(base, 0.6));
  g.setColorAt(0.55, base);
  g.setColorAt(1.0, darker(base, 0.5));
  p.setPen(QPen(outlineOf(base), kOutline));
  p.setBrush(g);
  p.drawEllipse(centre, radius, radius);
}

void drawPanelLine(QPainter& p, QPointF a, QPointF b, QColor surface) {
  const QPointF shift = towardLight() * -0.9;
  p.setPen(QPen(lighter(surface, 0.35), 1.0, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(a - shift, b - shift);
  p.setPen(QPen(darker(surface, 0.55), 1.1, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(a, b);
}

void drawRivet(QPainter& p, QPointF centre, double radius, QColor surface) {
  p.setPen(Qt::NoPen);
  p.setBrush(darker(surface, 0.5));
  p.drawEllipse(centre - towardLight() * 0.5, radius, radius);
  p.setBrush(lighter(surface, 0.5));
  p.drawEllipse(centre + towardLight() * 0.3, radius * 0.7, radius * 0.7);
}

void drawGlow(QPainter& p, const QPolygonF& shape, QColor glow) {
  const QRectF box = shape.boundingRect();
  QLinearGradient g(box.topLeft(), box.bottomLeft());
  g.setColorAt(0.0, lighter(glow, 0.75));
  g.setColorAt(0.5, glow);
  g.setColorAt(1.0, darker(glow, 0.35));
  p.setPen(QPen(QColor(14, 14, 18), 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(g);
  p.drawPolygon(shape);
}

}  // namespace velko::art
