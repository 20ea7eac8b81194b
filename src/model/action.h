#pragma once
// Basic actions and the action patterns (Logic) a Doll runs.

#include <array>
#include <cstdint>
#include <memory>
#include <string>

namespace velko {

class Prompter;
struct SoftMobile;
struct SoftAttack;

// The eleven basic action numbers, the same in files, software and battle rules.
enum ActionId : int16_t {
  kNoAction = 0,
  kMove = 1,
  kJump = 2,
  kSpin = 3,
  kPunch = 4,
  kKick = 5,
  kKumi = 6,
  kDrop = 7,
  kHold = 8,
  kBlock = 9,
  kUke = 10,
  kHazusi = 11,
};

// "移動" ... "外し" for 1 to 11; "" for any other number.
std::string actionName(int id);
// Whether the number is one of the eleven basic actions (an empty slot holds 0).
bool isAction(int id);

// One basic action, or one slot of a pattern.
struct Action {
  int16_t ID = 0;
  int16_t Memory = 0;
  int16_t AP = 0;
  std::string name;

  // Takes the costs of a mobility (1-3) or attack (4-8) action; other IDs change only ID.
  Action& getActionA(int16_t Index, const SoftAttack& softA, const SoftMobile& softM);
  // Takes the costs of a mobility action (1-3); any other ID leaves an empty action.
  Action& getActionM(int16_t Index, const SoftMobile& softM);
};

using ActionRef = std::shared_ptr<Action>;

ActionRef newAction();

// An action pattern: up to ten actions read from slot 0; the first empty slot ends it.
// Slots hold shared actions: the player's patterns hold the installed software's own objects.
class Logic {
 public:
  static constexpr int kSlots = 10;

  int16_t dollID = 0;
  int16_t ID = 0;
  std::string name;
  int16_t AP = 0;
  int16_t Memory = 0;

  Logic();

  // Same ID and name, the actions re-added in order (packed to the front), dollID 0.
  std::shared_ptr<Logic> clone() const;
  void removeAll();
  std::string getActionsname(int slot) const;
  int16_t getTotalMem();
  int16_t getTotalAP();
  const ActionRef& getActions(int slot) const;
  // Totals are left as they were until getTotalAP and getTotalMem.
  void setAction(ActionRef action, int slot);
  // Puts the action into the first free slot and adds its costs; a full pattern refuses with
  // the game's message in a plain message box.
  bool addAction(ActionRef action, Prompter& prompter);

 private:
  bool addQuietly(ActionRef action);

  std::array<ActionRef, kSlots> actions;
};

using LogicRef = std::shared_ptr<Logic>;

}  // namespace velko
