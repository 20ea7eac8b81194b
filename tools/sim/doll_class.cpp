#include "sim/doll_class.h"

namespace velko::sim {

DollClass classOf(int16_t value) {
  return static_cast<DollClass>(classIndex(value));
}

const char* className(DollClass c) {
  return kDollClasses[static_cast<size_t>(c)].name;
}

}  // namespace velko::sim
