#include "data/registry/registry_logic_record.h"

#include "data/files/value_stream.h"
#include "data/save/save_name_line.h"
#include "data/save/slot_file_values.h"

namespace velko {

namespace {

// A registry Doll fights with at most six actions per pattern.
constexpr size_t kReadActions = 6;

}  // namespace

EnemyLogicRecord enemyLogicRecordOf(const Logic& logic, int dollNumber) {
  EnemyLogicRecord r;
  r.dollNumber = static_cast<int16_t>(dollNumber);
  r.name = logic.name;
  r.AP = logic.AP;
  r.Memory = logic.Memory;
  for (int i = 0; i < Logic::kSlots; ++i)
    r.actions[i] = logic.getActions(i)->ID;
  return r;
}

std::vector<std::string> enemyLogicLines(const EnemyLogicRecord& r, int number) {
  return {
      "." + std::to_string(number), std::to_string(r.dollNumber),
      encodeNameLine(r.name),       std::to_string(r.AP) + "," + std::to_string(r.Memory),
      joinIds(r.actions) + ",0",
  };
}

EnemyLogicRecord readEnemyLogicRecord(const TextFile& file, size_t first, size_t& next) {
  EnemyLogicRecord r;
  ValueStream head(file, first);
  r.dollNumber = head.nextInt();
  const size_t nameLine = head.nextLine();
  r.name = decodeNameLine(nameLineAt(file, nameLine));
  ValueStream in(file, nameLine + 1);
  r.AP = in.nextInt();
  r.Memory = in.nextInt();
  for (size_t i = 0; i < kReadActions; ++i)
    r.actions[i] = in.nextInt();
  next = in.nextLine();
  return r;
}

}  // namespace velko
