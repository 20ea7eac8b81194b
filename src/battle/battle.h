#pragma once
// The battle engine: one fight between fighters 0 and 1, advanced one step at a time. It owns
// the battle state; what is decided comes from the controllers, what is shown goes to the view,
// and what a decided fight brings goes to the after-fight hooks.

#include <array>
#include <cstdint>
#include <string>

#include "battle/after_fight.h"
#include "battle/battle_state.h"
#include "battle/computer_controller.h"
#include "battle/fight_controller.h"
#include "battle/fight_view.h"
#include "battle/narration.h"
#include "core/random.h"

namespace velko {

// What kind of blow the damage rule weighs: not an action number, so the two can't be mixed up.
enum class DamageKind : int16_t { Punch = 1, Kick = 2, Throw = 3, Hold = 4 };
inline constexpr DamageKind kWazaPunch = DamageKind::Punch;
inline constexpr DamageKind kWazaKick = DamageKind::Kick;
inline constexpr DamageKind kWazaThrow = DamageKind::Throw;
inline constexpr DamageKind kWazaHold = DamageKind::Hold;

// What one blow did, for the narration to tell.
struct Blow {
  int part = 0;             // the target die less one, 0-5: a punch or kick above 2 hits the motor
  int roll = 0;             // the damage dice (none for a joint lock)
  int16_t reduction = 0;    // what a ready break-fall took off, 0 without one
  int16_t damage = 0;       // to the part hit; a throw's to the motor, a joint lock's to the frame
  int16_t frameDamage = 0;  // a throw's second roll, to the frame

  bool hitsMotor() const { return part > 2; }
};

class Battle {
 public:
  // Both fighters are played by the computer until setController says otherwise.
  Battle(Random& rnd, FightView& view, AfterFight& afterFight);
  Battle(const Battle&) = delete;
  Battle& operator=(const Battle&) = delete;

  void setController(int i, FightController& controller);

  BattleState& state() { return s_; }
  const BattleState& state() const { return s_; }
  bool isOver() const { return over_; }

  // --- the turn sequence ---
  // The common reset at the start of every fight; a Doll already broken ends it here.
  void initFight(DollRef fighter0, DollRef fighter1);
  void cmdNext_Click();
  void nextFight();
  void nextDuel();
  int16_t getInitiative();
  void getAP(int i);
  void initTurn();
  void endTurn();
  void endFace();
  // Giving up, once the player has confirmed it: not a loss in the record.
  void giveUp();

  // --- techniques ---
  void waza_rtn(int i, const Logic& pattern);

  // --- hits, defence, damage and falls ---
  int get2D6();
  int Hit(int i, ActionId action);
  int bougyo_rtn(int defender, int attackRoll, int offence, int defence, int blockCount);
  Blow Damage(int i, DamageKind waza, int16_t wazaPow);
  void checkTentou(int i);
  bool checkTentou2(int i, ActionId action);

 private:
  void act(int i);
  void decideWin();
  void decideLoss();

  // Runs the action in the slot; false for an empty slot (or a number that is no action).
  bool runAction(int i, int slot, const Logic& pattern, int16_t& wazaPow);
  // One action each; they share the pattern's running power bonus.
  void move(int i, int slot, const Logic& pattern, int16_t& wazaPow);
  void jump(int i, int16_t& wazaPow);
  void spin(int i, int16_t& wazaPow);
  void strike(int i, ActionId action, DamageKind waza, int16_t& wazaPow);
  void kumi(int i, int16_t& wazaPow);
  void nage(int i, int16_t& wazaPow);
  void ori(int i, int16_t& wazaPow);
  void block(int i, int16_t& wazaPow);
  void uke(int i, int16_t& wazaPow);
  void hazusi(int i, int16_t& wazaPow);
  void patternEnd(int i, const Logic& pattern);
  // The break-fall's note, when one took damage off.
  void tellBreakFall(const Blow& blow);
  // The call of the pattern's name that ends the narration of an action.
  void patternCall(int i, const Logic& pattern);

  Random& rnd_;
  FightView& view_;
  AfterFight& afterFight_;
  ComputerController computer_;
  std::array<FightController*, 2> controllers_{&computer_, &computer_};
  BattleState s_;
  Narration narration_;
  bool labels_;  // whether the view shows the display's labels
  bool over_ = false;
};

}  // namespace velko
