#pragma once
// One running game per game folder: two copies on one folder would write the same save
// slots behind each other's back. The lock is the file "velko.lock" in the game folder; the
// lock of a run that crashed (its process is gone) is taken over.

#include <QLockFile>
#include <filesystem>
#include <string>

namespace velko::ui {

inline constexpr const char* kLockFileName = "velko.lock";

class FolderLock {
 public:
  explicit FolderLock(const std::filesystem::path& gameFolder);

  // False only when another running copy holds the folder (asked at once, never waiting).
  bool acquire();
  // What the second copy tells the player before it ends.
  std::string refusal() const;

 private:
  std::filesystem::path folder_;
  QLockFile lock_;
};

}  // namespace velko::ui
