#include "ui/fight/fight_layout.h"

#include <algorithm>
#include <cmath>

namespace velko::ui {

namespace {

bool isDown(const BattleState& s, int k) {
  return s.tentou[k] != kOff;
}

}  // namespace

int cellX(int fighter, int span) {
  if (fighter == 0) return 220 - 10 * span;
  return 240 + 10 * span;
}

int cellRow(int fighter) {
  return kCell * fighter;
}

int actionColumn(int action) {
  switch (action) {
    case kSpin:
      return kPoseSpin;
    case kPunch:
      return kPosePunch;
    case kKick:
      return kPoseKick;
    case kKumi:
    case kBlock:
      return kPoseClinch;
    default:
      return kPoseStand;
  }
}

int statePose(const BattleState& s, int k) {
  if (s.anyHold()) {
    // Both down in a hold: the clinch would stand one of them up again.
    if (isDown(s, 0) && isDown(s, 1)) return kPoseDown;
    return kPoseClinch;
  }
  if (isDown(s, k)) return kPoseDown;
  return kPoseStand;
}

DollPoses dollImagePoses(const BattleState& s) {
  DollPoses poses;
  const bool down0 = isDown(s, 0);
  const bool down1 = isDown(s, 1);
  if (!s.anyHold()) {
    if (!down0 && !down1) return poses;
    poses.redraw = true;
    poses.column = {down0 ? kPoseDown : kPoseStand, down1 ? kPoseDown : kPoseStand};
    return poses;
  }
  poses.redraw = true;
  if (down0 && down1) {
    poses.column = {kPoseDownClinch, kPoseDown};
  } else {
    poses.column = {down0 ? kPoseDown : kPoseClinch, down1 ? kPoseDown : kPoseClinch};
  }
  return poses;
}

StagePoint effectPlace(int target, int size, int k, double r) {
  return {300 + 40 * target + static_cast<int>(std::floor(10 * k * r)), size + 20 * k + 20};
}

BarSpan barSpan(int fighter, int hp) {
  const int width = kBarTwipsPerHP * std::max(hp, 0);
  if (fighter == 0) return {0, width};
  return {kBarRightTwips - width, width};
}

SpriteFiles spriteFiles(const std::string& imageCode) {
  if (imageCode == "0201") return {"\\img\\VELKO0201.jpg", "\\img\\VELKO02M.jpg"};
  if (imageCode == "0202") return {"\\img\\VELKO0202.jpg", "\\img\\VELKO02M.jpg"};
  // Code "01", and any code without pictures of its own, shows the armoured warrior.
  return {"\\img\\VELKO01.jpg", "\\img\\VELKO01M.jpg"};
}

}  // namespace velko::ui
