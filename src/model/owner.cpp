#include "model/owner.h"

#include <stdexcept>

#include "core/dice.h"
#include "model/slots.h"

namespace velko {

Owner::Owner() {
  removeAllPart();
}

int16_t Owner::countProtector(int16_t id) const {
  int16_t count = 0;
  for (const ProtectorRef& p : protectors) {
    if (p->ID == id) ++count;
  }
  return count;
}

void Owner::useAllParts() {
  markAllUsed(motors);
  markAllUsed(frames);
  markAllUsed(boosters);
  markAllUsed(protectors);
  markAllUsed(hards);
  markAllUsed(softA);
  markAllUsed(softD);
  markAllUsed(softM);
}

bool Owner::setMotor(MotorRef part) {
  return storeInFirstFree(motors, kMotorSlots, std::move(part));
}
bool Owner::setFrame(FrameRef part) {
  return storeInFirstFree(frames, kFrameSlots, std::move(part));
}
bool Owner::setBooster(BoosterRef part) {
  return storeInFirstFree(boosters, kBoosterStoreSlots, std::move(part));
}
bool Owner::setProtector(ProtectorRef part) {
  return storeInFirstFree(protectors, kProtectorSlots, std::move(part));
}
bool Owner::setHard(HardRef part) {
  return storeInFirstFree(hards, kHardSlots, std::move(part));
}
bool Owner::setSoftM(SoftMobileRef part) {
  return storeInFirstFree(softM, kSoftSlots, std::move(part));
}
bool Owner::setSoftA(SoftAttackRef part) {
  return storeInFirstFree(softA, kSoftSlots, std::move(part));
}
bool Owner::setSoftD(SoftDeffenceRef part) {
  return storeInFirstFree(softD, kSoftSlots, std::move(part));
}

const MotorRef& Owner::getMotor(int slot) const {
  return motors.at(slot);
}
const FrameRef& Owner::getFrame(int slot) const {
  return frames.at(slot);
}
const BoosterRef& Owner::getBooster(int slot) const {
  return boosters.at(slot);
}
const ProtectorRef& Owner::getProtector(int slot) const {
  return protectors.at(slot);
}
const HardRef& Owner::getHard(int slot) const {
  return hards.at(slot);
}
const SoftMobileRef& Owner::getSoftM(int slot) const {
  return softM.at(slot);
}
const SoftAttackRef& Owner::getSoftA(int slot) const {
  return softA.at(slot);
}
const SoftDeffenceRef& Owner::getSoftD(int slot) const {
  return softD.at(slot);
}

void Owner::removeMotor(int16_t id, bool isNew) {
  removeFirstMatch(motors, id, isNew);
}
void Owner::removeFrame(int16_t id, bool isNew) {
  removeFirstMatch(frames, id, isNew);
}
void Owner::removeBoost(int16_t id, bool isNew) {
  removeFirstMatch(boosters, id, isNew);
}
void Owner::removeProtect(int16_t id, bool isNew) {
  removeFirstMatch(protectors, id, isNew);
}
void Owner::removeHard(int16_t id, bool isNew) {
  removeFirstMatch(hards, id, isNew);
}
void Owner::removeSoftA(int16_t id, bool isNew) {
  removeFirstMatch(softA, id, isNew);
}
void Owner::removeSoftD(int16_t id, bool isNew) {
  removeFirstMatch(softD, id, isNew);
}
void Owner::removeSoftM(int16_t id, bool isNew) {
  removeFirstMatch(softM, id, isNew);
}

void Owner::removeAllPart() {
  fillBlank(motors);
  fillBlank(frames);
  fillBlank(boosters);
  fillBlank(protectors);
  fillBlank(hards);
  fillBlank(softA);
  fillBlank(softD);
  fillBlank(softM);
}

void Owner::putInitRl(Random& rnd) {
  Rl = static_cast<int16_t>((roll2D6(rnd)) * 100 + 1200);
}

}  // namespace velko
