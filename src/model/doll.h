#pragma once
// A Doll: references to its mounted parts, its programs, and the statistics the battle reads.
// The Doll only stores and sums; when to recompute is the workshop's decision.

#include <array>
#include <cstdint>
#include <string>

#include "model/action.h"
#include "model/parts.h"
#include "model/software.h"

namespace velko {

class Prompter;

class doll {
 public:
  static constexpr int kBoosterSlots = 8;
  static constexpr int kProtectorSlots = 4;
  static constexpr int kSoftSlots = 4;
  static constexpr int kLogicSlots = 13;

  int16_t ID = 0;
  std::string name = "PlayerDoll";
  int16_t ownerID = 0;
  int16_t pow = 0;
  int16_t offence = 0;
  int16_t defence = 0;
  int16_t move = 0;
  int16_t jump = 0;
  int16_t spin = 0;
  double AC = 0;
  int16_t AP = 0;
  int16_t Memory = 0;
  // The fields share their names with the part classes, so the types are named in full.
  std::shared_ptr<velko::Motor> Motor;
  std::shared_ptr<velko::DollFrame> frame;
  std::shared_ptr<velko::Hard> Hard;
  int16_t junkParts = 0;
  int16_t value = 0;
  double weight = 0;
  bool programed = false;
  std::string image = "01";

  doll();

  void setLogics(LogicRef logic, int slot);
  const LogicRef& getLogic(int slot) const;
  // Slots outside 0-3 are ignored (set) or yield nothing (get).
  void setSoftA(int slot, SoftAttackRef soft);
  void setSoftM(int slot, SoftMobileRef soft);
  void setSoftD(int slot, SoftDeffenceRef soft);
  SoftAttackRef getSoftA(int slot) const;
  SoftMobileRef getSoftM(int slot) const;
  SoftDeffenceRef getSoftD(int slot) const;
  void removeAllProtect();
  void removeAllBoost();
  const BoosterRef& getBoost(int slot) const;
  const ProtectorRef& getProtector(int slot) const;
  // At most one booster of each name, in 8 slots; refused silently.
  bool addBooster(BoosterRef booster);
  // At most one protector of each name, in 4 slots; a fifth is refused with a message.
  bool addProtector(ProtectorRef protector, Prompter& prompter);
  void removeAllLogic();
  void refresh();
  void refreshMotor();
  void refreshFrame();
  void refreshBoost();
  void refreshBasic();
  void refreshAC();
  bool isBlack() const;

 private:
  std::array<BoosterRef, kBoosterSlots> boosters;
  std::array<ProtectorRef, kProtectorSlots> protectors;
  std::array<SoftMobileRef, kSoftSlots> softM;
  std::array<SoftAttackRef, kSoftSlots> softA;
  std::array<SoftDeffenceRef, kSoftSlots> softD;
  std::array<LogicRef, kLogicSlots> logics;
};

using DollRef = std::shared_ptr<doll>;

// Motor and frame back at their full hit points.
void restoreHitPoints(doll& d);

}  // namespace velko
