#pragma once
// A street fight without a screen: the computer plays fighter 1, the given controller fighter
// 0. For tests, benchmarks and balance runs. The Dolls keep the damage they took.

#include <string>
#include <vector>

#include "battle/battle.h"
#include "battle/headless_seams.h"

namespace velko {

class HeadlessFight {
 public:
  HeadlessFight(DollRef fighter0, DollRef fighter1, FightController& policy0, Random& rnd,
                bool keepNarration = true);

  // One press of the next command; false once the fight is over.
  bool step();
  bool isOver() const { return battle_.isOver(); }
  // 0 or 1 once decided, -1 before.
  int winner() const { return battle_.state().winner; }
  int steps() const { return steps_; }
  const std::vector<std::string>& narration() const { return view_.narration; }
  std::vector<std::string> takeNarration() { return std::move(view_.narration); }
  const Battle& battle() const { return battle_; }

 private:
  NarrationLog view_;
  NoAfterFight afterFight_;
  Battle battle_;
  int steps_ = 0;
};

struct HeadlessResult {
  int winner = -1;  // 0 or 1; -1 when the cap ended the fight
  int steps = 0;    // presses of the next command
  std::vector<std::string> narration;
};

struct HeadlessOptions {
  int stepCap = 1000;
  bool keepNarration = true;
};

// Plays until a Doll is broken or the step cap is reached.
HeadlessResult playHeadless(DollRef fighter0, DollRef fighter1, FightController& policy0,
                            Random& rnd, HeadlessOptions options = {});

}  // namespace velko
