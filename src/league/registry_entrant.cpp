#include "league/registry_entrant.h"

#include "core/shown_text.h"

#include <stdexcept>

#include "data/files/text_file.h"
#include "data/registry/registry_doll_record.h"
#include "data/registry/registry_logic_record.h"
#include "data/registry/registry_read.h"

namespace velko {

namespace {

void append(std::string& text, const std::vector<std::string>& lines) {
  for (const std::string& line : lines)
    text += line + "\n";
}

}  // namespace

std::string registryEntrantText(const doll& d, int number) {
  std::string text = std::string(kRegistryEntrantMagic) + "\n";
  append(text, enemyDollLines(enemyDollRecordOf(d), number));
  for (int slot = 0; slot < doll::kLogicSlots; ++slot) {
    const LogicRef& p = d.getLogic(slot);
    if (p) append(text, enemyLogicLines(enemyLogicRecordOf(*p, number), slot + 1));
  }
  return text;
}

bool isRegistryEntrant(const std::string& text) {
  return text.rfind(std::string(kRegistryEntrantMagic) + "\n", 0) == 0;
}

DollRef registryEntrantDoll(const GameFolder& folder, const std::string& text) {
  if (!isRegistryEntrant(text)) throw std::invalid_argument(shown("敵Dollの記録ではありません"));
  TextFile file{"registry", splitLines(text)};
  if (!file.lines.empty() && file.lines.back().empty()) file.lines.pop_back();
  try {
    if (file.lines.size() < 2 || file.lines[1].rfind('.', 0) != 0)
      throw std::invalid_argument(shown("敵Dollの記録がありません"));
    const int number = std::stoi(file.lines[1].substr(1));
    size_t next = 0;
    const EnemyDollRecord record = readEnemyDollRecord(file, 2, next);
    std::vector<EnemyLogicRecord> patterns;
    while (next < file.lines.size() && patterns.size() < doll::kLogicSlots) {
      const size_t header = next;
      patterns.push_back(readEnemyLogicRecord(file, header + 1, next));
    }
    if (next != file.lines.size()) throw std::invalid_argument(shown("余分な行があります"));
    return enemyDollOf(folder, static_cast<int16_t>(number), record, patterns);
  } catch (const std::invalid_argument&) {
    throw;
  } catch (const std::exception& fault) {
    throw std::invalid_argument(fill(shown("敵Dollの記録が読めません: %1"), {fault.what()}));
  }
}

}  // namespace velko
