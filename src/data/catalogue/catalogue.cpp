#include "data/catalogue/catalogue.h"

#include <string>

#include "core/numbers.h"
#include "data/catalogue/catalogue_fields.h"
#include "data/files/data_file_error.h"
#include "data/files/text_file.h"
#include "data/files/value_stream.h"

namespace velko {

namespace {

// How far each reader scans: it stops after the first header whose ID is at least this.
constexpr int kStopMotor = 99, kStopFrame = 99, kStopBoost = 99, kStopProtect = 20, kStopHard = 99,
              kStopSoft = 20;
constexpr int kTableStopMotor = 20, kTableStopFrame = 25, kTableStopBooster = 21,
              kTableStopProtector = 25, kTableStopHard = 25, kTableStopSoftM = 25,
              kTableStopSoftA = 7, kTableStopSoftD = 25;

// Scans for the first record with this ID; the stop test runs after every line on the ID of
// the latest header, so a match is taken even at the stop value.
template <typename T, typename ReadFields>
std::shared_ptr<T> readOne(const GameFolder& folder, const char* gamePath, int16_t id, int stopAt,
                           ReadFields read) {
  auto record = std::make_shared<T>();
  const TextFile file = openCatalogue(folder, gamePath);
  int lastId = 0;
  size_t next = 0;
  bool found = false;
  while (next < file.lines.size() && !found) {
    const std::string& line = file.lines[next++];
    if (isHeader(line)) {
      lastId = headerId(line);
      if (lastId == id) {
        ValueStream in(file, next);
        read(in, *record, Use::Lookup, id);
        next = in.nextLine();
        found = true;
      }
    }
    if (lastId >= stopAt) break;
  }
  if (!found) return std::make_shared<T>();
  return record;
}

template <typename T, size_t N, typename ReadFields>
void readTable(const GameFolder& folder, const char* gamePath, CatalogueTable<T, N>& table,
               int stopAt, ReadFields read) {
  const TextFile file = openCatalogue(folder, gamePath);
  int lastId = 0;
  size_t next = 0;
  while (next < file.lines.size()) {
    const std::string& line = file.lines[next++];
    if (isHeader(line)) {
      lastId = headerId(line);
      if (lastId < 0 || lastId >= static_cast<int>(N)) {
        throw noShelfError(file.name, next, lastId, N);
      }
      auto record = std::make_shared<T>();
      ValueStream in(file, next);
      read(in, *record, Use::Table, static_cast<int16_t>(lastId));
      next = in.nextLine();
      table[lastId] = record;
    }
    if (lastId >= stopAt) break;
  }
}

// Adapts the readers of the hardware kinds, which do not need the header's ID.
template <typename T>
auto withoutId(void (*read)(ValueStream&, T&, Use)) {
  return [read](ValueStream& in, T& record, Use use, int16_t id) {
    read(in, record, use);
    record.ID = id;
  };
}

}  // namespace

MotorRef ld_Motor(const GameFolder& folder, int16_t id) {
  return readOne<Motor>(folder, kMotorFile, id, kStopMotor, withoutId(readMotor));
}

FrameRef ld_Frame(const GameFolder& folder, int16_t id) {
  return readOne<DollFrame>(folder, kFrameFile, id, kStopFrame, withoutId(readFrame));
}

BoosterRef ld_Boost(const GameFolder& folder, int16_t id) {
  return readOne<Booster>(folder, kBoosterFile, id, kStopBoost, withoutId(readBooster));
}

ProtectorRef ld_Protect(const GameFolder& folder, int16_t id) {
  return readOne<Protector>(folder, kProtectorFile, id, kStopProtect, withoutId(readProtector));
}

HardRef ld_Hard(const GameFolder& folder, int16_t id) {
  return readOne<Hard>(folder, kHardwareFile, id, kStopHard, withoutId(readHard));
}

SoftMobileRef ld_SoftM(const GameFolder& folder, int16_t id) {
  return readOne<SoftMobile>(folder, kSoftMobileFile, id, kStopSoft, readSoftM);
}

SoftAttackRef ld_SoftA(const GameFolder& folder, int16_t id) {
  return readOne<SoftAttack>(folder, kSoftAttackFile, id, kStopSoft, readSoftA);
}

SoftDeffenceRef ld_SoftD(const GameFolder& folder, int16_t id) {
  return readOne<SoftDeffence>(folder, kSoftDeffenceFile, id, kStopSoft, readSoftD);
}

MotorRef ldMotor(const GameFolder& folder, int16_t id) {
  return ld_Motor(folder, id);
}

FrameRef ldFrame(const GameFolder& folder, int16_t id) {
  return readOne<DollFrame>(folder, kFrameFile, id, kStopFrame, withoutId(readFrameValues));
}

MotorTable ld_AllMotors(const GameFolder& folder) {
  MotorTable table{};
  readTable(folder, kMotorFile, table, kTableStopMotor, withoutId(readMotor));
  return table;
}

FrameTable ld_AllFrame(const GameFolder& folder) {
  FrameTable table{};
  readTable(folder, kFrameFile, table, kTableStopFrame, withoutId(readFrame));
  return table;
}

BoosterTable ld_AllBooster(const GameFolder& folder) {
  BoosterTable table{};
  for (auto& slot : table)
    slot = std::make_shared<Booster>();
  readTable(folder, kBoosterFile, table, kTableStopBooster, withoutId(readBooster));
  return table;
}

ProtectorTable ld_AllProtector(const GameFolder& folder) {
  ProtectorTable table{};
  readTable(folder, kProtectorFile, table, kTableStopProtector, withoutId(readProtector));
  return table;
}

HardTable ld_AllHard(const GameFolder& folder) {
  HardTable table{};
  readTable(folder, kHardwareFile, table, kTableStopHard, withoutId(readHard));
  return table;
}

SoftTables ld_AllSoft(const GameFolder& folder) {
  SoftTables tables{};
  readTable(folder, kSoftMobileFile, tables.mobile, kTableStopSoftM, readSoftM);
  readTable(folder, kSoftAttackFile, tables.attack, kTableStopSoftA, readSoftA);
  readTable(folder, kSoftDeffenceFile, tables.defence, kTableStopSoftD, readSoftD);
  return tables;
}

}  // namespace velko
