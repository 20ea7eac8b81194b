#include "model/mount.h"

#include "model/doll_class.h"
#include "core/numbers.h"
#include "model/doll_stats.h"

namespace velko {

bool mountPart(doll& d, const AnyPart& part, Prompter& prompter) {
  switch (kindOf(part)) {
    case kMotorKind:
      d.Motor = std::get<MotorRef>(part);
      return true;
    case kFrameKind:
      d.frame = std::get<FrameRef>(part);
      return true;
    case kComputerKind:
      d.Hard = std::get<HardRef>(part);
      return true;
    case kBoosterKind:
      return d.addBooster(std::get<BoosterRef>(part));
    case kProtectorKind:
      return d.addProtector(std::get<ProtectorRef>(part), prompter);
  }
  return false;
}

void unmountKind(doll& d, PartKind kind) {
  switch (kind) {
    case kMotorKind:
      d.Motor = std::make_shared<Motor>();
      break;
    case kFrameKind:
      d.frame = std::make_shared<DollFrame>();
      break;
    case kComputerKind:
      d.Hard = std::make_shared<Hard>();
      break;
    case kBoosterKind:
      d.removeAllBoost();
      break;
    case kProtectorKind:
      d.removeAllProtect();
      break;
  }
}

DollStats describe(const doll& d, const Owner& pilot) {
  // The copy shares the part records, which the recomputation only reads.
  doll copy = d;
  resetDollParam(copy, pilot);
  DollStats s;
  s.pow = copy.pow;
  s.offence = copy.offence;
  s.defence = copy.defence;
  s.move = copy.move;
  s.jump = copy.jump;
  s.spin = copy.spin;
  s.AC = copy.AC;
  s.weight = copy.weight;
  s.AP = copy.AP;
  s.memory = copy.Memory;
  s.value = copy.value;
  s.motorHP = copy.Motor->HP;
  s.frameHP = copy.frame->HP;
  s.className = className(copy.value);
  return s;
}

}  // namespace velko
