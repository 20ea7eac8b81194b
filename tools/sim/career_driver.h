#pragma once
// One career played without a screen through the game's own Game object: the workshop's
// commands, the shop, the battle screen's rules and the save screen. A pilot policy derives
// from it and answers the screens it opens; every fight is played by the computer's choice of
// patterns for the player's Doll too.

#include <cstdint>
#include <optional>
#include <string>

#include "battle/computer_controller.h"
#include "battle/headless_seams.h"
#include "career/career_state.h"
#include "career/fight_session.h"
#include "career/game.h"
#include "career/navigator.h"
#include "data/files/game_folder.h"

namespace velko::sim {

class CareerDriver : public Navigator {
 public:
  CareerDriver(const GameFolder& folder, Random& rnd);

  // A new player with rolled money and skill, the first shop visit, and the workshop.
  void start();
  bool over() const { return over_; }

  bool openCharMake() override { return true; }
  void openWorkshop(std::optional<int16_t>) override {}
  // The simulated pilot is taken to change something at every visit.
  bool openShop() override {
    shopVisit();
    return true;
  }
  bool openProgram() override {
    programVisit();
    return true;
  }
  void openFight(int16_t mode, const std::string& className) override;
  std::optional<int16_t> openSaveLoad(int16_t) override { return slot_; }
  void showTitle() override { over_ = true; }
  void endProgram() override { over_ = true; }

 protected:
  // What the pilot does in the shop and the program editor.
  virtual void shopVisit() {}
  virtual void programVisit() {}
  // Asked before every press of the next command; true gives up the fight.
  virtual bool giveUpNow(FightSession&) { return false; }
  // Told after every press, and once a fight has ended.
  virtual void afterPress(FightSession&) {}
  virtual void fightEnded(FightSession&, int16_t) {}
  // A fight that runs past the press limit.
  virtual void fightStuck() {}
  // Who chooses the player's patterns and moves; the computer's rule unless a policy says.
  virtual FightController& playerController() { return computer_; }

  int pick(int n);

  Random& rnd_;
  SilentPrompter prompter_{true};  // a pilot who goes along with every command
  SilentMusic music_;
  CareerState state_;
  CareerServices services_;
  Game game_;
  std::optional<int16_t> slot_;
  bool over_ = false;

 private:
  ComputerController computer_;
};

}  // namespace velko::sim
