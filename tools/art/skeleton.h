#pragma once
// A Doll's skeleton: bone lengths of a frame type, joint angles of a pose, and the joint
// positions that follow from both. Every picture of a Doll is drawn from these joints, so the
// seven battle poses and the workshop pose all come from one figure.

#include <QPointF>

namespace velko::art {

// Bone lengths in pixels, and where the far-side shoulder and hip sit so the Doll reads as
// turned a little towards the viewer.
struct Build {
  double torso = 60;  // pelvis to neck
  double neck = 8;
  double head = 30;
  double shoulderDrop = 8;  // shoulders below the neck, along the torso
  double shoulderBack = 0;  // near shoulder behind the neck line
  QPointF farShoulder{-9, -2};
  QPointF nearHip{3, 2};
  QPointF farHip{-7, -1};
  double upperArm = 40;
  double foreArm = 38;
  double hand = 15;
  double thigh = 52;
  double shin = 52;
  double foot = 26;
};

// Absolute angles (0 down, 90 forward, 180 up) of the three bones of a limb.
struct LimbPose {
  double upper = 0;
  double lower = 0;
  double end = 90;
};

struct Pose {
  double turn = 0;  // whole body, for the poses on the ground
  double lean = 0;  // torso forward from upright
  double nod = 0;   // head forward from the torso's line
  LimbPose nearArm;
  LimbPose farArm;
  LimbPose nearLeg;
  LimbPose farLeg;
};

struct Limb {
  QPointF root;
  QPointF mid;
  QPointF wrist;  // wrist or ankle
  QPointF tip;    // knuckles or toes
};

struct Joints {
  QPointF pelvis;
  QPointF neck;
  QPointF headBase;
  QPointF crown;
  Limb nearArm;
  Limb farArm;
  Limb nearLeg;
  Limb farLeg;
  double turn = 0;  // the body's rotation, for parts placed relative to the upright figure

  // A point given in the upright body's axes (x forward, y down) around the pelvis.
  QPointF body(QPointF offset) const;
};

Joints solve(const Build& build, const Pose& pose, QPointF pelvis);

}  // namespace velko::art
