#include "art/slender_parts.h"

#include "art/shading.h"

namespace velko::art {
namespace {

Frame torsoFrame(const Joints& j) {
  return Frame::between(j.neck, j.pelvis);
}
Frame headFrame(const Joints& j) {
  return Frame::between(j.crown, j.headBase);
}

Build slenderBuild() {
  Build b;
  b.torso = 56;
  b.neck = 10;
  b.head = 25;
  b.shoulderDrop = 9;
  b.farShoulder = {-7, -2};
  b.nearHip = {3, 2};
  b.farHip = {-5, -1};
  b.upperArm = 38;
  b.foreArm = 36;
  b.hand = 12;
  b.thigh = 57;
  b.shin = 60;
  b.foot = 23;
  return b;
}

// The tail of plated "hair" falls from the back of the helmet, bending down as it goes.
void hairTail(QPainter& p, const Joints& j, const Palette& c) {
  const Frame h = headFrame(j);
  QPointF at = h.at(0.4, -9);
  const QPointF back = -h.front;
  const QPointF down = h.along;
  const double lengths[] = {16, 16, 15, 14, 12};
  const double widths[] = {9, 8.5, 7.5, 6, 4.5};
  for (int i = 0; i < 5; ++i) {
    const QPointF way = unit(back * (0.9 - i * 0.16) + down * (0.55 + i * 0.3));
    const Frame piece = Frame::between(at, at + way * lengths[i]);
    const double w = widths[i];
    drawPlate(
        p, piece.shape({{-0.15, -w * 0.8}, {-0.1, w}, {1.0, w * 0.75}, {1.25, 0}, {1.0, -w * 0.7}}),
        i % 2 == 0 ? c.armour : c.accent);
    at = piece.at(1, 0);
  }
}

}  // namespace

const Build& SlenderParts::build() const {
  static const Build b = slenderBuild();
  return b;
}

void SlenderParts::behind(QPainter& p, const Joints& j, const Palette& c) const {
  hairTail(p, j, c);
  const Frame t = torsoFrame(j);
  // Two slim wing vanes on the back.
  const Frame vane =
      Frame::between(t.at(0.15, -10), t.at(0.15, -10) + unit(t.along * 0.9 - t.front) * 40);
  drawPlate(p, vane.shape({{0, -4}, {0, 5}, {1.0, 2}, {1.1, -1}}), c.distant().accent);
}

void SlenderParts::arm(QPainter& p, const Joints&, const Limb& a, const Palette& c) const {
  const Frame upper = Frame::between(a.root, a.mid);
  const Frame fore = Frame::between(a.mid, a.wrist);
  const Frame hand = Frame::between(a.wrist, a.tip);
  drawTube(p, upper, 6, 5.5, c.metal);
  drawPlate(p, upper.shape({{0.3, -7.5}, {0.3, 7.5}, {0.78, 7}, {0.84, 0}, {0.78, -7}}), c.armour);
  drawBall(p, a.mid, 5.5, c.joint);
  drawPlate(p, fore.shape({{0.05, -6}, {0.1, 7}, {0.78, 8.5}, {0.92, 0}, {0.78, -7.5}}), c.armour);
  drawFlat(p, fore.shape({{0.3, 5.5}, {0.35, 7.6}, {0.76, 8.6}, {0.73, 6.2}}), c.accent);
  drawPlate(p, hand.shape({{-0.15, -6}, {-0.15, 6}, {0.85, 6}, {1.08, 1}, {1.0, -5.5}}), c.metal);
  // Rounded shoulder cap.
  const Frame cap = Frame::between(a.root - unit(a.mid - a.root) * 8, a.mid);
  drawPlate(
      p, cap.shape({{0, -6}, {0.02, 4}, {0.12, 10}, {0.32, 10}, {0.4, 0}, {0.32, -10}, {0.1, -10}}),
      c.armour);
  drawFlat(p, cap.shape({{0.28, -9.5}, {0.28, 9.8}, {0.36, 9.6}, {0.36, -9.3}}), c.accent);
}

void SlenderParts::leg(QPainter& p, const Limb& l, const Palette& c) const {
  const Frame thigh = Frame::between(l.root, l.mid);
  const Frame shin = Frame::between(l.mid, l.wrist);
  const Frame foot = Frame::between(l.wrist, l.tip);
  drawTube(p, thigh, 10, 7.5, c.metal);
  drawPlate(
      p, thigh.shape({{0.08, -11}, {0.02, 11}, {0.45, 10.5}, {0.85, 8}, {0.92, -7}, {0.45, -10.5}}),
      c.armour);
  drawFlat(p, thigh.shape({{0.12, 8.5}, {0.1, 10.8}, {0.7, 9.6}, {0.72, 7.4}}), c.accent);
  drawBall(p, l.mid, 6.5, c.joint);
  drawPlate(p, shin.shape({{0.08, -7}, {0.02, 8}, {0.55, 7.5}, {0.97, 5}, {0.97, -5}, {0.4, -9.5}}),
            c.armour);
  drawPanelLine(p, shin.at(0.2, 2.5), shin.at(0.85, 2), c.armour);
  // Pointed boot on a heel.
  drawPlate(p, foot.shape({{-0.3, -7}, {-0.3, 5}, {0.3, 7}, {1.12, 0}, {1.05, -4}}), c.armour);
  drawFlat(p, foot.shape({{-0.28, -7}, {-0.45, -14}, {-0.3, -14}, {-0.05, -6}}), c.metal);
  drawFlat(p, foot.shape({{0.55, 3.5}, {1.08, 0.3}, {1.05, -2}, {0.6, 1}}), c.accent);
  drawPlate(p, shin.shape({{-0.12, 1}, {-0.2, 8}, {0.08, 9}, {0.18, 4}}), c.accent);
}

void SlenderParts::torso(QPainter& p, const Joints& j, const Palette& c) const {
  const Frame t = torsoFrame(j);
  drawTube(p, Frame::between(j.neck, j.headBase), 4, 4, c.metal);
  drawTube(p, Frame::between(t.at(0.35, 0), t.at(0.75, 0)), 8, 7, c.metal);
  for (double s : {0.5, 0.58, 0.66})
    drawPanelLine(p, t.at(s, -7), t.at(s, 8), c.metal);
  // Flared hip plate.
  drawPlate(p, t.shape({{0.66, -13}, {0.64, 10}, {0.86, 16}, {1.1, 9}, {1.12, -8}, {0.88, -19}}),
            c.armour);
  drawFlat(p, t.shape({{0.68, 7}, {0.7, 9.5}, {1.0, 10.5}, {1.0, 8}}), c.accent);
  // Breastplate with its curve, a collar in the accent colour and a core lens.
  drawPlate(p,
            t.shape({{-0.06, -12},
                     {-0.02, 6},
                     {0.1, 13},
                     {0.2, 19},
                     {0.3, 20},
                     {0.4, 16},
                     {0.48, 9},
                     {0.5, -9},
                     {0.3, -13}}),
            c.armour);
  drawFlat(p, t.shape({{-0.02, 3}, {0.0, 6}, {0.14, 11.5}, {0.12, 8}}), c.accent);
  drawPanelLine(p, t.at(0.4, 14), t.at(0.46, -6), c.armour);
  drawGlow(p, t.shape({{0.08, 5}, {0.08, 8.5}, {0.14, 9.5}, {0.14, 6}}), c.visor);
}

void SlenderParts::waist(QPainter& p, const Joints& j, const Palette& c) const {
  // A short tasset over the near hip.
  const Frame t = torsoFrame(j);
  const QPointF root = t.at(0.8, 2);
  const QPointF hang = unit(t.along + unit(j.nearLeg.mid - j.nearLeg.root) * 1.4);
  const Frame f = Frame::between(root, root + hang * 20);
  drawPlate(p, f.shape({{0, -7}, {0, 8}, {1, 7}, {1.15, -1}, {1, -6}}), c.armour);
  drawFlat(p, f.shape({{0.8, -6.5}, {0.8, 7.3}, {0.98, 7}, {1.1, -1}, {0.98, -6}}), c.accent);
}

void SlenderParts::head(QPainter& p, const Joints& j, const Palette& c) const {
  const Frame h = headFrame(j);
  // Swept fins at the temples, then the helmet, the visor band and the face plate.
  drawPlate(p, h.shape({{0.35, -2}, {0.2, -8}, {-0.35, -20}, {-0.2, -15}, {0.1, -4}}), c.accent);
  drawPlate(
      p, h.shape({{0.05, -8}, {-0.02, 2}, {0.12, 9}, {0.4, 11}, {0.62, 8}, {0.62, -9}, {0.3, -12}}),
      c.armour);
  drawPlate(p, h.shape({{0.5, 2}, {0.55, 10.5}, {0.82, 9}, {1.02, 3}, {0.9, -4}, {0.6, -5}}),
            lighter(c.metal, 0.25));
  drawGlow(p, h.shape({{0.34, -3}, {0.33, 11.6}, {0.55, 11}, {0.56, -3}}), c.visor);
  drawFlat(p, h.shape({{-0.06, 0}, {-0.02, 3}, {0.32, 10.5}, {0.28, 6}}), c.accent);
}

}  // namespace velko::art
