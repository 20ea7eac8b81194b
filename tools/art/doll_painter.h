#pragma once
// Paints one Doll, facing right, from a pose: the far limbs first and in shadow, then the
// body, then the near limbs.

#include <QPainter>

#include "art/doll_kind.h"
#include "art/skeleton.h"

namespace velko::art {

void paintDoll(QPainter& p, const DollKind& kind, const Pose& pose, QPointF pelvis);

}  // namespace velko::art
