#pragma once
// The workshop's picture of the Doll: the frame type standing in the maintenance bay.

#include <QImage>

#include "art/doll_kind.h"
#include "art/lettering.h"

namespace velko::art {

constexpr int kWorkshopWidth = 240;
constexpr int kWorkshopHeight = 320;

QImage workshopPicture(const DollKind& kind, Lettering lettering);

}  // namespace velko::art
