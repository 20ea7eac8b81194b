#pragma once
// The few ways a surface is painted: lit armour plates with bevelled edges, round tubes for
// the inner frame, ball joints, engraved panel lines and glowing lenses. Every part of every
// picture goes through these, so all pictures share one light and one outline weight.

#include <QColor>
#include <QPainter>
#include <QPolygonF>

#include "art/geometry.h"

namespace velko::art {

QColor mix(QColor a, QColor b, double k);
QColor lighter(QColor c, double k);  // towards white by k (0..1)
QColor darker(QColor c, double k);   // towards black by k (0..1)
QColor outlineOf(QColor c);

// A flat plate lit from towardLight(), outlined, with a light bevel on the edges that face the
// light and a dark one on the edges that face away.
void drawPlate(QPainter& p, const QPolygonF& shape, QColor base);
// A plate without the bevel, for small or thin pieces.
void drawFlat(QPainter& p, const QPolygonF& shape, QColor base);
// A rounded limb from the frame's root to its tip, `w0` and `w1` half widths.
void drawTube(QPainter& p, const Frame& f, double w0, double w1, QColor base);
void drawBall(QPainter& p, QPointF centre, double radius, QColor base);
void drawPanelLine(QPainter& p, QPointF a, QPointF b, QColor surface);
void drawRivet(QPainter& p, QPointF centre, double radius, QColor surface);
// A lens or visor: dark rim, bright core.
void drawGlow(QPainter& p, const QPolygonF& shape, QColor glow);

// The polygon of a capsule around the frame's bone, used for tubes and silhouettes.
QPolygonF capsule(const Frame& f, double w0, double w1);

}  // namespace velko::art
