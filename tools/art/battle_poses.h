#pragma once
// The seven poses of the battle sheet, in column order, for a Doll facing right. The Doll
// stands left of its cell's centre: at distance 0 the two cells are only 20 pixels apart, so
// a fist or a foot must reach well into the right half to land on the opponent.

#include <array>

#include "art/skeleton.h"

namespace velko::art {

enum class Column { Standing, Spin, Punch, Kick, Clinch, Down, DownClinch };

struct BattlePose {
  Column column;
  Pose pose;
  double pelvisX;  // in the cell; the height comes from standing the Doll on the floor
  bool swirl;      // motion arcs around the body
};

constexpr int kCell = 240;
constexpr int kColumns = 7;
constexpr int kFloorY = 226;  // where feet and fallen bodies rest in the cell
constexpr double kFigureScale = 0.84;

const std::array<BattlePose, kColumns>& battlePoses();

}  // namespace velko::art
