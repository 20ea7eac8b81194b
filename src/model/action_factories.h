#pragma once
// Turning a stored action number back into an action object, as the file readers do.

#include "model/action.h"

namespace velko {

class doll;

// The workshop's getAction: the installed software's own action (software slot 0 of the
// given Doll, normally the player's), so a loaded pattern carries that software's costs.
ActionRef workshopAction(const doll& playerDoll, int id);

// The battle screen's getAction: a new action with the ID and, for 1 to 11, its name; no
// costs (opponent patterns take their totals from the registry file).
ActionRef battleAction(int id);

}  // namespace velko
