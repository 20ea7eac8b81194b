#include "model/doll.h"
#include "core/shown_text.h"

#include "core/numbers.h"
#include "core/prompter.h"
#include "model/slots.h"

namespace velko {

namespace {

// A sum step that would leave 16 bits is skipped, as the Doll's sums never raise an error.
void addSkippingOverflow(int16_t& field, int add) {
  const int sum = field + add;
  if (sum < -32768 || sum > 32767) return;
  field = static_cast<int16_t>(sum);
}

}  // namespace

doll::doll()
    : Motor(std::make_shared<velko::Motor>()),
      frame(std::make_shared<DollFrame>()),
      Hard(std::make_shared<velko::Hard>()) {
  fillBlank(protectors);
  fillBlank(softM);
  fillBlank(softA);
  fillBlank(softD);
  removeAllBoost();
  removeAllLogic();
}

void doll::setLogics(LogicRef logic, int slot) {
  logics.at(slot) = std::move(logic);
}

const LogicRef& doll::getLogic(int slot) const {
  return logics.at(slot);
}

void doll::setSoftA(int slot, SoftAttackRef soft) {
  if (slot < 0 || slot >= kSoftSlots || !soft) return;
  softA[slot] = std::move(soft);
}

void doll::setSoftM(int slot, SoftMobileRef soft) {
  if (slot < 0 || slot >= kSoftSlots || !soft) return;
  softM[slot] = std::move(soft);
}

void doll::setSoftD(int slot, SoftDeffenceRef soft) {
  if (slot < 0 || slot >= kSoftSlots || !soft) return;
  softD[slot] = std::move(soft);
}

SoftAttackRef doll::getSoftA(int slot) const {
  if (slot < 0 || slot >= kSoftSlots) return nullptr;
  return softA[slot];
}

SoftMobileRef doll::getSoftM(int slot) const {
  if (slot < 0 || slot >= kSoftSlots) return nullptr;
  return softM[slot];
}

SoftDeffenceRef doll::getSoftD(int slot) const {
  if (slot < 0 || slot >= kSoftSlots) return nullptr;
  return softD[slot];
}

void doll::removeAllProtect() {
  fillBlank(protectors);
  AC = 0;
  refreshBasic();
}

void doll::removeAllBoost() {
  fillBlank(boosters);
  move = 0;
  jump = 0;
  spin = 0;
}

const BoosterRef& doll::getBoost(int slot) const {
  return boosters.at(slot);
}

const ProtectorRef& doll::getProtector(int slot) const {
  return protectors.at(slot);
}

bool doll::addBooster(BoosterRef booster) {
  if (!booster) return false;
  for (BoosterRef& slot : boosters) {
    if (slot->name.empty()) {
      slot = std::move(booster);
      return true;
    }
    if (slot->name == booster->name) return false;
  }
  return false;
}

bool doll::addProtector(ProtectorRef protector, Prompter& prompter) {
  if (!protector) return false;
  for (ProtectorRef& slot : protectors) {
    if (slot->name.empty()) {
      slot = std::move(protector);
      return true;
    }
    if (slot->name == protector->name) return false;
  }
  prompter.msgBox(shown("4枚以上貼れません"));
  return false;
}

void doll::removeAllLogic() {
  for (LogicRef& slot : logics)
    slot = std::make_shared<Logic>();
}

void doll::refresh() {
  AC = 0;
  weight = 0;
  pow = 0;
  offence = 0;
  defence = 0;
  move = 0;
  jump = 0;
  spin = 0;
  value = 0;
  refreshMotor();
  refreshFrame();
  refreshBoost();
  refreshAC();
}

void doll::refreshMotor() {
  pow = Motor->pow;
  weight += Motor->weight;
  addSkippingOverflow(value, Motor->Rl);
}

void doll::refreshFrame() {
  offence = frame->offence;
  defence = frame->defence;
  addSkippingOverflow(move, frame->move);
  addSkippingOverflow(jump, frame->jump);
  addSkippingOverflow(spin, frame->spin);
  weight += frame->weight;
  addSkippingOverflow(value, frame->Rl);
}

void doll::refreshBoost() {
  for (const BoosterRef& b : boosters) {
    if (b->name.empty()) continue;
    addSkippingOverflow(move, b->move);
    addSkippingOverflow(jump, b->jump);
    addSkippingOverflow(spin, b->spin);
    weight += b->weight;
    addSkippingOverflow(value, b->Rl);
  }
}

void doll::refreshBasic() {
  weight += Motor->weight;
  addSkippingOverflow(value, Motor->Rl);
  weight += frame->weight;
  addSkippingOverflow(value, frame->Rl);
  refreshBoost();
  // Protectors add weight and price here, not armour.
  for (const ProtectorRef& p : protectors) {
    if (p->name.empty()) continue;
    weight += p->weight;
    addSkippingOverflow(value, p->Rl);
  }
}

void doll::refreshAC() {
  for (const ProtectorRef& p : protectors) {
    if (p->name.empty()) continue;
    AC += p->AC;
    weight += p->weight;
    addSkippingOverflow(value, p->Rl);
  }
}

bool doll::isBlack() const {
  for (const ProtectorRef& p : protectors) {
    const std::string& n = p->name;
    if (n == "Carbon" || n == "Steel" || n == "Kevler" || n == "カーボン" || n == "スチール") {
      return true;
    }
  }
  return false;
}

void restoreHitPoints(doll& d) {
  d.Motor->HP = d.Motor->maxHP;
  d.frame->HP = d.frame->maxHP;
}

}  // namespace velko
