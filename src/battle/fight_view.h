#pragma once
// What the battle screen shows. The engine tells; the screen (or a test) draws.

#include <string>

#include "battle/battle_state.h"
#include "battle/fight_labels.h"

namespace velko {

class FightView {
 public:
  virtual ~FightView() = default;
  // Whether the view shows the narration, and the labels (initiative, action points, names,
  // hit points, distance, state). A view is told only what it shows, and the fight builds no
  // text for a view that shows none.
  virtual bool showsText() const { return true; }
  virtual bool showsLabels() const { return true; }
  // The narration area.
  virtual void dspMsg(const std::string& text) = 0;
  // After an initiative check: whether fighter i acts first, and "先手" / "後手" to show.
  virtual void dspInitiative(int i, bool first, const std::string& text) = 0;
  // "行動ポイント" and the points of the fighter about to act; "" for the other.
  virtual void dspAP(int i, const std::string& text) = 0;
  // Loads both Dolls' sprites at set-up.
  virtual void dspDolls(const BattleState& state) = 0;
  // The technique picture: fighter i in the pose of the action (kNoAction at set-up).
  virtual void dspFightImage(const BattleState& state, int i, ActionId action) = 0;
  // The end-of-step picture with the requested hit effects (the engine clears the request).
  virtual void dspDollImage(const BattleState& state) = 0;
  // Names, hit points with their bars, distance and state labels.
  virtual void dspLabels(const BattleState& state, const FightLabels& labels) = 0;
  // A sound effect by name; "SE" when damage lands.
  virtual void playSound(const std::string& name) = 0;
  // The fight is over for this screen (a loss or a give-up).
  virtual void closeFight() = 0;
};

}  // namespace velko
