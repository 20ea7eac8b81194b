#include "model/software.h"

#include <initializer_list>
#include <utility>

namespace velko {

namespace {

ActionRef namedAction(int16_t id) {
  auto action = newAction();
  action->ID = id;
  action->name = actionName(id);
  return action;
}

// All AP first, then all Memory, as the catalogue readers rely on.
void copyCosts(std::initializer_list<std::pair<Action*, const Action*>> pairs) {
  for (const auto& [to, from] : pairs)
    to->AP = from->AP;
  for (const auto& [to, from] : pairs)
    to->Memory = from->Memory;
}

}  // namespace

SoftMobile::SoftMobile()
    : move(namedAction(kMove)), jump(namedAction(kJump)), spin(namedAction(kSpin)) {}

void SoftMobile::init(int16_t id, const std::string& softName, int16_t price) {
  ID = id;
  name = softName;
  Rl = price;
}

void SoftMobile::init2(const Action& moveCost, const Action& jumpCost, const Action& spinCost) {
  copyCosts({{move.get(), &moveCost}, {jump.get(), &jumpCost}, {spin.get(), &spinCost}});
}

ActionRef SoftMobile::getAction(int id) const {
  switch (id) {
    case kMove:
      return move;
    case kJump:
      return jump;
    case kSpin:
      return spin;
    default:
      return newAction();
  }
}

SoftAttack::SoftAttack()
    : punch(namedAction(kPunch)),
      kick(namedAction(kKick)),
      kumi(namedAction(kKumi)),
      drop(namedAction(kDrop)),
      hold(namedAction(kHold)) {}

void SoftAttack::init(int16_t id, const std::string& softName, int16_t price) {
  ID = id;
  name = softName;
  Rl = price;
}

void SoftAttack::init2(const Action& punchCost, const Action& kickCost, const Action& kumiCost,
                       const Action& dropCost, const Action& holdCost) {
  copyCosts({{punch.get(), &punchCost},
             {kick.get(), &kickCost},
             {kumi.get(), &kumiCost},
             {drop.get(), &dropCost},
             {hold.get(), &holdCost}});
}

ActionRef SoftAttack::getAction(int id) const {
  switch (id) {
    case kPunch:
      return punch;
    case kKick:
      return kick;
    case kKumi:
      return kumi;
    case kDrop:
      return drop;
    case kHold:
      return hold;
    default:
      return newAction();
  }
}

SoftDeffence::SoftDeffence()
    : hazusi(namedAction(kHazusi)), uke(namedAction(kUke)), block(namedAction(kBlock)) {}

void SoftDeffence::init(int16_t id, const std::string& softName, int16_t price) {
  ID = id;
  name = softName;
  Rl = price;
}

void SoftDeffence::init2(const Action& blockCost, const Action& ukeCost, const Action& hazusiCost) {
  copyCosts({{block.get(), &blockCost}, {uke.get(), &ukeCost}, {hazusi.get(), &hazusiCost}});
}

ActionRef SoftDeffence::getAction(int id) const {
  switch (id) {
    case kBlock:
      return block;
    case kUke:
      return uke;
    case kHazusi:
      return hazusi;
    default:
      return newAction();
  }
}

}  // namespace velko
