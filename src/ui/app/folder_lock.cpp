#include "ui/app/folder_lock.h"

#include <QString>

namespace velko::ui {

FolderLock::FolderLock(const std::filesystem::path& gameFolder)
    : folder_(gameFolder), lock_(QString::fromStdString((gameFolder / kLockFileName).string())) {
  // Only a lock whose process has ended is stale, however old it is: a game may run for days.
  lock_.setStaleLockTime(0);
}

bool FolderLock::acquire() {
  // The player's folder of an installed game does not exist before the first start.
  std::error_code ignored;
  std::filesystem::create_directories(folder_, ignored);
  if (lock_.tryLock(0)) return true;
  // Only another running copy refuses this one; a folder that cannot hold the lock file is
  // told about when the save folder is prepared.
  return lock_.error() != QLockFile::LockFailedError;
}

std::string FolderLock::refusal() const {
  std::error_code ignored;
  const std::filesystem::path shown = std::filesystem::absolute(folder_, ignored);
  return qtTrId(
             "このゲームフォルダではVELKOがすでに起動しています。\n"
             "起動中のゲームをお使い下さい。\n")
             .toStdString() +
         shown.string();
}

}  // namespace velko::ui
