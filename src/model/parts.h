#pragma once
// The hardware part records. A record is a plain value holder shared by reference between the
// player's inventory and the Doll that mounts it; an empty name marks an empty record.

#include <cstdint>
#include <memory>
#include <string>

namespace velko {

struct Motor {
  int16_t ID = 0;
  std::string name;
  int16_t pow = 0;
  int16_t Rl = 0;
  int16_t HP = 0;
  int16_t maxHP = 0;
  int16_t weight = 0;
  bool isNew = true;
};

struct DollFrame {
  int16_t ID = 0;
  std::string name;
  int16_t offence = 0;
  int16_t defence = 0;
  int16_t move = 0;
  int16_t jump = 0;
  int16_t spin = 0;
  int16_t Rl = 0;
  int16_t HP = 0;
  int16_t maxHP = 0;
  int16_t weight = 0;
  bool isNew = true;
  std::string image = "00";
};

struct Booster {
  int16_t ID = 0;
  std::string name;
  int16_t move = 0;
  int16_t jump = 0;
  int16_t spin = 0;
  int16_t HP = 0;
  int16_t Rl = 0;
  int16_t weight = 0;
  bool isNew = true;
};

struct Protector {
  int16_t ID = 0;
  std::string name;
  double AC = 0;
  int16_t Rl = 0;
  double weight = 0;
  bool isNew = true;

  // A record of its own with the same catalogue values, new whatever this one is.
  std::shared_ptr<Protector> clone() const;
};

struct Hard {
  int16_t ID = 0;
  std::string name;
  int16_t Rl = 0;
  int16_t CPU = 0;
  int16_t Memory = 0;
  bool isNew = true;
};

using MotorRef = std::shared_ptr<Motor>;
using FrameRef = std::shared_ptr<DollFrame>;
using BoosterRef = std::shared_ptr<Booster>;
using ProtectorRef = std::shared_ptr<Protector>;
using HardRef = std::shared_ptr<Hard>;

}  // namespace velko
