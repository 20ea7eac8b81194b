#pragma once
// Frame type "01": the heavy armoured warrior. Broad lacquered plates in the manner of a
// samurai's armour: great shoulder guards, a skirt of plates, a horned helmet.

#include "art/doll_parts.h"

namespace velko::art {

class WarriorParts : public DollParts {
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
