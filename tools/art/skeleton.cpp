#include "art/skeleton.h"

#include "art/geometry.h"

namespace velko::art {
namespace {

Limb limb(QPointF root, const LimbPose& angles, double upper, double lower, double end) {
  Limb l;
  l.root = root;
  l.mid = root + direction(angles.upper) * upper;
  l.wrist = l.mid + direction(angles.lower) * lower;
  l.tip = l.wrist + direction(angles.end) * end;
  return l;
}

Limb turned(const Limb& l, double degrees, QPointF around) {
  auto r = [&](QPointF p) { return around + rotated(p - around, degrees); };
  return {r(l.root), r(l.mid), r(l.wrist), r(l.tip)};
}

}  // namespace

QPointF Joints::body(QPointF offset) const {
  return pelvis + rotated(offset, turn);
}

Joints solve(const Build& b, const Pose& pose, QPointF pelvis) {
  // Solve upright around the pelvis first, then turn the whole body for the floor poses.
  Joints j;
  j.pelvis = pelvis;
  j.turn = pose.turn;
  const double torsoAngle = 180 - pose.lean;
  const QPointF up = direction(torsoAngle);
  const QPointF forward = direction(torsoAngle - 90);
  j.neck = pelvis + up * b.torso;
  j.headBase = j.neck + direction(torsoAngle - pose.nod) * b.neck;
  j.crown = j.headBase + direction(torsoAngle - pose.nod) * b.head;

  const QPointF shoulder = j.neck - up * b.shoulderDrop - forward * b.shoulderBack;
  const QPointF farShoulder = shoulder + forward * b.farShoulder.x() - up * b.farShoulder.y();
  j.nearArm = limb(shoulder, pose.nearArm, b.upperArm, b.foreArm, b.hand);
  j.farArm = limb(farShoulder, pose.farArm, b.upperArm, b.foreArm, b.hand);
  const QPointF nearHip = pelvis + forward * b.nearHip.x() - up * b.nearHip.y();
  const QPointF farHip = pelvis + forward * b.farHip.x() - up * b.farHip.y();
  j.nearLeg = limb(nearHip, pose.nearLeg, b.thigh, b.shin, b.foot);
  j.farLeg = limb(farHip, pose.farLeg, b.thigh, b.shin, b.foot);

  if (pose.turn == 0) return j;
  auto r = [&](QPointF p) { return pelvis + rotated(p - pelvis, pose.turn); };
  j.neck = r(j.neck);
  j.headBase = r(j.headBase);
  j.crown = r(j.crown);
  j.nearArm = turned(j.nearArm, pose.turn, pelvis);
  j.farArm = turned(j.farArm, pose.turn, pelvis);
  j.nearLeg = turned(j.nearLeg, pose.turn, pelvis);
  j.farLeg = turned(j.farLeg, pose.turn, pelvis);
  return j;
}

}  // namespace velko::art
