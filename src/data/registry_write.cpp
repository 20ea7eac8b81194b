#include "data/registry_write.h"

#include <string>
#include <vector>

#include "core/text_cp932.h"
#include "data/catalogue_fields.h"
#include "data/registry_doll_record.h"
#include "data/registry_files.h"
#include "data/registry_logic_record.h"
#include "data/save_commit.h"
#include "data/text_file.h"

namespace velko {

namespace {

constexpr int kRegisteredPrograms = 6;

// The file's lines again, each ended by CR LF, and the number of its last header. Works on
// the bytes as they are, so a line the game cannot decode is still kept.
std::string copyLines(const std::string& bytes, int& lastHeader) {
  std::string copied;
  lastHeader = 0;
  for (const std::string& line : splitLines(bytes)) {
    if (isHeader(line)) lastHeader = headerId(line);
    copied += line;
    copied += "\r\n";
  }
  return copied;
}

// The registry file's bytes, after refreshing its copy from before this registration.
bool readAndKeepCopy(const GameFolder& folder, const char* file, const char* copy,
                     std::string& bytes, Prompter& prompter) {
  if (!readBytes(folder.path(file), bytes)) {
    prompter.msgBox("ファイルが見つかりません");
    return false;
  }
  if (!commitFiles({{folder.path(copy), bytes}})) {
    prompter.msgBox("敵ファイルに書き込めませんでした");
    return false;
  }
  return true;
}

bool encodeRecord(const std::vector<std::string>& lines, std::string& bytes, Prompter& prompter) {
  try {
    bytes = cp932Lines(lines);
    return true;
  } catch (const EncodingError&) {
    prompter.msgBox("名前に登録できない文字が含まれています");
    return false;
  }
}

bool writeRegistry(const GameFolder& folder, const char* file, const std::string& bytes,
                   Prompter& prompter) {
  if (commitFiles({{folder.path(file), bytes}})) return true;
  prompter.msgBox("敵ファイルに書き込めませんでした");
  return false;
}

}  // namespace

int16_t saveEnemyDoll(const GameFolder& folder, const doll& d, Prompter& prompter) {
  std::string bytes;
  if (!readAndKeepCopy(folder, kEnemyDollFile, kEnemyDollCopy, bytes, prompter)) return 0;
  int last = 0;
  const std::string copied = copyLines(bytes, last);
  if (last >= kEnemyRegistryFull) {
    prompter.notify(
        "現在 99体以上は登録できません\n"
        "新たに登録したい場合は、一度敵ファイルを初期化して下さい");
    return 0;
  }
  const int number = last + 1;
  std::string record;
  if (!encodeRecord(enemyDollLines(enemyDollRecordOf(d), number), record, prompter)) return 0;
  if (!writeRegistry(folder, kEnemyDollFile, copied + record, prompter)) return 0;
  return static_cast<int16_t>(number);
}

bool saveEnemyLogic(const GameFolder& folder, const doll& d, int16_t n, Prompter& prompter) {
  std::string bytes;
  if (!readAndKeepCopy(folder, kEnemyLogicFile, kEnemyLogicCopy, bytes, prompter)) return false;
  int last = 0;
  const std::string copied = copyLines(bytes, last);
  std::vector<std::string> lines;
  for (int k = 0; k < kRegisteredPrograms; ++k) {
    const auto record = enemyLogicLines(enemyLogicRecordOf(*d.getLogic(k), n), last + k + 1);
    lines.insert(lines.end(), record.begin(), record.end());
  }
  std::string records;
  if (!encodeRecord(lines, records, prompter)) return false;
  return writeRegistry(folder, kEnemyLogicFile, copied + records, prompter);
}

int16_t entryEnemy(const GameFolder& folder, const doll& d, Prompter& prompter) {
  const int16_t n = saveEnemyDoll(folder, d, prompter);
  if (n <= 0) return 0;
  if (saveEnemyLogic(folder, d, n, prompter)) return n;
  copyFileSafely(folder.path(kEnemyDollCopy), folder.path(kEnemyDollFile));
  return 0;
}

}  // namespace velko
