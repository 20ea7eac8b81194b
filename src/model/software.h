#pragma once
// The three software kinds. Each owns one Action per basic action it governs; the action's
// AP and Memory are what that action costs a Doll running this software.

#include <cstdint>
#include <memory>
#include <string>

#include "model/action.h"

namespace velko {

struct SoftMobile {
  int16_t ID = 0;
  std::string name;
  ActionRef move;
  ActionRef jump;
  ActionRef spin;
  int16_t Rl = 0;
  bool isNew = true;

  SoftMobile();
  void init(int16_t id, const std::string& softName, int16_t price);
  void init2(const Action& moveCost, const Action& jumpCost, const Action& spinCost);
  // The record's own action for 1 to 3; a new empty action otherwise.
  ActionRef getAction(int id) const;
};

struct SoftAttack {
  int16_t ID = 0;
  std::string name;
  ActionRef punch;
  ActionRef kick;
  ActionRef kumi;
  ActionRef drop;
  ActionRef hold;
  int16_t Rl = 0;
  bool isNew = true;

  SoftAttack();
  void init(int16_t id, const std::string& softName, int16_t price);
  void init2(const Action& punchCost, const Action& kickCost, const Action& kumiCost,
             const Action& dropCost, const Action& holdCost);
  // The record's own action for 4 to 8; a new empty action otherwise.
  ActionRef getAction(int id) const;
};

// The fields stand in the order hazusi, uke, block; the catalogue and init2 give block first.
struct SoftDeffence {
  int16_t ID = 0;
  std::string name;
  ActionRef hazusi;
  ActionRef uke;
  ActionRef block;
  int16_t Rl = 0;
  bool isNew = true;

  SoftDeffence();
  void init(int16_t id, const std::string& softName, int16_t price);
  void init2(const Action& blockCost, const Action& ukeCost, const Action& hazusiCost);
  // The record's own action for 9 to 11; a new empty action otherwise.
  ActionRef getAction(int id) const;
};

using SoftMobileRef = std::shared_ptr<SoftMobile>;
using SoftAttackRef = std::shared_ptr<SoftAttack>;
using SoftDeffenceRef = std::shared_ptr<SoftDeffence>;

}  // namespace velko
