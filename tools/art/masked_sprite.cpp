#include "art/masked_sprite.h"

#include <QPainter>

#include <algorithm>

namespace velko::art {
namespace {

QImage coverage(const QImage& figure) {
  QImage inside(figure.size(), QImage::Format_Grayscale8);
  for (int y = 0; y < figure.height(); ++y) {
    const auto* src = reinterpret_cast<const QRgb*>(figure.constScanLine(y));
    uchar* dst = inside.scanLine(y);
    for (int x = 0; x < figure.width(); ++x)
      dst[x] = qAlpha(src[x]) > 0 ? 255 : 0;
  }
  return inside;
}

// Grows a silhouette by `ring` pixels in every direction, corners included.
QImage grown(const QImage& inside, int ring) {
  QImage out(inside.size(), QImage::Format_Grayscale8);
  out.fill(0);
  const int w = inside.width();
  const int h = inside.height();
  for (int y = 0; y < h; ++y) {
    const uchar* src = inside.constScanLine(y);
    for (int x = 0; x < w; ++x) {
      if (!src[x]) continue;
      for (int yy = std::max(0, y - ring); yy <= std::min(h - 1, y + ring); ++yy) {
        uchar* dst = out.scanLine(yy);
        for (int xx = std::max(0, x - ring); xx <= std::min(w - 1, x + ring); ++xx)
          dst[xx] = 255;
      }
    }
  }
  return out;
}

}  // namespace

MaskedSprite maskFigure(const QImage& figure) {
  const QImage silhouette = grown(coverage(figure), kRing);
  MaskedSprite s;
  // The figure over the ring colour: its soft edges blend into the outline, never into white.
  s.sheet = QImage(figure.size(), QImage::Format_RGB32);
  s.sheet.fill(kRingColour);
  {
    QPainter p(&s.sheet);
    p.drawImage(0, 0, figure);
  }
  s.mask = QImage(figure.size(), QImage::Format_RGB32);
  for (int y = 0; y < figure.height(); ++y) {
    const uchar* in = silhouette.constScanLine(y);
    auto* sheet = reinterpret_cast<QRgb*>(s.sheet.scanLine(y));
    auto* mask = reinterpret_cast<QRgb*>(s.mask.scanLine(y));
    for (int x = 0; x < figure.width(); ++x) {
      mask[x] = in[x] ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
      if (!in[x]) sheet[x] = qRgb(255, 255, 255);
    }
  }
  return s;
}

void placeSprite(const MaskedSprite& sprite, QImage& sheet, QImage& mask, QPoint at) {
  QPainter ps(&sheet);
  ps.drawImage(at, sprite.sheet);
  QPainter pm(&mask);
  pm.drawImage(at, sprite.mask);
}

}  // namespace velko::art
