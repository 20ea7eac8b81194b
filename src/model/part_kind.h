#pragma once
// The kinds of part a Doll mounts and one part of any of them: the words the workshop, the
// shop's comparison and the Doll file share.

#include <optional>
#include <string>
#include <variant>

#include "model/owner.h"
#include "model/parts.h"

namespace velko {

// The kinds a Doll mounts, in the workshop selector's order (index 0-4). The shop's row codes
// number the same kinds 1-5 (kindNumberOf).
enum PartKind { kMotorKind = 0, kFrameKind, kBoosterKind, kProtectorKind, kComputerKind };

inline constexpr int kindNumberOf(PartKind kind) {
  return static_cast<int>(kind) + 1;
}
// The kind of a row-code kind number 1-5; nothing for any other number.
std::optional<PartKind> partKindOfNumber(int kindNumber);

// One part of any mountable kind; the alternative's index is its PartKind.
using AnyPart = std::variant<MotorRef, FrameRef, BoosterRef, ProtectorRef, HardRef>;

PartKind kindOf(const AnyPart& part);
const std::string& nameOf(const AnyPart& part);
// Inventory slot `slot` of a kind; nothing outside the kind's slots.
std::optional<AnyPart> ownedPart(const Owner& owner, PartKind kind, int slot);

}  // namespace velko
