#pragma once
// The three Doll pictures the game knows by image code: "01" the armoured warrior, "0201"
// the female form and "0202" the same in black armour. 0201 and 0202 share one mask, so they
// must share every outline; only their colours differ.

#include <string>
#include <vector>

#include "art/doll_parts.h"

namespace velko::art {

struct DollKind {
  std::string code;
  const DollParts* parts;
  Palette palette;
};

const std::vector<DollKind>& dollKinds();
const DollKind& dollKind(const std::string& code);

}  // namespace velko::art
