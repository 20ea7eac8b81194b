#pragma once
// Mounting one part on a Doll and describing a Doll after the workshop's recomputation. The
// workshop's list clicks, the shop's comparison and the Doll file all go through these, so a
// preview is a copy of the Doll with the part mounted, described like the real one.

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

#include "model/doll.h"
#include "model/owner.h"

namespace velko {

class Prompter;

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

// Motor, frame and computer replace what the Doll has; a booster or a protector is added
// beside the others (the Doll decides whether one more fits). False when nothing changed.
bool mountPart(doll& d, const AnyPart& part, Prompter& prompter);
// The remove row: the kind comes off (all boosters or all protectors at once).
void unmountKind(doll& d, PartKind kind);

// The Doll's numbers as the workshop shows them, after its recomputation.
struct DollStats {
  int16_t pow = 0, offence = 0, defence = 0;
  int16_t move = 0, jump = 0, spin = 0;  // raw, before dividing by the weight
  double AC = 0;
  double weight = 0;
  int16_t AP = 0, memory = 0, value = 0;
  int16_t motorHP = 0, frameHP = 0;  // the hit points the parts have now
  std::string className;
};

// The workshop's recomputation run on a copy: the Doll itself is left as it is.
DollStats describe(const doll& d, const Owner& pilot);

// A statistic as the workshop writes it: the shortest decimal form (1.5, 40).
std::string statText(double v);

// move, jump or spin divided by the weight and rounded down; nothing when the weight is not
// above 0 (the workshop shows "--").
std::optional<int> mobilityQuotient(int16_t raw, double weight);

}  // namespace velko
