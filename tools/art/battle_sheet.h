#pragma once
// The battle sheet of one Doll picture and its mask: seven pose columns of 240 x 240, row 0
// facing right for the Doll on the left, row 240 the same Doll facing left.

#include <QImage>

#include "art/battle_poses.h"
#include "art/doll_kind.h"

namespace velko::art {

struct BattleSheet {
  QImage sheet;
  QImage mask;
};

// One pose of the Doll on a transparent cell, feet on the floor, facing right.
QImage poseCell(const DollKind& kind, const BattlePose& pose);
BattleSheet battleSheet(const DollKind& kind);

}  // namespace velko::art
