#include "data/registry/registry_reset.h"

#include <filesystem>

#include "core/shown_text.h"
#include "data/registry/registry_files.h"
#include "data/files/file_bytes.h"
#include "data/save/save_commit.h"
#include "data/save/slot_number.h"

namespace velko {

namespace {

bool copyWhenMissing(const GameFolder& folder, const char* factory, const char* registry) {
  std::error_code ec;
  if (std::filesystem::is_regular_file(folder.path(registry), ec)) return true;
  return copyFileSafely(folder.path(factory), folder.path(registry));
}

}  // namespace

bool prepareSaveFolder(const GameFolder& folder) {
  if (!ensureSaveFolder(folder)) return false;
  // A save or a registration a crash cut short is finished or undone before anything reads.
  if (!settleSaveFolder(folder)) return false;
  const bool dolls = copyWhenMissing(folder, kFactoryDollFile, kEnemyDollFile);
  const bool logics = copyWhenMissing(folder, kFactoryLogicFile, kEnemyLogicFile);
  return dolls && logics;
}

bool resetRegistry(const GameFolder& folder) {
  if (!ensureSaveFolder(folder)) return false;
  std::string dolls;
  std::string logics;
  if (!readBytes(folder.path(kFactoryDollFile), dolls)) return false;
  if (!readBytes(folder.path(kFactoryLogicFile), logics)) return false;
  // Both files together, so the Dolls and their patterns never come from different states.
  return commitFiles(
      {{folder.path(kEnemyDollFile), dolls}, {folder.path(kEnemyLogicFile), logics}});
}

void mnInit_Click(const GameFolder& folder, Prompter& prompter) {
  if (prompter.msgBoxYesNo(shown("敵Dollファイルを初期化しますか？")) != kAnswerYes) return;
  if (!resetRegistry(folder)) {
    prompter.msgBox(shown("敵ファイルを初期化できませんでした"));
    return;
  }
  prompter.msgBox(shown("初期化完了しました"));
}

}  // namespace velko
