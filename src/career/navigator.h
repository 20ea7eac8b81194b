#pragma once
// How the career opens screens. Each call returns when the screen it opened has closed.

#include <cstdint>
#include <optional>
#include <string>

namespace velko {

class Navigator {
 public:
  virtual ~Navigator() = default;
  // The player-creation screen; true when the player pressed Entry.
  virtual bool openCharMake() = 0;
  // The workshop of a new game, or of the save slot to load.
  virtual void openWorkshop(std::optional<int16_t> loadSlot) = 0;
  // The shop; true when it bought, sold or gave anything.
  virtual bool openShop() = 0;
  // The program editor; true when the player registered the patterns.
  virtual bool openProgram() = 0;
  // The battle screen in a fight mode (0 street, 1 tournament, 2 duel) and class.
  virtual void openFight(int16_t mode, const std::string& className) = 0;
  // The tournament's entry question is next: the screens may show the player's chances in
  // the class beside it. Nothing of the tournament may change.
  virtual void adviseTournament(const std::string& className) { (void)className; }
  // A new player's first tournament entry: the screens offer the automatic give-up and keep
  // the answer. A headless pilot is offered nothing.
  virtual void offerAutoGiveUp() {}
  // The save/load screen in mode 1 (save) or 2 (load): the confirmed slot number, if any.
  virtual std::optional<int16_t> openSaveLoad(int16_t mode) = 0;
  // After the ending's box, the career looked back on (its history is in the career state).
  virtual void showCareerSummary() {}
  // The title screen, shown as the workshop closes.
  virtual void showTitle() = 0;
  virtual void endProgram() = 0;
};

}  // namespace velko
