#include "art/stage_backdrop.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <random>

#include "art/shading.h"

namespace velko::art {
namespace {

constexpr double kLampY = 30;
const double kLampX[] = {90, 260, 440, 610};

void wall(QPainter& p) {
  QLinearGradient sky(0, 0, 0, kStageHorizon);
  sky.setColorAt(0.0, QColor(10, 12, 22));
  sky.setColorAt(0.6, QColor(26, 30, 46));
  sky.setColorAt(1.0, QColor(44, 50, 70));
  p.fillRect(0, 0, kStageWidth, kStageHorizon, sky);
}

// Tiers of spectators: dark steps speckled with faces and hand lights.
void stands(QPainter& p, std::mt19937& rng) {
  std::uniform_real_distribution<double> u(0, 1);
  for (int tier = 0; tier < 5; ++tier) {
    const double y = 58 + tier * 15;
    const QColor step = mix(QColor(22, 24, 36), QColor(40, 44, 62), tier / 5.0);
    p.fillRect(QRectF(0, y, kStageWidth, 15), step);
    p.fillRect(QRectF(0, y, kStageWidth, 1.5), lighter(step, 0.12));
    for (double x = u(rng) * 6; x < kStageWidth; x += 5 + u(rng) * 5) {
      const QColor face = mix(QColor(70, 62, 66), QColor(150, 130, 120), u(rng));
      p.setPen(Qt::NoPen);
      p.setBrush(mix(face, step, 0.55 - tier * 0.06));
      p.drawEllipse(QPointF(x, y + 6 + u(rng) * 3), 2.0, 2.4);
      if (u(rng) < 0.04) {
        p.setBrush(u(rng) < 0.5 ? QColor(255, 220, 120) : QColor(140, 220, 255));
        p.drawEllipse(QPointF(x, y + 3), 1.2, 1.2);
      }
    }
  }
}

void roof(QPainter& p) {
  const QColor beam(34, 38, 52);
  p.fillRect(QRectF(0, 12, kStageWidth, 6), beam);
  p.fillRect(QRectF(0, 40, kStageWidth, 5), beam);
  p.setPen(QPen(beam, 3));
  for (int x = 0; x < kStageWidth; x += 36) {
    p.drawLine(QPointF(x, 17), QPointF(x + 18, 41));
    p.drawLine(QPointF(x + 36, 17), QPointF(x + 18, 41));
  }
  p.setPen(QPen(lighter(beam, 0.15), 1));
  p.drawLine(QPointF(0, 12.5), QPointF(kStageWidth, 12.5));
  p.drawLine(QPointF(0, 40.5), QPointF(kStageWidth, 40.5));
}

// The barrier around the ring, hung with banners.
void barrier(QPainter& p, Lettering lettering) {
  const double top = 134;
  QLinearGradient g(0, top, 0, kStageHorizon);
  g.setColorAt(0, QColor(58, 62, 78));
  g.setColorAt(1, QColor(30, 32, 42));
  p.fillRect(QRectF(0, top, kStageWidth, kStageHorizon - top), g);
  p.fillRect(QRectF(0, top, kStageWidth, 2), QColor(120, 126, 150));
  struct Banner {
    double x;
    double w;
    QColor colour;
    const char* text;
  };
  const Banner banners[] = {
      {14, 140, QColor(150, 28, 36), "VELKO"},
      {176, 170, QColor(24, 70, 140), lettered(lettering, "ドール闘技場", "DOLL ARENA")},
      {368, 170, QColor(36, 36, 44), "DOLL FIGHT"},
      {560, 150, QColor(160, 110, 20), "ROUND ONE"},
      {732, 120, QColor(150, 28, 36), "VELKO"}};
  QFont font("Noto Sans CJK JP");
  font.setPixelSize(17);
  font.setBold(true);
  p.setFont(font);
  for (const Banner& b : banners) {
    const QRectF r(b.x, top + 8, b.w, 26);
    QLinearGradient bg(r.topLeft(), r.bottomLeft());
    bg.setColorAt(0, lighter(b.colour, 0.15));
    bg.setColorAt(1, darker(b.colour, 0.35));
    p.setPen(QPen(QColor(12, 12, 16), 1.5));
    p.setBrush(bg);
    p.drawRect(r);
    p.setPen(QColor(250, 246, 236));
    p.drawText(r, Qt::AlignCenter, b.text);
  }
}

void lamps(QPainter& p) {
  for (double x : kLampX) {
    p.setPen(QPen(QColor(12, 12, 18), 1.5));
    p.setBrush(QColor(60, 64, 80));
    p.drawRoundedRect(QRectF(x - 16, kLampY - 9, 32, 16), 3, 3);
    p.setBrush(QColor(255, 250, 225));
    p.drawEllipse(QPointF(x - 7, kLampY), 5, 5);
    p.drawEllipse(QPointF(x + 7, kLampY), 5, 5);
  }
}

// Light falling from the lamps, added over everything already painted.
void lightCones(QPainter& p) {
  p.save();
  p.setCompositionMode(QPainter::CompositionMode_Plus);
  p.setPen(Qt::NoPen);
  for (double x : kLampX) {
    QLinearGradient g(0, kLampY, 0, 330);
    g.setColorAt(0, QColor(56, 54, 44));
    g.setColorAt(1, QColor(0, 0, 0));
    const double spread = (x - 350) * 0.3;
    QPolygonF cone;
    cone << QPointF(x - 12, kLampY) << QPointF(x + 12, kLampY) << QPointF(x + 60 - spread, 330)
         << QPointF(x - 60 - spread, 330);
    p.setBrush(g);
    p.drawPolygon(cone);
    QRadialGradient glow(QPointF(x, kLampY), 40);
    glow.setColorAt(0, QColor(120, 115, 90));
    glow.setColorAt(1, QColor(0, 0, 0));
    p.setBrush(glow);
    p.drawEllipse(QPointF(x, kLampY), 40, 40);
  }
  p.restore();
}

void floorPlates(QPainter& p, std::mt19937& rng) {
  QLinearGradient g(0, kStageHorizon, 0, kStageHeight);
  g.setColorAt(0, QColor(86, 90, 102));
  g.setColorAt(0.35, QColor(66, 70, 82));
  g.setColorAt(1, QColor(34, 36, 44));
  p.fillRect(0, kStageHorizon, kStageWidth, kStageHeight - kStageHorizon, g);
  // Seams converge on a point far above the middle, rows grow towards the viewer.
  const QPointF vanish(350, -420);
  p.setPen(QPen(QColor(30, 32, 40), 1.2));
  for (int i = -24; i <= 24; ++i) {
    const double xBottom = 350 + i * 64;
    const double k = (kStageHorizon - vanish.y()) / (kStageHeight - vanish.y());
    p.drawLine(QPointF(vanish.x() + (xBottom - vanish.x()) * k, kStageHorizon),
               QPointF(xBottom, kStageHeight));
  }
  double y = kStageHorizon;
  for (double step = 10; y < kStageHeight; step *= 1.2) {
    y += step;
    p.setPen(QPen(QColor(30, 32, 40), 1.2));
    p.drawLine(QPointF(0, y), QPointF(kStageWidth, y));
    p.setPen(QPen(QColor(110, 114, 128), 1));
    p.drawLine(QPointF(0, y + 1.2), QPointF(kStageWidth, y + 1.2));
  }
  // Scuffs left by earlier fights.
  std::uniform_real_distribution<double> u(0, 1);
  for (int i = 0; i < 140; ++i) {
    const double sx = u(rng) * kStageWidth;
    const double sy = kStageHorizon + 8 + u(rng) * (kStageHeight - kStageHorizon - 8);
    const double len = 4 + u(rng) * 14;
    p.setPen(QPen(QColor(20, 20, 26, 90), 1));
    p.drawLine(QPointF(sx, sy), QPointF(sx + len, sy + (u(rng) - 0.5) * 3));
  }
}

void ringMarks(QPainter& p) {
  // Hazard stripes along the back edge of the ring.
  const double top = kStageHorizon;
  p.fillRect(QRectF(0, top, kStageWidth, 7), QColor(230, 180, 30));
  p.save();
  p.setClipRect(QRectF(0, top, kStageWidth, 7));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(24, 24, 28));
  for (double x = -10; x < kStageWidth; x += 16) {
    QPolygonF stripe;
    stripe << QPointF(x, top + 7) << QPointF(x + 7, top) << QPointF(x + 14, top)
           << QPointF(x + 7, top + 7);
    p.drawPolygon(stripe);
  }
  p.restore();
  p.fillRect(QRectF(0, top + 7, kStageWidth, 1.5), QColor(20, 20, 24));
  // The painted circle of the ring, worn and half hidden under the Dolls.
  p.setBrush(Qt::NoBrush);
  // The ring is centred between the two Dolls' cells, at x = 350.
  const QPointF centre(350, 262);
  p.setPen(QPen(QColor(200, 60, 50, 150), 4));
  p.drawEllipse(centre, 300, 62);
  p.setPen(QPen(QColor(230, 230, 220, 110), 2));
  p.drawEllipse(centre, 312, 66);
  p.drawLine(centre + QPointF(0, -60), centre + QPointF(0, 60));
}

}  // namespace

QImage stageBackdrop(Lettering lettering) {
  QImage stage(kStageWidth, kStageHeight, QImage::Format_RGB32);
  std::mt19937 rng(20130101);
  QPainter p(&stage);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  wall(p);
  stands(p, rng);
  roof(p);
  barrier(p, lettering);
  floorPlates(p, rng);
  ringMarks(p);
  lamps(p);
  lightCones(p);
  return stage;
}

}  // namespace velko::art
