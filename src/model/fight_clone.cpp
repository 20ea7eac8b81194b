#include "model/fight_clone.h"

#include <memory>

namespace velko {

LogicRef copyPattern(const Logic& pattern) {
  auto copy = std::make_shared<Logic>(pattern);
  for (int slot = 0; slot < Logic::kSlots; ++slot) {
    const ActionRef& action = pattern.getActions(slot);
    copy->setAction(action ? std::make_shared<Action>(*action) : newAction(), slot);
  }
  return copy;
}

DollRef cloneForFight(const doll& d) {
  auto copy = std::make_shared<doll>(d);
  if (d.Motor) copy->Motor = std::make_shared<velko::Motor>(*d.Motor);
  if (d.frame) copy->frame = std::make_shared<DollFrame>(*d.frame);
  if (d.Hard) copy->Hard = std::make_shared<velko::Hard>(*d.Hard);
  for (int slot = 0; slot < doll::kLogicSlots; ++slot) {
    const LogicRef& pattern = d.getLogic(slot);
    if (pattern) copy->setLogics(copyPattern(*pattern), slot);
  }
  return copy;
}

}  // namespace velko
