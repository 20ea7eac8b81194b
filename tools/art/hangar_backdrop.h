#pragma once
// The maintenance bay behind the Doll in the workshop picture: plated walls, a gantry with a
// catwalk, a crane hook, floor markings and a work light from above.

#include <QImage>

#include "art/lettering.h"

namespace velko::art {

QImage hangarBackdrop(QSize size, double floorY, Lettering lettering);

}  // namespace velko::art
