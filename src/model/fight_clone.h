#pragma once
// The Doll a fight runs on: a copy whose motor, frame and patterns are its own records, so the
// fight's damage never lands on the inventory's parts and another thread may fight it while
// the screens keep the original. What a fight brings back is written by the after-fight rules.

#include "model/doll.h"

namespace velko {

// The pattern as it stands, slot for slot, with its own actions (gaps are kept).
LogicRef copyPattern(const Logic& pattern);

// Statistics, name and picture as they are; motor, frame, hardware and patterns copied; the
// other parts shared, as a fight never reads or changes them.
DollRef cloneForFight(const doll& d);

}  // namespace velko
