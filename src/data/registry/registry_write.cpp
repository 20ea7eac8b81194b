#include "data/registry/registry_write.h"

#include <optional>
#include <string>
#include <vector>

#include "core/shown_text.h"
#include "core/text_cp932.h"
#include "data/catalogue/catalogue_fields.h"
#include "data/files/data_file_error.h"
#include "data/files/text_file.h"
#include "data/registry/registry_doll_record.h"
#include "data/registry/registry_files.h"
#include "data/registry/registry_logic_record.h"
#include "data/files/file_bytes.h"
#include "data/save/save_commit.h"
#include "data/save/slot_number.h"

namespace velko {

namespace {

constexpr int kRegisteredPrograms = 6;

// One registry file as it is before a registration: its bytes (which also become its .img
// copy), its lines again each ended by CR LF, and its last header. The lines are copied as
// bytes, so a line the game cannot decode is still kept.
struct RegistryFile {
  const char* file;
  const char* copy;
  std::string bytes;
  std::string copied;
  int lastHeader = 0;
  size_t lastHeaderLine = 0;  // counted from 1; 0 without a header
};

// Missing: "ファイルが見つかりません". A negative last header (a hand-edited file) would number
// the new record 0 or below, which no reader loads: it is refused as damaged.
std::optional<RegistryFile> readRegistryFile(const GameFolder& folder, const char* file,
                                             const char* copy, const char* display,
                                             Prompter& prompter) {
  RegistryFile r{file, copy, {}, {}};
  if (!settleSaveFolder(folder, prompter)) {
    prompter.msgBox(shown("敵ファイルに書き込めませんでした"));
    return std::nullopt;
  }
  if (!readBytes(folder.path(file), r.bytes)) {
    prompter.msgBox(shown("ファイルが見つかりません"));
    return std::nullopt;
  }
  const std::vector<std::string> lines = splitLines(r.bytes);
  for (size_t i = 0; i < lines.size(); ++i) {
    if (isHeader(lines[i])) {
      r.lastHeader = headerId(lines[i]);
      r.lastHeaderLine = i + 1;
    }
    r.copied += lines[i];
    r.copied += "\r\n";
  }
  if (r.lastHeader < 0) {
    prompter.msgBox(DataFileError(DataFileError::Kind::Malformed, display, r.lastHeaderLine,
                                  shown("見出しの番号が負の数です"))
                        .what());
    return std::nullopt;
  }
  return r;
}

bool encodeRecord(const std::vector<std::string>& lines, std::string& bytes, Prompter& prompter) {
  try {
    bytes = cp932Lines(lines);
    return true;
  } catch (const EncodingError&) {
    prompter.msgBox(shown("名前に登録できない文字が含まれています"));
    return false;
  }
}

bool commitOrSay(const std::vector<PendingFile>& files, Prompter& prompter) {
  if (commitFiles(files)) return true;
  prompter.msgBox(shown("敵ファイルに書き込めませんでした"));
  return false;
}

// The file with the new records appended, and its copy from before.
void appendTo(const GameFolder& folder, const RegistryFile& r, const std::string& records,
              std::vector<PendingFile>& files) {
  files.push_back({folder.path(r.copy), r.bytes});
  files.push_back({folder.path(r.file), r.copied + records});
}

// A full registry refreshes the Doll file's copy and adds nothing (the game's message).
bool refuseWhenFull(const GameFolder& folder, const RegistryFile& dolls, Prompter& prompter) {
  if (dolls.lastHeader < kEnemyRegistryFull) return false;
  if (commitOrSay({{folder.path(dolls.copy), dolls.bytes}}, prompter)) {
    prompter.notify(
        shown("現在 99体以上は登録できません\n"
              "新たに登録したい場合は、一度敵ファイルを初期化して下さい"));
  }
  return true;
}

std::optional<RegistryFile> readDolls(const GameFolder& folder, Prompter& prompter) {
  return readRegistryFile(folder, kEnemyDollFile, kEnemyDollCopy, "save/EDollsv.ini", prompter);
}

std::optional<RegistryFile> readLogics(const GameFolder& folder, Prompter& prompter) {
  return readRegistryFile(folder, kEnemyLogicFile, kEnemyLogicCopy, "save/ELogicsv.ini", prompter);
}

bool dollRecord(const doll& d, int number, std::string& bytes, Prompter& prompter) {
  return encodeRecord(enemyDollLines(enemyDollRecordOf(d), number), bytes, prompter);
}

bool logicRecords(const doll& d, int16_t n, int lastHeader, std::string& bytes,
                  Prompter& prompter) {
  std::vector<std::string> lines;
  for (int k = 0; k < kRegisteredPrograms; ++k) {
    const auto record = enemyLogicLines(enemyLogicRecordOf(*d.getLogic(k), n), lastHeader + k + 1);
    lines.insert(lines.end(), record.begin(), record.end());
  }
  return encodeRecord(lines, bytes, prompter);
}

}  // namespace

int16_t saveEnemyDoll(const GameFolder& folder, const doll& d, Prompter& prompter) {
  const auto dolls = readDolls(folder, prompter);
  if (!dolls || refuseWhenFull(folder, *dolls, prompter)) return 0;
  const int number = dolls->lastHeader + 1;
  std::string record;
  if (!dollRecord(d, number, record, prompter)) return 0;
  std::vector<PendingFile> files;
  appendTo(folder, *dolls, record, files);
  if (!commitOrSay(files, prompter)) return 0;
  return static_cast<int16_t>(number);
}

bool saveEnemyLogic(const GameFolder& folder, const doll& d, int16_t n, Prompter& prompter) {
  const auto logics = readLogics(folder, prompter);
  std::string records;
  if (!logics || !logicRecords(d, n, logics->lastHeader, records, prompter)) return false;
  std::vector<PendingFile> files;
  appendTo(folder, *logics, records, files);
  return commitOrSay(files, prompter);
}

int16_t entryEnemy(const GameFolder& folder, const doll& d, Prompter& prompter) {
  const auto dolls = readDolls(folder, prompter);
  if (!dolls || refuseWhenFull(folder, *dolls, prompter)) return 0;
  const auto logics = readLogics(folder, prompter);
  if (!logics) return 0;
  const int number = dolls->lastHeader + 1;
  std::string dollBytes;
  std::string logicBytes;
  if (!dollRecord(d, number, dollBytes, prompter)) return 0;
  if (!logicRecords(d, static_cast<int16_t>(number), logics->lastHeader, logicBytes, prompter))
    return 0;
  std::vector<PendingFile> files;
  appendTo(folder, *dolls, dollBytes, files);
  appendTo(folder, *logics, logicBytes, files);
  if (!commitOrSay(files, prompter)) return 0;
  return static_cast<int16_t>(number);
}

}  // namespace velko
