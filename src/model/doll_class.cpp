#include "model/doll_class.h"

namespace velko {

int16_t classLimit(const std::string& name) {
  for (const DollClassBound& c : kDollClasses) {
    if (name == c.name) return c.limit;
  }
  return kDollClasses.back().limit;
}

int classIndex(int16_t value) {
  const int last = static_cast<int>(kDollClasses.size()) - 1;
  for (int k = 0; k < last; ++k) {
    if (value <= kDollClasses[k].limit) return k;
  }
  return last;
}

std::string className(int16_t value) {
  return kDollClasses[classIndex(value)].name;
}

}  // namespace velko
