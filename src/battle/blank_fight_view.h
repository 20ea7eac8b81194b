#pragma once
// A fight view that takes every call and shows nothing: the base of the narration log, the
// simulator's screen and the test screens, which override only what they keep.

#include <string>

#include "battle/fight_view.h"

namespace velko {

// View is FightView or a screen interface built on it.
template <class View>
class BlankView : public View {
 public:
  void dspMsg(const std::string&) override {}
  void dspInitiative(int, bool, const std::string&) override {}
  void dspAP(int, const std::string&) override {}
  void dspDolls(const BattleState&) override {}
  void dspFightImage(const BattleState&, int, ActionId) override {}
  void dspDollImage(const BattleState&) override {}
  void dspLabels(const BattleState&, const FightLabels&) override {}
  void playSound(const std::string&) override {}
  void closeFight() override {}
};

using BlankFightView = BlankView<FightView>;

}  // namespace velko
