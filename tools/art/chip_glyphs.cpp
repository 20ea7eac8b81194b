#include "art/chip_glyphs.h"

#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace velko::art {
namespace {

const QColor kInk(250, 250, 246);
const QColor kEdge(18, 18, 24);

// Every glyph is a white shape with a dark edge, so it reads on any chip colour.
void ink(QPainter& p, const QPainterPath& shape) {
  p.setPen(QPen(kEdge, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(shape);
  p.setPen(Qt::NoPen);
  p.setBrush(kInk);
  p.drawPath(shape);
}

// A stroke of width w turned into a fillable outline, so strokes get the same dark edge.
QPainterPath stroke(const QPainterPath& line, double w) {
  QPainterPathStroker s;
  s.setWidth(w);
  s.setCapStyle(Qt::RoundCap);
  s.setJoinStyle(Qt::RoundJoin);
  return s.createStroke(line).simplified();
}

QPainterPath polygon(std::initializer_list<QPointF> points) {
  QPainterPath path;
  path.addPolygon(QPolygonF(QList<QPointF>(points)));
  path.closeSubpath();
  return path;
}

QPainterPath line(QPointF a, QPointF b) {
  QPainterPath path(a);
  path.lineTo(b);
  return path;
}

// An arrow head at `tip` pointing along `way`.
QPainterPath arrowHead(QPointF tip, double degrees, double size) {
  const double r = degrees * std::numbers::pi / 180.0;
  const QPointF d(std::cos(r), std::sin(r));
  const QPointF n(-d.y(), d.x());
  return polygon({tip, tip - d * size + n * (size * 0.75), tip - d * size - n * (size * 0.75)});
}

QPainterPath arc(QPointF centre, double radius, double from, double sweep) {
  const QRectF box(centre.x() - radius, centre.y() - radius, radius * 2, radius * 2);
  QPainterPath path;
  path.arcMoveTo(box, from);
  path.arcTo(box, from, sweep);
  return path;
}

// The point of an arc at angle `degrees` (Qt's counter-clockwise angles).
QPointF onArc(QPointF centre, double radius, double degrees) {
  const double r = degrees * std::numbers::pi / 180.0;
  return centre + QPointF(std::cos(r) * radius, -std::sin(r) * radius);
}

}  // namespace

void glyphMove(QPainter& p) {
  ink(p, polygon({{10, 9}, {17, 9}, {17, 5}, {25, 14}, {17, 23}, {17, 19}, {10, 19}}));
  ink(p, stroke(line({3, 10}, {7, 10}), 2.2));
  ink(p, stroke(line({2, 14}, {7, 14}), 2.2));
  ink(p, stroke(line({3, 18}, {7, 18}), 2.2));
}

void glyphJump(QPainter& p) {
  ink(p, polygon({{14, 3}, {22, 11}, {17.5, 11}, {17.5, 19}, {10.5, 19}, {10.5, 11}, {6, 11}}));
  ink(p, stroke(line({5, 24}, {23, 24}), 2.5));
}

void glyphSpin(QPainter& p) {
  const QPointF c(14, 14.5);
  ink(p, stroke(arc(c, 8, 100, 270), 3.6));
  ink(p, arrowHead(onArc(c, 8, 10) + QPointF(0.5, 3.5), 95, 7));
}

void glyphPunch(QPainter& p) {
  // A fist driving right off its forearm, with the knuckles leading.
  ink(p, stroke(line({3, 19}, {11, 15}), 6));
  QPainterPath fist;
  fist.addRoundedRect(QRectF(10, 7, 13, 14), 4, 4);
  ink(p, fist);
  p.setPen(QPen(kEdge, 1.3, Qt::SolidLine, Qt::RoundCap));
  for (double y : {10.5, 14.0, 17.5})
    p.drawLine(QPointF(18.5, y), QPointF(22.5, y));
  p.drawLine(QPointF(11.5, 15.5), QPointF(17, 15.5));
  ink(p, stroke(line({25, 5}, {26.5, 3}), 1.6));
  ink(p, stroke(line({26, 14}, {27, 14}), 1.6));
  ink(p, stroke(line({25, 23}, {26.5, 25}), 1.6));
}

void glyphKick(QPainter& p) {
  // A figure leaning back on one leg, the other driven out level.
  QPainterPath head;
  head.addEllipse(QPointF(7, 5.5), 3.2, 3.2);
  ink(p, head);
  QPainterPath body(QPointF(8, 10));
  body.lineTo(QPointF(10, 17));
  body.lineTo(QPointF(8, 25));
  ink(p, stroke(body, 3.4));
  ink(p, stroke(line({10, 17}, {24, 13}), 3.6));
  ink(p, stroke(line({9, 12}, {3, 15}), 2.6));
  ink(p, stroke(line({9, 12}, {14, 9}), 2.6));
  ink(p, stroke(line({5, 25.5}, {12, 25.5}), 1.6));
}

void glyphGrapple(QPainter& p) {
  // Two bodies locked together, their arms crossing over each other's shoulders.
  QPainterPath heads;
  heads.addEllipse(QPointF(7, 7), 3.3, 3.3);
  heads.addEllipse(QPointF(21, 7), 3.3, 3.3);
  ink(p, heads);
  ink(p, stroke(line({7, 12}, {8, 24}), 4.5));
  ink(p, stroke(line({21, 12}, {20, 24}), 4.5));
  ink(p, stroke(line({8, 13}, {20, 19}), 3));
  ink(p, stroke(line({20, 13}, {8, 19}), 3));
}

void glyphThrow(QPainter& p) {
  // An arc over the top that slams down on the right, onto the floor.
  const QPointF c(14, 17);
  ink(p, stroke(arc(c, 9, 200, -170), 3.6));
  ink(p, arrowHead(onArc(c, 9, 30) + QPointF(1, 6), 95, 7));
  QPainterPath head;
  head.addEllipse(QPointF(5, 21), 3, 3);
  ink(p, head);
  ink(p, stroke(line({3, 26}, {25, 26}), 2));
}

void glyphLock(QPainter& p) {
  // A bone snapped in two at the joint.
  auto bone = [&](QPointF a, QPointF b) {
    QPainterPath shape = stroke(line(a, b), 4);
    const QPointF d = (a - b) / std::hypot((a - b).x(), (a - b).y());
    const QPointF n(-d.y(), d.x());
    shape.addEllipse(a + n * 2.2, 2.6, 2.6);
    shape.addEllipse(a - n * 2.2, 2.6, 2.6);
    ink(p, shape.simplified());
  };
  bone({4, 22}, {12, 14});
  bone({24, 22}, {16, 14});
  ink(p, polygon({{12.5, 3}, {16, 7}, {14, 8}, {17, 12}, {11.5, 8.5}, {13.5, 7.5}}));
}

void glyphBlock(QPainter& p) {
  QPainterPath shield(QPointF(14, 3));
  shield.cubicTo(QPointF(18, 5), QPointF(21, 5), QPointF(23, 5));
  shield.cubicTo(QPointF(23, 15), QPointF(20, 21), QPointF(14, 25));
  shield.cubicTo(QPointF(8, 21), QPointF(5, 15), QPointF(5, 5));
  shield.cubicTo(QPointF(7, 5), QPointF(10, 5), QPointF(14, 3));
  ink(p, shield);
  p.setPen(QPen(kEdge, 1.4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(14, 6), QPointF(14, 22));
  p.drawLine(QPointF(8, 11), QPointF(20, 11));
}

void glyphBreakFall(QPainter& p) {
  // Falling onto a soft landing: an arrow down into a cushion, with the bounce marked.
  ink(p, polygon({{11, 2}, {17, 2}, {17, 9}, {21, 9}, {14, 16}, {7, 9}, {11, 9}}));
  QPainterPath cushion;
  cushion.addRoundedRect(QRectF(4, 18, 20, 7), 3.5, 3.5);
  ink(p, cushion);
  ink(p, stroke(line({3, 13}, {6, 15}), 1.6));
  ink(p, stroke(line({25, 13}, {22, 15}), 1.6));
}

void glyphEscape(QPainter& p) {
  // A chain link snapped open, the two halves flying apart.
  auto link = [&](QPointF centre, double tilt) {
    QPainterPath ring;
    ring.addRoundedRect(QRectF(-5.5, -4.5, 11, 9), 4.5, 4.5);
    p.save();
    p.translate(centre);
    p.rotate(tilt);
    ink(p, stroke(ring, 2.8));
    p.restore();
  };
  link({7, 16}, -30);
  link({21, 16}, 30);
  ink(p, stroke(line({14, 4}, {14, 9}), 1.6));
  ink(p, stroke(line({10, 6}, {12, 10}), 1.6));
  ink(p, stroke(line({18, 6}, {16, 10}), 1.6));
}

void glyphTrash(QPainter& p) {
  ink(p, polygon({{7, 9}, {21, 9}, {19.5, 25}, {8.5, 25}}));
  ink(p, stroke(line({5, 7}, {23, 7}), 2.5));
  ink(p, stroke(line({11.5, 4}, {16.5, 4}), 2.2));
  p.setPen(QPen(kEdge, 1.3, Qt::SolidLine, Qt::RoundCap));
  for (double x : {11.0, 14.0, 17.0})
    p.drawLine(QPointF(x, 12), QPointF(x, 22));
}

}  // namespace velko::art
