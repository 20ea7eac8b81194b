#pragma once
// The small file that says which files a commit of several files is putting in place, so that
// a commit cut short by a crash is finished or undone at the next start. Its layout is in
// docs/commit-record.md. It is read as untrusted input: anything but that layout is refused.

#include <optional>
#include <string>
#include <vector>

namespace velko {

struct CommitEntry {
  std::string name;     // a file name in the commit's folder, no folder part
  bool hadOld = false;  // a previous file existed and was kept as name.bak
};

inline constexpr int kCommitRecordVersion = 1;

// "VELKO commit 1": the line a record of this version starts with.
std::string commitRecordFirstLine();

std::string commitRecordBytes(const std::vector<CommitEntry>& entries);

// Nothing when the bytes are not a record of this version, or a name could leave the folder.
std::optional<std::vector<CommitEntry>> parseCommitRecord(const std::string& bytes);

}  // namespace velko
