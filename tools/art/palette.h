#pragma once
// The colours of one Doll picture.

#include <QColor>

namespace velko::art {

struct Palette {
  QColor armour;  // the main plates
  QColor accent;  // second plate colour and markings
  QColor trim;    // crest, bands and edges
  QColor metal;   // inner frame and tubes
  QColor joint;   // ball joints
  QColor visor;   // lenses, glowing

  // The same Doll's far-side limbs sit in the body's shadow.
  Palette distant() const;
};

}  // namespace velko::art
