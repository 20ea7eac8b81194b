#include "art/warrior_parts.h"

#include "art/shading.h"

namespace velko::art {
namespace {

Frame torsoFrame(const Joints& j) {
  return Frame::between(j.neck, j.pelvis);
}
Frame headFrame(const Joints& j) {
  return Frame::between(j.crown, j.headBase);
}

// A skirt plate hangs from the waist and swings halfway towards its thigh.
Frame skirtFrame(const Joints& j, const Limb& leg, double side) {
  const Frame t = torsoFrame(j);
  const QPointF root = t.at(0.7, side);
  const QPointF hang = unit(t.along + unit(leg.mid - leg.root) * 1.3);
  return Frame::between(root, root + hang * 34);
}

void skirtPlate(QPainter& p, const Frame& f, const Palette& c) {
  drawPlate(p, f.shape({{0, -12}, {0, 12}, {1, 14}, {1.05, 0}, {1, -13}}), c.armour);
  for (double s : {0.36, 0.68})
    drawPanelLine(p, f.at(s, -11.5), f.at(s, 12.5), c.armour);
  drawFlat(p, f.shape({{0.9, -13}, {0.9, 13.5}, {1.02, 14}, {1.07, 0}, {1.02, -13.5}}), c.trim);
}

void shoulderGuard(QPainter& p, const Joints& j, const Limb& arm, const Palette& c) {
  const Frame t = torsoFrame(j);
  const QPointF hang = unit(t.along * 2.2 + unit(arm.mid - arm.root));
  const QPointF top = arm.root - hang * 8 - t.front * 2;
  const Frame g = Frame::between(top, top + hang * 32);
  // Three lames, each lower one over the one above, the last edged in the trim colour.
  drawPlate(p, g.shape({{0, -9}, {-0.06, 0}, {0, 8}, {0.45, 9.5}, {0.45, -10}}), c.armour);
  drawPlate(p, g.shape({{0.32, -10.5}, {0.32, 10}, {0.7, 11}, {0.7, -11.5}}), c.armour);
  drawPlate(p, g.shape({{0.62, -11.5}, {0.62, 11}, {1.0, 12}, {1.0, -12.5}}), c.armour);
  drawFlat(p, g.shape({{0.92, -12.4}, {0.92, 11.9}, {1.04, 12.3}, {1.04, -12.8}}), c.trim);
  drawRivet(p, g.at(0.1, 0), 1.6, c.armour);
}

}  // namespace

const Build& WarriorParts::build() const {
  static const Build b{.head = 34, .shoulderBack = 7};
  return b;
}

void WarriorParts::behind(QPainter& p, const Joints& j, const Palette& c) const {
  const Frame t = torsoFrame(j);
  // Thruster pack on the back, nozzles pointing down and back.
  drawPlate(p, t.shape({{0.02, -10}, {0.0, -27}, {0.5, -30}, {0.58, -14}}), c.metal);
  drawPanelLine(p, t.at(0.18, -12), t.at(0.15, -27), c.metal);
  const Frame nozzle = Frame::between(t.at(0.5, -22), t.at(0.78, -31));
  drawTube(p, nozzle, 5, 7.5, darker(c.metal, 0.2));
  drawGlow(p, nozzle.shape({{0.95, -5}, {0.95, 5}, {1.1, 4}, {1.1, -4}}), QColor(255, 170, 70));
  skirtPlate(p, skirtFrame(j, j.farLeg, -12), c.distant());
}

void WarriorParts::arm(QPainter& p, const Joints& j, const Limb& a, const Palette& c) const {
  const Frame upper = Frame::between(a.root, a.mid);
  const Frame fore = Frame::between(a.mid, a.wrist);
  const Frame fist = Frame::between(a.wrist, a.tip);
  drawTube(p, upper, 7.5, 6.5, c.metal);
  drawPlate(p, upper.shape({{0.25, -9}, {0.25, 9}, {0.82, 8.5}, {0.88, 0}, {0.82, -8.5}}),
            c.accent);
  drawBall(p, a.mid, 7.5, c.joint);
  // Gauntlet: wide at the wrist, a trim band, then the armoured fist.
  drawPlate(p, fore.shape({{0.0, -7}, {0.05, 8}, {0.82, 11.5}, {0.95, 0}, {0.82, -11}}), c.armour);
  drawPanelLine(p, fore.at(0.2, 3), fore.at(0.72, 6), c.armour);
  drawFlat(p, fore.shape({{0.74, -11.2}, {0.74, 11.6}, {0.86, 11.6}, {0.86, -11.2}}), c.trim);
  drawPlate(p,
            fist.shape({{-0.15, -8.5}, {-0.15, 8.5}, {0.85, 9}, {1.05, 4}, {1.05, -5}, {0.85, -9}}),
            c.metal);
  drawPlate(p, fist.shape({{0.45, 2}, {0.45, 9.5}, {1.02, 8.5}, {1.08, 2}}), c.armour);
  shoulderGuard(p, j, a, c);
}

void WarriorParts::leg(QPainter& p, const Limb& l, const Palette& c) const {
  const Frame thigh = Frame::between(l.root, l.mid);
  const Frame shin = Frame::between(l.mid, l.wrist);
  const Frame foot = Frame::between(l.wrist, l.tip);
  drawTube(p, thigh, 10, 8.5, c.metal);
  drawPlate(p, thigh.shape({{0.12, -11}, {0.06, 11.5}, {0.82, 10.5}, {0.9, -9.5}}), c.accent);
  drawPanelLine(p, thigh.at(0.2, 4), thigh.at(0.75, 4), c.accent);
  drawBall(p, l.mid, 8.5, c.joint);
  // Greave flaring towards the ankle, with a knee guard over the joint.
  drawPlate(p, shin.shape({{0.08, -9}, {0.02, 10}, {0.5, 12}, {0.88, 14}, {0.96, -11}}), c.armour);
  drawPanelLine(p, shin.at(0.25, 3), shin.at(0.85, 5), c.armour);
  drawPlate(p, foot.shape({{-0.42, 7}, {-0.45, -9}, {1.08, -9}, {1.08, -3}, {0.75, 5}, {0.25, 9}}),
            c.armour);
  drawFlat(p, foot.shape({{-0.45, -6}, {-0.45, -10.5}, {1.1, -10.5}, {1.1, -6}}), c.metal);
  drawPlate(p, shin.shape({{-0.18, 2}, {-0.22, 13}, {0.14, 14.5}, {0.26, 7}, {0.12, 0}}), c.trim);
}

void WarriorParts::torso(QPainter& p, const Joints& j, const Palette& c) const {
  const Frame t = torsoFrame(j);
  drawTube(p, Frame::between(j.neck, j.headBase), 6, 6, c.metal);
  drawTube(p, Frame::between(t.at(0.4, 0), t.at(0.9, 0)), 15, 13, c.metal);
  for (double s : {0.52, 0.62, 0.72})
    drawPanelLine(p, t.at(s, -12), t.at(s, 13), c.metal);
  // Pelvis block and belt.
  drawPlate(p, t.shape({{0.74, -15}, {0.74, 15}, {0.98, 13}, {1.1, 0}, {0.98, -13}}), c.metal);
  drawFlat(p, t.shape({{0.66, -16}, {0.66, 16}, {0.76, 16}, {0.76, -16}}), darker(c.metal, 0.3));
  drawFlat(p, t.shape({{0.64, 9}, {0.64, 17}, {0.78, 17}, {0.78, 9}}), c.trim);
  // Breastplate, broad and deep, with vents and a crest.
  drawPlate(
      p,
      t.shape({{-0.1, -19}, {-0.07, 9}, {0.06, 22}, {0.4, 23}, {0.6, 16}, {0.6, -16}, {0.35, -21}}),
      c.armour);
  drawPanelLine(p, t.at(0.02, 7), t.at(0.3, 19), c.armour);
  drawPanelLine(p, t.at(0.3, 19), t.at(0.56, 13), c.armour);
  for (int i = 0; i < 3; ++i) {
    const double s = 0.36 + i * 0.06;
    drawFlat(p, t.shape({{s, 4}, {s, 14}, {s + 0.03, 14}, {s + 0.03, 4}}), darker(c.metal, 0.4));
  }
  drawBall(p, t.at(0.18, 9), 4.2, c.trim);
  drawGlow(p, t.shape({{0.16, 7.5}, {0.16, 10.5}, {0.2, 10.5}, {0.2, 7.5}}), c.visor);
}

void WarriorParts::waist(QPainter& p, const Joints& j, const Palette& c) const {
  skirtPlate(p, skirtFrame(j, j.nearLeg, 8), c);
}

void WarriorParts::head(QPainter& p, const Joints& j, const Palette& c) const {
  const Frame h = headFrame(j);
  // Neck guard: three lames flaring down the back of the helmet.
  drawPlate(p, h.shape({{0.66, -8}, {0.72, -22}, {0.98, -26}, {1.0, -9}}), c.armour);
  drawPlate(p, h.shape({{0.5, -8}, {0.56, -19}, {0.82, -23}, {0.84, -9}}), c.armour);
  drawPlate(p, h.shape({{0.36, -8}, {0.4, -16}, {0.64, -20}, {0.66, -8}}), c.armour);
  // Face mask with the eye slit, under the helmet bowl.
  drawPlate(p, h.shape({{0.42, -4}, {0.46, 12}, {0.72, 13.5}, {0.94, 9}, {1.02, 1}, {0.86, -6}}),
            c.metal);
  drawGlow(p, h.shape({{0.5, 4}, {0.5, 13.2}, {0.6, 13.2}, {0.6, 4}}), c.visor);
  for (double s : {0.72, 0.8, 0.88})
    drawPanelLine(p, h.at(s, 5), h.at(s, 11.5), c.metal);
  drawPlate(
      p,
      h.shape(
          {{0.46, -14}, {0.16, -14}, {0.0, -7}, {-0.04, 1}, {0.06, 8}, {0.26, 12}, {0.46, 12.5}}),
      c.armour);
  drawPanelLine(p, h.at(0.05, -8), h.at(0.1, 6), c.armour);
  // Peak over the eyes and the turned-back flap at the side.
  drawPlate(p, h.shape({{0.4, 2}, {0.4, 13}, {0.46, 17}, {0.52, 16}, {0.5, 2}}), c.armour);
  drawFlat(p, h.shape({{0.45, 13}, {0.47, 17}, {0.53, 16.2}, {0.51, 12.5}}), c.trim);
  drawPlate(p, h.shape({{0.3, -3}, {0.28, -12}, {0.56, -15}, {0.6, -3}}), c.accent);
  // Horned crest: a V of two tapering blades from a badge on the brow.
  drawPlate(p, h.shape({{0.24, 5}, {0.32, 11}, {-0.5, 2}, {-0.62, -4}, {-0.56, -5}}),
            darker(c.trim, 0.3));
  drawPlate(p, h.shape({{0.22, 9}, {0.32, 15}, {-0.4, 30}, {-0.54, 31}, {-0.5, 27}}), c.trim);
  drawBall(p, h.at(0.28, 10.5), 4, c.trim);
  drawBall(p, h.at(0.28, 10.5), 2, c.visor);
}

}  // namespace velko::art
