#include "sim/doll_class.h"

namespace velko::sim {

DollClass classOf(int16_t value) {
  if (value <= kNoviceLimit) return DollClass::Novice;
  if (value <= kExpertLimit) return DollClass::Expert;
  return DollClass::Master;
}

const char* className(DollClass c) {
  switch (c) {
    case DollClass::Novice:
      return "Novice";
    case DollClass::Expert:
      return "Expert";
    case DollClass::Master:
      return "Master";
  }
  return "";
}

}  // namespace velko::sim
