#include "art/app_icon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "art/doll_kind.h"
#include "art/shading.h"

namespace velko::art {
namespace {

// Painted on a 256-unit square and scaled, so every size is drawn rather than shrunk.
constexpr double kUnits = 256;
const QColor kInk(14, 14, 20);

QPainterPath mirrored(const QPolygonF& rightHalf) {
  QPolygonF whole = rightHalf;
  for (qsizetype i = rightHalf.size() - 1; i >= 0; --i)
    whole << QPointF(kUnits - rightHalf[i].x(), rightHalf[i].y());
  QPainterPath path;
  path.addPolygon(whole);
  path.closeSubpath();
  return path;
}

void fill(QPainter& p, const QPainterPath& shape, QColor base, double outline) {
  const QRectF box = shape.boundingRect();
  QLinearGradient lit(box.topLeft(), box.bottomRight());
  lit.setColorAt(0.0, lighter(base, 0.35));
  lit.setColorAt(0.55, base);
  lit.setColorAt(1.0, darker(base, 0.45));
  p.setPen(QPen(kInk, outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(lit);
  p.drawPath(shape);
}

void paintTile(QPainter& p) {
  QPainterPath tile;
  tile.addRoundedRect(QRectF(8, 8, 240, 240), 44, 44);
  QLinearGradient night(0, 8, 0, 248);
  night.setColorAt(0, QColor(44, 50, 68));
  night.setColorAt(1, QColor(12, 14, 22));
  p.setPen(Qt::NoPen);
  p.setBrush(night);
  p.drawPath(tile);
  // The arena's spotlight behind the head.
  QRadialGradient light(QPointF(128, 112), 120);
  light.setColorAt(0, QColor(236, 72, 60, 150));
  light.setColorAt(1, QColor(236, 72, 60, 0));
  p.setBrush(light);
  p.drawPath(tile);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(236, 72, 60), 6));
  p.drawPath(tile);
}

void paintShoulders(QPainter& p, const Palette& c) {
  fill(p, mirrored({{128, 196}, {164, 198}, {214, 214}, {236, 242}, {128, 242}}), c.metal, 7);
  // Pauldrons in the armour colour.
  fill(p, mirrored({{178, 204}, {222, 212}, {240, 244}, {186, 244}}), c.armour, 7);
}

void paintHead(QPainter& p, const Palette& c) {
  // Helmet dome and cheek guards, one closed outline.
  fill(p,
       mirrored({{128, 44},
                 {160, 50},
                 {184, 72},
                 {194, 110},
                 {192, 150},
                 {178, 190},
                 {150, 214},
                 {128, 218}}),
       c.armour, 8);
  // The face plate under the visor.
  fill(p, mirrored({{128, 158}, {158, 156}, {152, 190}, {138, 204}, {128, 206}}), c.accent, 6);
  p.setPen(QPen(kInk, 5, Qt::SolidLine, Qt::RoundCap));
  for (double y : {174.0, 188.0})
    p.drawLine(QPointF(112, y), QPointF(144, y));
  // The crest: a gold fin from the brow over the dome.
  fill(p, mirrored({{128, 14}, {138, 24}, {142, 96}, {128, 110}}), c.trim, 6);
  // The visor: a glowing V across the eyes.
  QPainterPath visor =
      mirrored({{128, 138}, {150, 120}, {182, 116}, {178, 136}, {150, 150}, {128, 160}});
  QLinearGradient glow(0, 112, 0, 162);
  glow.setColorAt(0, lighter(c.visor, 0.7));
  glow.setColorAt(1, darker(c.visor, 0.3));
  p.setPen(QPen(kInk, 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(glow);
  p.drawPath(visor);
}

}  // namespace

QImage appIcon(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / kUnits, size / kUnits);
  const Palette& colours = dollKind("01").palette;
  paintTile(p);
  paintShoulders(p, colours);
  paintHead(p, colours);
  return image;
}

}  // namespace velko::art
