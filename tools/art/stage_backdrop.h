#pragma once
// The battle stage behind the Dolls, 800 x 400: an arena with stands, floodlights and a
// plated floor. The Dolls' feet rest at y = 236 (cell top 10 plus the cell's floor line).

#include <QImage>

#include "art/lettering.h"

namespace velko::art {

constexpr int kStageWidth = 800;
constexpr int kStageHeight = 400;
constexpr int kStageHorizon = 172;  // where the back wall meets the floor

QImage stageBackdrop(Lettering lettering);

}  // namespace velko::art
