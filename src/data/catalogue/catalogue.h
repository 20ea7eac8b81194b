#pragma once
// The parts catalogue: eight CP932 text files under ini/, read afresh whenever a screen needs
// them. Single-record readers look a part up by ID; table readers fill the shop's tables.
// Every reader throws DataFileError for a missing, unreadable or malformed file.

#include <array>
#include <cstdint>
#include <memory>

#include "data/files/game_folder.h"
#include "model/parts.h"
#include "model/software.h"

namespace velko {

// A table indexed by ID; an empty slot holds no record (nullptr), boosters excepted.
template <typename T, size_t N>
using CatalogueTable = std::array<std::shared_ptr<T>, N>;

using MotorTable = CatalogueTable<Motor, 21>;
using FrameTable = CatalogueTable<DollFrame, 31>;
using BoosterTable = CatalogueTable<Booster, 21>;  // every slot holds at least a blank booster
using ProtectorTable = CatalogueTable<Protector, 21>;
using HardTable = CatalogueTable<Hard, 21>;
using SoftMobileTable = CatalogueTable<SoftMobile, 21>;
using SoftAttackTable = CatalogueTable<SoftAttack, 21>;
using SoftDeffenceTable = CatalogueTable<SoftDeffence, 21>;

struct SoftTables {
  SoftMobileTable mobile;
  SoftAttackTable attack;
  SoftDeffenceTable defence;
};

// The catalogue files as the game names them.
inline constexpr const char* kMotorFile = "\\ini\\Motor.ini";
inline constexpr const char* kFrameFile = "\\ini\\Frame.ini";
inline constexpr const char* kBoosterFile = "\\ini\\Booster.ini";
inline constexpr const char* kProtectorFile = "\\ini\\Protector.ini";
inline constexpr const char* kHardwareFile = "\\ini\\Hardware.ini";
inline constexpr const char* kSoftMobileFile = "\\ini\\Software1.ini";
inline constexpr const char* kSoftAttackFile = "\\ini\\Software2.ini";
inline constexpr const char* kSoftDeffenceFile = "\\ini\\Software3.ini";

// Single-record readers: a new record of the kind, blank when the ID is not found before the
// reader's stop. Motors and frames come with HP and maxHP both at the catalogue HP.
MotorRef ld_Motor(const GameFolder& folder, int16_t id);
FrameRef ld_Frame(const GameFolder& folder, int16_t id);
BoosterRef ld_Boost(const GameFolder& folder, int16_t id);
ProtectorRef ld_Protect(const GameFolder& folder, int16_t id);
HardRef ld_Hard(const GameFolder& folder, int16_t id);
SoftMobileRef ld_SoftM(const GameFolder& folder, int16_t id);
SoftAttackRef ld_SoftA(const GameFolder& folder, int16_t id);
SoftDeffenceRef ld_SoftD(const GameFolder& folder, int16_t id);

// The battle screen's readers of an opponent's motor and frame; the frame's image stays "00".
MotorRef ldMotor(const GameFolder& folder, int16_t id);
FrameRef ldFrame(const GameFolder& folder, int16_t id);

// Table readers. Tables carry the catalogue HP in HP only (maxHP is set when bought). A header
// whose ID has no slot in the table is a DataFileError.
MotorTable ld_AllMotors(const GameFolder& folder);
FrameTable ld_AllFrame(const GameFolder& folder);
BoosterTable ld_AllBooster(const GameFolder& folder);
ProtectorTable ld_AllProtector(const GameFolder& folder);
HardTable ld_AllHard(const GameFolder& folder);
SoftTables ld_AllSoft(const GameFolder& folder);

}  // namespace velko
