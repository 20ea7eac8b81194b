#pragma once
// The one-line hints of the editor's dspDoll line, by action and by what the mouse is
// over: the palette chips carry the longer texts of throw and lock.

#include <string>

#include "core/shown_text.h"

namespace velko {

enum class HintPlace {
  PaletteChip,   // dspAchip
  GridChip,      // dspAction
  PaletteLabel,  // dspAbl
  PaletteFrame,  // frmMove ... frmUnlock
};

inline constexpr const char* kTrashHint = QT_TRID_NOOP("ゴミ箱");

// The hint for the action of that number; "" for an empty slot or any other number.
std::string actionHint(int action, HintPlace place);

}  // namespace velko
