#pragma once
// Frame type "02": the slender female form. Light, close-fitting plates over a narrow waist,
// long legs on pointed heels, a crested helmet with a long plated tail of "hair".

#include "art/doll_parts.h"

namespace velko::art {

class SlenderParts : public DollParts {
 public:
  const Build& build() const override;
  void behind(QPainter& p, const Joints& j, const Palette& c) const override;
  void arm(QPainter& p, const Joints& j, const Limb& arm, const Palette& c) const override;
  void leg(QPainter& p, const Limb& leg, const Palette& c) const override;
  void torso(QPainter& p, const Joints& j, const Palette& c) const override;
  void waist(QPainter& p, const Joints& j, const Palette& c) const override;
  void head(QPainter& p, const Joints& j, const Palette& c) const override;
};

}  // namespace velko::art
