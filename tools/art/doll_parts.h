#pragma once
// The look of one frame type: its colours and the shapes of its armour. The painter decides
// the order of the parts; a frame type only knows how each part looks.

#include <QPainter>

#include "art/palette.h"
#include "art/skeleton.h"

namespace velko::art {

class DollParts {
 public:
  virtual ~DollParts() = default;
  virtual const Build& build() const = 0;
  // Pieces that hang behind the body: thrusters, hair, the rear skirt.
  virtual void behind(QPainter& p, const Joints& j, const Palette& c) const = 0;
  virtual void arm(QPainter& p, const Joints& j, const Limb& arm, const Palette& c) const = 0;
  virtual void leg(QPainter& p, const Limb& leg, const Palette& c) const = 0;
  virtual void torso(QPainter& p, const Joints& j, const Palette& c) const = 0;
  // Pieces over the near thigh, such as skirt plates.
  virtual void waist(QPainter& p, const Joints& j, const Palette& c) const = 0;
  virtual void head(QPainter& p, const Joints& j, const Palette& c) const = 0;
};

}  // namespace velko::art
