#include "model/doll_stats.h"

#include "core/numbers.h"
#include "model/doll.h"
#include "model/owner.h"

namespace velko {

namespace {

// The value counts the computer, motor, frame, booster slots 0-3 (not 4-7), protector slots
// 0-3 and the three programs in slot 0.
int mountedValue(const doll& d) {
  int sum = d.Motor->Rl + d.Hard->Rl + d.frame->Rl;
  for (int i = 0; i < 4; ++i)
    sum += d.getBoost(i)->Rl;
  for (int i = 0; i < doll::kProtectorSlots; ++i)
    sum += d.getProtector(i)->Rl;
  sum += d.getSoftA(0)->Rl + d.getSoftD(0)->Rl + d.getSoftM(0)->Rl;
  return sum;
}

}  // namespace

void resetDollParam(doll& d, const Owner& pilot) {
  d.refresh();
  d.AP = saturate16(intFloor(pilot.skillPlay / 5.0) + d.Hard->CPU);
  d.Memory = d.Hard->Memory;
  // A value beyond 16 bits stays at the top rather than wrapping into a cheap class.
  d.value = saturate16(mountedValue(d));
  if (d.frame->image == "01") {
    d.image = "01";
  } else if (d.frame->image == "02") {
    d.image = d.isBlack() ? "0202" : "0201";
  }
}

// Written as every number in a label is: one blank before a number that is not negative.
std::string statText(double v) {
  return StrReal(v);
}

std::optional<int> mobilityQuotient(int16_t raw, double weight) {
  if (!(weight > 0)) return std::nullopt;
  return intFloor(raw / weight);
}

}  // namespace velko
