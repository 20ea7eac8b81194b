#include "art/palette.h"

#include "art/shading.h"

namespace velko::art {

Palette Palette::distant() const {
  const QColor shadow(22, 26, 40);
  const double k = 0.3;
  return {mix(armour, shadow, k), mix(accent, shadow, k), mix(trim, shadow, k),
          mix(metal, shadow, k),  mix(joint, shadow, k),  mix(visor, shadow, 0.15)};
}

}  // namespace velko::art
