#include "data/registry/registry_read.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "data/catalogue/catalogue.h"
#include "data/catalogue/catalogue_fields.h"
#include "data/files/data_file_error.h"
#include "data/files/text_file.h"
#include "data/registry/registry_doll_record.h"
#include "data/registry/registry_files.h"
#include "data/registry/registry_logic_record.h"
#include "model/action_factories.h"

namespace velko {

namespace {

TextFile readRegistry(const GameFolder& folder, const char* gamePath, const char* display) {
  return readTextFile(folder.path(gamePath), display);
}

std::optional<EnemyDollRecord> tryDollRecord(const TextFile& file, size_t& next) {
  try {
    return readEnemyDollRecord(file, next, next);
  } catch (const DataFileError&) {
    return std::nullopt;
  }
}

std::optional<EnemyLogicRecord> tryLogicRecord(const TextFile& file, size_t& next) {
  try {
    return readEnemyLogicRecord(file, next, next);
  } catch (const DataFileError&) {
    return std::nullopt;
  }
}

struct RegisteredEnemy {
  int16_t number;
  int16_t value;
};

// The registry's Dolls, each number once in the order first met, with the value of its last
// readable record (the one the loader keeps).
std::vector<RegisteredEnemy> registeredEnemies(const GameFolder& folder) {
  const TextFile file = readRegistry(folder, kEnemyDollFile, "save/EDollsv.ini");
  std::vector<RegisteredEnemy> enemies;
  size_t next = 0;
  while (next < file.lines.size()) {
    const std::string& line = file.lines[next++];
    if (!isHeader(line)) continue;
    const int number = headerId(line);
    if (number <= 0) continue;
    const auto record = tryDollRecord(file, next);
    if (!record) continue;
    auto known = std::find_if(enemies.begin(), enemies.end(),
                              [number](const RegisteredEnemy& e) { return e.number == number; });
    if (known != enemies.end()) {
      known->value = record->value;
    } else if (enemies.size() < kMostRegistryDolls) {
      enemies.push_back({static_cast<int16_t>(number), record->value});
    }
  }
  return enemies;
}

void setStatistics(const GameFolder& folder, doll& d, int16_t r, const EnemyDollRecord& e) {
  d.ID = r;
  d.name = e.name;
  d.ownerID = e.ownerID;
  d.pow = e.pow;
  d.offence = e.offence;
  d.defence = e.defence;
  d.move = e.move;
  d.jump = e.jump;
  d.spin = e.spin;
  d.AC = e.AC;
  d.AP = e.AP;
  d.Memory = e.Memory;
  d.junkParts = e.junkParts;
  d.value = e.value;
  d.weight = e.weight;
  d.image = e.image;
  d.Motor = ldMotor(folder, e.motor);
  d.frame = ldFrame(folder, e.frame);
}

// The pattern as the battle screen builds it: names without costs, the totals from the file.
// Empty action IDs take no place, as adding them one by one would leave them.
LogicRef enemyLogic(int number, const EnemyLogicRecord& e) {
  auto logic = std::make_shared<Logic>();
  logic->ID = static_cast<int16_t>(number);
  logic->name = e.name;
  logic->AP = e.AP;
  logic->Memory = e.Memory;
  int slot = 0;
  for (int16_t id : e.actions) {
    if (id != 0) logic->setAction(battleAction(id), slot++);
  }
  return logic;
}

}  // namespace

DollRef enemyDollOf(const GameFolder& folder, int16_t r, const EnemyDollRecord& record,
                    const std::vector<EnemyLogicRecord>& patterns) {
  auto d = std::make_shared<doll>();
  setStatistics(folder, *d, r, record);
  d->removeAllLogic();
  int slot = 0;
  for (const EnemyLogicRecord& p : patterns) {
    if (slot < doll::kLogicSlots) d->setLogics(enemyLogic(r, p), slot++);
  }
  return d;
}

DollRef ldTekiDoll(const GameFolder& folder, int16_t r) {
  auto d = std::make_shared<doll>();
  const TextFile file = readRegistry(folder, kEnemyDollFile, "save/EDollsv.ini");
  std::optional<EnemyDollRecord> found;
  size_t next = 0;
  while (next < file.lines.size()) {
    const std::string& line = file.lines[next++];
    if (!isHeader(line)) continue;
    const int number = headerId(line);
    if (number != r) continue;
    const auto record = tryDollRecord(file, next);
    if (record) found = record;
  }
  if (!found) return d;
  setStatistics(folder, *d, r, *found);
  d->removeAllLogic();
  ldLogics(folder, r, *d);
  return d;
}

void ldLogics(const GameFolder& folder, int16_t r, doll& d) {
  const TextFile file = readRegistry(folder, kEnemyLogicFile, "save/ELogicsv.ini");
  int slot = 0;
  size_t next = 0;
  while (next < file.lines.size()) {
    const std::string& line = file.lines[next++];
    if (!isHeader(line)) continue;
    const int number = headerId(line);
    const auto record = tryLogicRecord(file, next);
    if (!record) continue;
    if (record->dollNumber == r && slot < doll::kLogicSlots)
      d.setLogics(enemyLogic(number, *record), slot++);
  }
}

std::vector<int16_t> eligibleEnemies(const GameFolder& folder, int16_t maxValue) {
  std::vector<int16_t> numbers;
  for (const RegisteredEnemy& e : registeredEnemies(folder)) {
    if (e.value <= maxValue) numbers.push_back(e.number);
  }
  return numbers;
}

EnemyIdList ldTekiIDs(const GameFolder& folder, int16_t m) {
  EnemyIdList ids{};
  const std::vector<int16_t> numbers = eligibleEnemies(folder, m);
  std::copy(numbers.begin(), numbers.end(), ids.begin());
  return ids;
}

int16_t countTekiDoll(const GameFolder& folder, int16_t maxValue, EnemyIdList& tekiIDs) {
  tekiIDs.fill(0);
  const std::vector<int16_t> numbers = eligibleEnemies(folder, maxValue);
  std::copy(numbers.begin(), numbers.end(), tekiIDs.begin() + 1);
  return static_cast<int16_t>(numbers.size());
}

}  // namespace velko
