#pragma once
// The seams of a fight without a screen: a view that only keeps the narration, a prompter that
// nobody answers, and after-fight hooks that bring nothing.

#include <string>
#include <vector>

#include "battle/after_fight.h"
#include "battle/fight_view.h"
#include "core/silent_prompter.h"

namespace velko {

class NarrationLog : public FightView {
 public:
  explicit NarrationLog(bool keep) : keep_(keep) {}
  void dspMsg(const std::string& text) override;
  void dspInitiative(int, bool, const std::string&) override {}
  void dspAP(int, const std::string&) override {}
  void dspDolls(const BattleState&) override {}
  void dspFightImage(const BattleState&, int, int) override {}
  void dspDollImage(const BattleState&) override {}
  void dspLabels(const BattleState&, const FightLabels&) override {}
  void playSound(const std::string&) override {}
  void closeFight() override {}

  // Each text the narration area showed, in order (when kept).
  std::vector<std::string> narration;

 private:
  bool keep_;
};

// The Dolls keep their damage; whoever runs the fight decides what to do with them.
class NoAfterFight : public AfterFight {
 public:
  void setWin(int16_t) override {}
  void levelUp(int16_t) override {}
  void winFight() override {}
  void countLoss() override {}
  void Shunyu() override {}
  void Shuri() override {}
  void initParam() override {}
};

}  // namespace velko
