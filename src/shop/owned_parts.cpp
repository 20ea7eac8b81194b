#include "shop/owned_parts.h"

#include "shop/shop_kinds.h"

namespace velko {

namespace {

template <typename Part>
void addPart(OwnedLists& lists, int kindNumber, const Part& part) {
  if (part.name.empty()) return;
  lists[part.isNew ? kListNew : kListUsed].push_back({part.name, rowCode(kindNumber, part.ID)});
}

}  // namespace

OwnedLists ownedPartLists(const Owner& owner) {
  OwnedLists lists;
  for (int slot = 0; slot < Owner::kMotorSlots; ++slot)
    addPart(lists, kKindMotor, *owner.getMotor(slot));
  for (int slot = 0; slot < Owner::kFrameSlots; ++slot)
    addPart(lists, kKindFrame, *owner.getFrame(slot));
  for (int slot = 0; slot < Owner::kBoosterSlots; ++slot)
    addPart(lists, kKindBooster, *owner.getBooster(slot));
  for (int slot = 0; slot < Owner::kProtectorSlots; ++slot)
    addPart(lists, kKindProtector, *owner.getProtector(slot));
  for (int slot = 0; slot < Owner::kHardSlots; ++slot)
    addPart(lists, kKindHard, *owner.getHard(slot));
  return lists;
}

}  // namespace velko
