#include "model/action_factories.h"

#include "model/doll.h"

namespace velko {

ActionRef workshopAction(const doll& playerDoll, int id) {
  if (id >= kMove && id <= kSpin) return playerDoll.getSoftM(0)->getAction(id);
  if (id >= kPunch && id <= kHold) return playerDoll.getSoftA(0)->getAction(id);
  if (id >= kBlock && id <= kHazusi) return playerDoll.getSoftD(0)->getAction(id);
  return newAction();
}

ActionRef battleAction(int id) {
  auto action = newAction();
  action->ID = static_cast<int16_t>(id);
  action->name = actionName(id);
  return action;
}

}  // namespace velko
