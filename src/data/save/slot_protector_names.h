#pragma once
// Loading a slot rebuilds protectors from the catalogue, so two protectors of one ID come back
// with one name, which the Doll's same-name rule would refuse. Before a protector is stored,
// the protectors already stored in the same container are looked at from the nearest down,
// and the first whose name begins with the new name decides:
//   - none: the name stays ("X");
//   - exactly "X": the new one becomes "X 1";
//   - "X" and more: the number after "X" (0 when there is none) plus 1, so "X 1" is followed
//     by "X 2"; the number is raised further while an earlier protector already carries the
//     name, which keeps the names of one container pairwise distinct.

#include <string>
#include <vector>

#include "model/doll.h"
#include "model/owner.h"

namespace velko {

// The name for a protector named `name` stored after `earlier` (positions 0 .. k-1).
std::string countUpName(const std::string& name, const std::vector<std::string>& earlier);

// The inventory's protectors before position k (countUpProtector), and the Doll's
// (countUpProtector2); each renames p in place.
void countUpProtector(const Owner& owner, int k, Protector& p);
void countUpProtector2(const doll& d, int k, Protector& p);

}  // namespace velko
