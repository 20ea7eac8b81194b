#include "model/parts.h"

namespace velko {

std::shared_ptr<Protector> Protector::clone() const {
  auto copy = std::make_shared<Protector>();
  copy->ID = ID;
  copy->name = name;
  copy->AC = AC;
  copy->Rl = Rl;
  copy->weight = weight;
  return copy;
}

}  // namespace velko
