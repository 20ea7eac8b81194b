#pragma once
// The player record: name, money, fight record, skills, level, and the inventory of owned
// parts in fixed slots per kind (every slot always holds a record; an empty name is free).

#include <array>
#include <cstdint>
#include <string>

#include "model/parts.h"
#include "model/software.h"

namespace velko {

class Random;

class Owner {
 public:
  std::string name = "秋津遥人";
  int16_t Rl = 0;
  int16_t recWin = 0;
  int16_t recLoose = 0;
  int16_t recChamp = 0;
  int16_t skillHard = 0;
  int16_t skillSoft = 0;
  int16_t skillPlay = 0;
  int16_t Lv = 0;
  int16_t exp = 0;

  static constexpr int kMotorSlots = 4;
  static constexpr int kFrameSlots = 4;
  static constexpr int kBoosterSlots = 10;
  // The booster kind has ten slots, but buying stores into the first five only.
  static constexpr int kBoosterStoreSlots = 5;
  static constexpr int kProtectorSlots = 10;
  static constexpr int kHardSlots = 4;
  static constexpr int kSoftSlots = 4;

  // A record with no money and no parts; a fresh player's money is rolled by the new-player
  // routine (freshOwner, initPlayer), a loaded one's read from its file.
  Owner();

  int16_t countProtector(int16_t id) const;
  void useAllParts();

  // Store into the first free slot; false (and nothing changes) when the kind is full.
  bool setMotor(MotorRef part);
  bool setFrame(FrameRef part);
  bool setBooster(BoosterRef part);
  bool setProtector(ProtectorRef part);
  bool setHard(HardRef part);
  bool setSoftM(SoftMobileRef part);
  bool setSoftA(SoftAttackRef part);
  bool setSoftD(SoftDeffenceRef part);

  const MotorRef& getMotor(int slot) const;
  const FrameRef& getFrame(int slot) const;
  const BoosterRef& getBooster(int slot) const;
  const ProtectorRef& getProtector(int slot) const;
  const HardRef& getHard(int slot) const;
  const SoftMobileRef& getSoftM(int slot) const;
  const SoftAttackRef& getSoftA(int slot) const;
  const SoftDeffenceRef& getSoftD(int slot) const;

  // Take out the first part with this ID and this new/used flag; later slots move down.
  void removeMotor(int16_t id, bool isNew);
  void removeFrame(int16_t id, bool isNew);
  void removeBoost(int16_t id, bool isNew);
  void removeProtect(int16_t id, bool isNew);
  void removeHard(int16_t id, bool isNew);
  void removeSoftA(int16_t id, bool isNew);
  void removeSoftD(int16_t id, bool isNew);
  void removeSoftM(int16_t id, bool isNew);

  void removeAllPart();
  // The money of a fresh record: 1400 to 2400 in steps of 100.
  void putInitRl(Random& rnd);

 private:
  std::array<MotorRef, kMotorSlots> motors;
  std::array<FrameRef, kFrameSlots> frames;
  std::array<BoosterRef, kBoosterSlots> boosters;
  std::array<ProtectorRef, kProtectorSlots> protectors;
  std::array<HardRef, kHardSlots> hards;
  std::array<SoftAttackRef, kSoftSlots> softA;
  std::array<SoftDeffenceRef, kSoftSlots> softD;
  std::array<SoftMobileRef, kSoftSlots> softM;
};

}  // namespace velko
