#pragma once
// The workshop's recomputation of a Doll's derived values, shared by the screens and the
// file loaders so that both agree on AP, memory, value and picture code.

namespace velko {

class doll;
class Owner;

// refresh, then AP from the pilot's skill and the computer, memory from the computer, the
// value of the mounted parts, and the picture code from the frame and the armour.
void resetDollParam(doll& d, const Owner& pilot);

}  // namespace velko
