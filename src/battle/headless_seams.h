#pragma once
// The seams of a fight without a screen: a view that only keeps the narration, a prompter that
// nobody answers, and after-fight hooks that bring nothing.

#include <string>
#include <vector>

#include "battle/after_fight.h"
#include "battle/blank_fight_view.h"
#include "core/silent_prompter.h"

namespace velko {

class NarrationLog : public BlankFightView {
 public:
  explicit NarrationLog(bool keep) : keep_(keep) {}
  void dspMsg(const std::string& text) override;
  bool showsText() const override { return keep_; }
  bool showsLabels() const override { return false; }

  // Each text the narration area showed, in order (when kept).
  std::vector<std::string> narration;

 private:
  bool keep_;
};

// The Dolls keep their damage; whoever runs the fight decides what to do with them.
class NoAfterFight : public AfterFight {
 public:
  void settle(const FightOutcome&) override {}
};

}  // namespace velko
