#include "art/hangar_backdrop.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include "art/shading.h"

namespace velko::art {
namespace {

void walls(QPainter& p, QSizeF size, double floorY, Lettering lettering) {
  QLinearGradient g(0, 0, 0, floorY);
  g.setColorAt(0, QColor(18, 22, 30));
  g.setColorAt(1, QColor(52, 58, 72));
  p.fillRect(QRectF(0, 0, size.width(), floorY), g);
  // Tall wall panels with seams and a row of bolts along each.
  for (double x = -8; x < size.width(); x += 44) {
    p.fillRect(QRectF(x, 0, 2, floorY), QColor(14, 16, 22));
    p.fillRect(QRectF(x + 2, 0, 1, floorY), QColor(70, 78, 96));
    for (double y = 20; y < floorY; y += 26)
      drawRivet(p, QPointF(x + 6, y), 1.1, QColor(60, 66, 82));
  }
  // Hazard band and the bay's number painted on the wall.
  const double band = floorY - 70;
  p.fillRect(QRectF(0, band, size.width(), 10), QColor(210, 160, 30));
  p.save();
  p.setClipRect(QRectF(0, band, size.width(), 10));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(26, 26, 30));
  for (double x = -12; x < size.width(); x += 18) {
    QPolygonF s;
    s << QPointF(x, band + 10) << QPointF(x + 10, band) << QPointF(x + 18, band)
      << QPointF(x + 8, band + 10);
    p.drawPolygon(s);
  }
  p.restore();
  QFont font("Noto Sans CJK JP");
  font.setPixelSize(22);
  font.setBold(true);
  p.setFont(font);
  p.setPen(QColor(96, 104, 126));
  const QRectF sign(size.width() - 76, band - 62, 68, 26);
  p.drawText(sign, Qt::AlignRight | Qt::AlignVCenter, "BAY 01");
  font.setPixelSize(12);
  p.setFont(font);
  p.setPen(QColor(210, 160, 40));
  p.drawText(sign.translated(0, 24), Qt::AlignRight | Qt::AlignVCenter,
             lettered(lettering, "整備中", "SERVICING"));
}

void gantry(QPainter& p, QSizeF size, double floorY) {
  const QColor steel(62, 68, 84);
  const double left = 8;
  const double right = 34;
  // A lattice tower at the left edge.
  for (double x : {left, right})
    drawFlat(p, QPolygonF(QRectF(x - 3, 0, 6, floorY)), steel);
  p.setPen(QPen(darker(steel, 0.2), 2.2));
  for (double y = 0; y < floorY; y += 30) {
    p.drawLine(QPointF(left, y), QPointF(right, y + 30));
    p.drawLine(QPointF(right, y), QPointF(left, y + 30));
  }
  // A catwalk running across behind the Doll's chest, with its railing.
  const double deck = floorY * 0.42;
  drawFlat(p, QPolygonF(QRectF(0, deck, size.width(), 7)), steel);
  p.setPen(QPen(lighter(steel, 0.2), 1.6));
  p.drawLine(QPointF(0, deck - 22), QPointF(size.width(), deck - 22));
  p.drawLine(QPointF(0, deck - 11), QPointF(size.width(), deck - 11));
  for (double x = 20; x < size.width(); x += 36)
    p.drawLine(QPointF(x, deck - 22), QPointF(x, deck));
  // Crane hook hanging on its cable at the right.
  const double hx = size.width() - 30;
  p.setPen(QPen(QColor(24, 26, 32), 1.6));
  p.drawLine(QPointF(hx, 0), QPointF(hx, 64));
  drawFlat(p, QPolygonF(QRectF(hx - 7, 62, 14, 12)), QColor(200, 150, 30));
  p.setPen(QPen(QColor(150, 154, 166), 3, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(hx - 7, 72, 14, 16), 90 * 16, 250 * 16);
}

void floorArea(QPainter& p, QSizeF size, double floorY) {
  QLinearGradient g(0, floorY, 0, size.height());
  g.setColorAt(0, QColor(76, 80, 90));
  g.setColorAt(1, QColor(38, 40, 48));
  p.fillRect(QRectF(0, floorY, size.width(), size.height() - floorY), g);
  p.fillRect(QRectF(0, floorY, size.width(), 2), QColor(22, 24, 30));
  // Yellow bay lines in perspective.
  p.setPen(QPen(QColor(220, 170, 40), 3));
  const double mid = size.width() / 2;
  p.drawLine(QPointF(mid - 80, floorY + 2), QPointF(mid - 130, size.height()));
  p.drawLine(QPointF(mid + 80, floorY + 2), QPointF(mid + 130, size.height()));
}

// The work light: a cone from the ceiling and a pool on the floor where the Doll stands.
void workLight(QPainter& p, QSizeF size, double floorY) {
  p.save();
  p.setCompositionMode(QPainter::CompositionMode_Plus);
  p.setPen(Qt::NoPen);
  const double mid = size.width() / 2;
  QLinearGradient cone(0, 0, 0, floorY);
  cone.setColorAt(0, QColor(70, 68, 56));
  cone.setColorAt(1, QColor(18, 18, 14));
  QPolygonF beam;
  beam << QPointF(mid - 20, 0) << QPointF(mid + 20, 0) << QPointF(mid + 110, floorY)
       << QPointF(mid - 110, floorY);
  p.setBrush(cone);
  p.drawPolygon(beam);
  QRadialGradient pool(QPointF(mid, floorY + 16), 120);
  pool.setColorAt(0, QColor(80, 76, 60));
  pool.setColorAt(1, QColor(0, 0, 0));
  p.setBrush(pool);
  p.drawEllipse(QPointF(mid, floorY + 16), 120, 30);
  p.restore();
}

}  // namespace

QImage hangarBackdrop(QSize size, double floorY, Lettering lettering) {
  QImage image(size, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  walls(p, size, floorY, lettering);
  gantry(p, size, floorY);
  floorArea(p, size, floorY);
  workLight(p, size, floorY);
  return image;
}

}  // namespace velko::art
