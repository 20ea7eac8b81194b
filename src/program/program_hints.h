#pragma once
// The one-line hints of the editor's dspDoll line, by action name and by what the mouse is
// over: the palette chips carry the longer texts of throw and lock.

#include <string>

namespace velko {

enum class HintPlace {
  PaletteChip,   // dspAchip
  GridChip,      // dspAction
  PaletteLabel,  // dspAbl
  PaletteFrame,  // frmMove ... frmUnlock
};

inline constexpr const char* kTrashHint = "ゴミ箱";

// The hint for the action of that name; "" for an empty or unknown name.
std::string actionHint(const std::string& name, HintPlace place);

}  // namespace velko
