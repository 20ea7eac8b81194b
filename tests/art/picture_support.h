#pragma once
// Helpers shared by the picture tests: where the built game keeps its pictures, and the
// game's own way of drawing a sprite.

#include <QImage>
#include <QPainter>
#include <QString>

#include <algorithm>
#include <cstdlib>

namespace velko::test {

inline QString picturePath(const QString& name) {
  return QStringLiteral(VELKO_GAME_DIR) + "/img/" + name;
}

inline QImage loadPicture(const QString& name) {
  return QImage(picturePath(name)).convertToFormat(QImage::Format_RGB32);
}

// Mask with SRCERASE (source AND NOT destination), then the sheet with SRCINVERT (XOR).
inline void drawSprite(QImage& stage, const QImage& sheet, const QImage& mask, QRect cell,
                       QPoint at) {
  QPainter p(&stage);
  p.setCompositionMode(QPainter::RasterOp_SourceAndNotDestination);
  p.drawImage(at, mask, cell);
  p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  p.drawImage(at, sheet, cell);
}

inline int colourDistance(QRgb a, QRgb b) {
  return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                   std::abs(qBlue(a) - qBlue(b))});
}

inline bool maskCovers(const QImage& mask, int x, int y) {
  return qGray(mask.pixel(x, y)) < 128;
}

}  // namespace velko::test
