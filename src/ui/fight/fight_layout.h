#pragma once
// Where the battle display puts things: the pose cell of each fighter, the cells' places on the
// stage, the hit effects and the hit-point bars. Plain numbers, so the rules of the picture can
// be checked without drawing it.

#include <array>
#include <string>

#include "battle/battle_state.h"

namespace velko::ui {

inline constexpr int kStageWidth = 800;
inline constexpr int kStageHeight = 400;
inline constexpr int kCell = 240;
inline constexpr int kCellY = 10;
inline constexpr int kEffectCell = 40;

// Pose columns: the x of a cell in the sprite sheet.
inline constexpr int kPoseStand = 0;  // also moving and the starting picture
inline constexpr int kPoseSpin = 240;
inline constexpr int kPosePunch = 480;
inline constexpr int kPoseKick = 720;
inline constexpr int kPoseClinch = 960;  // grapple, block, and either Doll holding the other
inline constexpr int kPoseDown = 1200;
inline constexpr int kPoseDownClinch = 1440;  // down in a clinch while both are down

// Stage x of fighter k's cell; the left Doll steps back to the left as the distance grows.
int cellX(int fighter, int span);
// Sheet y of fighter k's row: row 0 faces right, row 240 faces left.
int cellRow(int fighter);

// The technique picture: fighter i in the pose of the action.
int actionColumn(int action);
// The technique picture: the other fighter k in its state pose.
int statePose(const BattleState& s, int k);

// The end-of-step picture: whether the stage is drawn again, and each fighter's pose. While
// nobody holds anybody and both stand, the step's technique picture stays.
struct DollPoses {
  bool redraw = false;
  std::array<int, 2> column{};
};
DollPoses dollImagePoses(const BattleState& s);

// The k-th hit effect (k from 1) on the fighter hit, r a fresh number in [0, 1).
struct StagePoint {
  int x = 0;
  int y = 0;
};
StagePoint effectPlace(int target, int size, int k, double r);

// A hit-point bar in twips: 20 per point. Fighter 0's bars keep their left edge at 0,
// fighter 1's their right edge at 9500, so both shrink towards the outer edges.
inline constexpr int kBarTwipsPerHP = 20;
inline constexpr int kBarRightTwips = 9500;
struct BarSpan {
  int left = 0;
  int width = 0;
};
BarSpan barSpan(int fighter, int hp);

// The sheet and mask pictures of a Doll's picture code, as game paths.
struct SpriteFiles {
  std::string sheet;
  std::string mask;
};
SpriteFiles spriteFiles(const std::string& imageCode);
inline constexpr const char* kEffectSheet = "\\img\\effect.jpg";
inline constexpr const char* kEffectMask = "\\img\\effect_m.jpg";
inline constexpr const char* kStagePicture = "\\img\\stage.jpg";

}  // namespace velko::ui
