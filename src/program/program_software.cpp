#include "program/program_software.h"

namespace velko {

ProgramSoftware::ProgramSoftware(const doll& d)
    : softM_(d.getSoftM(0)), softA_(d.getSoftA(0)), softD_(d.getSoftD(0)) {
  // A Doll never holds an empty software slot; blank records keep the editor usable anyway.
  if (!softM_) softM_ = std::make_shared<SoftMobile>();
  if (!softA_) softA_ = std::make_shared<SoftAttack>();
  if (!softD_) softD_ = std::make_shared<SoftDeffence>();
}

void ProgramSoftware::nameActions() const {
  for (int id = kMove; id <= kHazusi; ++id) {
    const ActionRef record = action(id);
    record->ID = static_cast<int16_t>(id);
    record->name = actionName(id);
  }
}

ActionRef ProgramSoftware::action(int id) const {
  if (id >= kMove && id <= kSpin) return softM_->getAction(id);
  if (id >= kPunch && id <= kHold) return softA_->getAction(id);
  if (id >= kBlock && id <= kHazusi) return softD_->getAction(id);
  return nullptr;
}

std::string ProgramSoftware::softName(int kind) const {
  switch (kind) {
    case 0:
      return softM_->name;
    case 1:
      return softA_->name;
    case 2:
      return softD_->name;
    default:
      return "";
  }
}

}  // namespace velko
