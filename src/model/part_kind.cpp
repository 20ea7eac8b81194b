#include "model/part_kind.h"

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

}  // namespace velko
