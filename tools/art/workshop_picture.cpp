#include "art/workshop_picture.h"

#include <QPainter>
#include <QRadialGradient>

#include "art/battle_poses.h"
#include "art/doll_painter.h"
#include "art/hangar_backdrop.h"

namespace velko::art {
namespace {

constexpr double kBayFloorY = 272;
constexpr double kScale = 1.1;

// The same guard the Doll takes in the ring.
const Pose& displayPose() {
  return battlePoses()[int(Column::Standing)].pose;
}

QRectF paintedBox(const QImage& image) {
  QRect box;
  for (int y = 0; y < image.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if (qAlpha(row[x])) box |= QRect(x, y, 1, 1);
    }
  }
  return box;
}

QImage figure(const DollKind& kind, QPointF pelvis) {
  QImage layer(kWorkshopWidth, kWorkshopHeight, QImage::Format_ARGB32_Premultiplied);
  layer.fill(Qt::transparent);
  QPainter p(&layer);
  p.translate(pelvis);
  p.scale(kScale, kScale);
  paintDoll(p, kind, displayPose(), {0, 0});
  return layer;
}

}  // namespace

QImage workshopPicture(const DollKind& kind, Lettering lettering) {
  QImage picture = hangarBackdrop({kWorkshopWidth, kWorkshopHeight}, kBayFloorY - 30, lettering);
  // Paint once to find the feet and the width, then stand the Doll centred on the floor.
  const QPointF start(kWorkshopWidth / 2.0, kWorkshopHeight / 2.0);
  const QRectF box = paintedBox(figure(kind, start));
  const QPointF pelvis =
      start + QPointF(kWorkshopWidth / 2.0 - box.center().x(), kBayFloorY - box.bottom());
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  // Contact shadow under the feet.
  QRadialGradient shadow(QPointF(kWorkshopWidth / 2.0, kBayFloorY), 70);
  shadow.setColorAt(0, QColor(0, 0, 0, 150));
  shadow.setColorAt(1, QColor(0, 0, 0, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(shadow);
  p.drawEllipse(QPointF(kWorkshopWidth / 2.0, kBayFloorY), 70, 12);
  p.drawImage(0, 0, figure(kind, pelvis));
  return picture;
}

}  // namespace velko::art
