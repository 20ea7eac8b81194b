#include "battle/fight_controller.h"

namespace velko {

const Logic* chosenPattern(const doll& d, int n) {
  if (n < 1 || n > doll::kLogicSlots) return nullptr;
  return d.getLogic(n - 1).get();
}

}  // namespace velko
