#pragma once
// Comparing before buying: what the player's Doll would become with a part of the stock
// mounted, next to what it is now. Both sides come from the workshop's own recomputation, run
// on a copy of the Doll with the part mounted; the Doll itself is not touched.

#include <string>
#include <vector>

#include "model/doll.h"
#include "model/owner.h"
#include "model/mount.h"

namespace velko {

enum class Change { Same, Better, Worse, Neutral };

struct CompareRow {
  std::string label;  // the workshop's caption of the number
  std::string now;
  std::string then;
  Change change = Change::Same;
};

struct PartComparison {
  DollStats now;
  DollStats then;
  bool fits = true;  // false when the Doll would not take the part (same name, no free slot)
  std::vector<CompareRow> rows;
  // A plain sentence when the Doll would move up a tournament class, else empty.
  std::string classNotice;
};

PartComparison comparePart(const doll& d, const Owner& pilot, const AnyPart& part);

// Novice 0, Expert 1, Master 2.
int classRank(const std::string& className);

}  // namespace velko
