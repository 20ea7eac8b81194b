#include "workshop/mount.h"

#include "career/tournament_draw.h"
#include "core/numbers.h"
#include "model/doll_stats.h"

namespace velko {

namespace {

template <typename Ref>
std::optional<AnyPart> slotOf(const Ref& part) {
  if (!part) return std::nullopt;
  return AnyPart(part);
}

}  // namespace

std::optional<PartKind> partKindOfNumber(int kindNumber) {
  if (kindNumber < kindNumberOf(kMotorKind) || kindNumber > kindNumberOf(kComputerKind))
    return std::nullopt;
  return static_cast<PartKind>(kindNumber - 1);
}

PartKind kindOf(const AnyPart& part) {
  return static_cast<PartKind>(part.index());
}

const std::string& nameOf(const AnyPart& part) {
  return std::visit([](const auto& p) -> const std::string& { return p->name; }, part);
}

std::optional<AnyPart> ownedPart(const Owner& owner, PartKind kind, int slot) {
  switch (kind) {
    case kMotorKind:
      if (slot < 0 || slot >= Owner::kMotorSlots) return std::nullopt;
      return slotOf(owner.getMotor(slot));
    case kFrameKind:
      if (slot < 0 || slot >= Owner::kFrameSlots) return std::nullopt;
      return slotOf(owner.getFrame(slot));
    case kBoosterKind:
      if (slot < 0 || slot >= Owner::kBoosterSlots) return std::nullopt;
      return slotOf(owner.getBooster(slot));
    case kProtectorKind:
      if (slot < 0 || slot >= Owner::kProtectorSlots) return std::nullopt;
      return slotOf(owner.getProtector(slot));
    case kComputerKind:
      if (slot < 0 || slot >= Owner::kHardSlots) return std::nullopt;
      return slotOf(owner.getHard(slot));
  }
  return std::nullopt;
}

bool mountPart(doll& d, const AnyPart& part, Prompter& prompter) {
  switch (kindOf(part)) {
    case kMotorKind:
      d.Motor = std::get<MotorRef>(part);
      return true;
    case kFrameKind:
      d.frame = std::get<FrameRef>(part);
      return true;
    case kComputerKind:
      d.Hard = std::get<HardRef>(part);
      return true;
    case kBoosterKind:
      return d.addBooster(std::get<BoosterRef>(part));
    case kProtectorKind:
      return d.addProtector(std::get<ProtectorRef>(part), prompter);
  }
  return false;
}

void unmountKind(doll& d, PartKind kind) {
  switch (kind) {
    case kMotorKind:
      d.Motor = std::make_shared<Motor>();
      break;
    case kFrameKind:
      d.frame = std::make_shared<DollFrame>();
      break;
    case kComputerKind:
      d.Hard = std::make_shared<Hard>();
      break;
    case kBoosterKind:
      d.removeAllBoost();
      break;
    case kProtectorKind:
      d.removeAllProtect();
      break;
  }
}

DollStats describe(const doll& d, const Owner& pilot) {
  // The copy shares the part records, which the recomputation only reads.
  doll copy = d;
  resetDollParam(copy, pilot);
  DollStats s;
  s.pow = copy.pow;
  s.offence = copy.offence;
  s.defence = copy.defence;
  s.move = copy.move;
  s.jump = copy.jump;
  s.spin = copy.spin;
  s.AC = copy.AC;
  s.weight = copy.weight;
  s.AP = copy.AP;
  s.memory = copy.Memory;
  s.value = copy.value;
  s.motorHP = copy.Motor->HP;
  s.frameHP = copy.frame->HP;
  s.className = className(copy.value);
  return s;
}

// Written as every number in a label is: one blank before a number that is not negative.
std::string statText(double v) {
  return StrReal(v);
}

std::optional<int> mobilityQuotient(int16_t raw, double weight) {
  if (!(weight > 0)) return std::nullopt;
  return intFloor(raw / weight);
}

}  // namespace velko
