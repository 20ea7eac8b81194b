#pragma once
// What the battle screen shows besides the fight: its caption, the guide and the bracket.

#include <string>

#include "battle/fight_view.h"
#include "career/bracket.h"

namespace velko {

class FightScreen : public FightView {
 public:
  virtual void setCaption(const std::string& caption) = 0;
  // The guide pane with its text, or hidden when the text is empty.
  virtual void showGuide(const std::string& text) = 0;
  // The bracket view, modally, until the player goes back.
  virtual void showBracket(const Bracket& bracket) = 0;
};

}  // namespace velko
