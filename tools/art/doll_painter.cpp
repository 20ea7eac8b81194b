#include "art/doll_painter.h"

namespace velko::art {

void paintDoll(QPainter& p, const DollKind& kind, const Pose& pose, QPointF pelvis) {
  const DollParts& parts = *kind.parts;
  const Palette& near = kind.palette;
  const Palette far = near.distant();
  const Joints j = solve(parts.build(), pose, pelvis);
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  parts.behind(p, j, near);
  parts.arm(p, j, j.farArm, far);
  parts.leg(p, j.farLeg, far);
  parts.torso(p, j, near);
  parts.leg(p, j.nearLeg, near);
  parts.waist(p, j, near);
  parts.head(p, j, near);
  parts.arm(p, j, j.nearArm, near);
  p.restore();
}

}  // namespace velko::art
