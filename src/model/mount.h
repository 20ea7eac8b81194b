#pragma once
// Mounting one part on a Doll and describing a Doll after the workshop's recomputation. The
// workshop's list clicks, the shop's comparison and the Doll file all go through these, so a
// preview is a copy of the Doll with the part mounted, described like the real one.

#include "model/doll.h"
#include "model/doll_stats.h"
#include "model/owner.h"
#include "model/part_kind.h"

namespace velko {

class Prompter;

// Motor, frame and computer replace what the Doll has; a booster or a protector is added
// beside the others (the Doll decides whether one more fits). False when nothing changed.
bool mountPart(doll& d, const AnyPart& part, Prompter& prompter);
// The remove row: the kind comes off (all boosters or all protectors at once).
void unmountKind(doll& d, PartKind kind);

// The workshop's recomputation run on a copy: the Doll itself is left as it is.
DollStats describe(const doll& d, const Owner& pilot);

}  // namespace velko
