#include "art/battle_sheet.h"

#include <stdexcept>
#include <string>

#include "art/doll_painter.h"
#include "art/masked_sprite.h"
#include "art/motion_arcs.h"

namespace velko::art {
namespace {

QImage paintCell(const DollKind& kind, const BattlePose& pose, QPointF pelvis) {
  QImage cell(kCell, kCell, QImage::Format_ARGB32_Premultiplied);
  cell.fill(Qt::transparent);
  QPainter p(&cell);
  const QPointF waist = pelvis + QPointF(0, -16);
  if (pose.swirl) paintMotionArcs(p, waist, ArcHalf::Back);
  p.save();
  p.translate(pelvis);
  p.scale(kFigureScale, kFigureScale);
  paintDoll(p, kind, pose.pose, {0, 0});
  p.restore();
  if (pose.swirl) paintMotionArcs(p, waist, ArcHalf::Front);
  return cell;
}

QRect painted(const QImage& cell) {
  QRect box;
  for (int y = 0; y < cell.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(cell.constScanLine(y));
    for (int x = 0; x < cell.width(); ++x) {
      if (qAlpha(row[x])) box |= QRect(x, y, 1, 1);
    }
  }
  return box;
}

}  // namespace

QImage poseCell(const DollKind& kind, const BattlePose& pose) {
  // Paint once to find the lowest point, then again standing on the floor.
  const QPointF start(pose.pelvisX, kCell / 2.0);
  const QRect first = painted(paintCell(kind, pose, start));
  const QPointF pelvis = start + QPointF(0, kFloorY - first.bottom());
  QImage cell = paintCell(kind, pose, pelvis);
  const QRect box = painted(cell);
  const QRect safe(kRing + 1, kRing + 1, kCell - 2 * kRing - 2, kCell - 2 * kRing - 2);
  if (!safe.contains(box)) {
    // A limb cut off by the cell edge would show as a straight edge in the game.
    throw std::runtime_error("pose " + std::to_string(int(pose.column)) + " of Doll " + kind.code +
                             " does not fit its cell");
  }
  return cell;
}

BattleSheet battleSheet(const DollKind& kind) {
  BattleSheet out;
  out.sheet = QImage(kCell * kColumns, kCell * 2, QImage::Format_RGB32);
  out.mask = QImage(out.sheet.size(), QImage::Format_RGB32);
  out.sheet.fill(Qt::white);
  out.mask.fill(Qt::white);
  for (const BattlePose& pose : battlePoses()) {
    const QImage right = poseCell(kind, pose);
    const int x = int(pose.column) * kCell;
    placeSprite(maskFigure(right), out.sheet, out.mask, {x, 0});
    placeSprite(maskFigure(right.mirrored(true, false)), out.sheet, out.mask, {x, kCell});
  }
  return out;
}

}  // namespace velko::art
