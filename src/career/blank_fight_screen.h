#pragma once
// A battle screen that shows nothing, for fights run without a window.

#include <string>

#include "battle/blank_fight_view.h"
#include "career/fight_screen.h"

namespace velko {

class BlankFightScreen : public BlankView<FightScreen> {
 public:
  void setCaption(const std::string&) override {}
  void showGuide(const std::string&) override {}
  void showBracket(const Bracket&) override {}
};

}  // namespace velko
