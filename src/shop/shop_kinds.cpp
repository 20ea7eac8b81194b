#include "shop/shop_kinds.h"

#include <string>

namespace velko {

int kindNumberOfIndex(int index) {
  if (index < 0 || index >= static_cast<int>(kShopKindNames.size())) return kKindMotor;
  return index + 1;
}

bool isShopKind(int kindNumber) {
  return kindNumber >= kKindMotor && kindNumber <= kKindHard;
}

int rowCode(int kindNumber, int16_t id) {
  return kindNumber * 1000 + id;
}

int kindOfCode(int code) {
  const std::string digits = std::to_string(code);
  if (digits[0] < '0' || digits[0] > '9') return 0;  // a negative code names no kind
  return digits[0] - '0';
}

int16_t idOfCode(int code) {
  return static_cast<int16_t>(code - kindOfCode(code) * 1000);
}

}  // namespace velko
