#include "data/save/save_commit.h"

#include <fstream>
#include <iterator>
#include <optional>

#include "core/text_cp932.h"
#include "data/files/file_bytes.h"
#include "data/save/commit_record.h"
#include "data/save/commit_steps.h"

namespace velko {

namespace {

namespace fs = std::filesystem;

constexpr const char* kCommitRecord = "commit.rec";
constexpr const char* kRollbackRecord = "rollback.rec";

fs::path withSuffix(const fs::path& path, const char* suffix) {
  fs::path result = path;
  result += suffix;
  return result;
}

bool isFile(const fs::path& path) {
  std::error_code ec;
  return fs::is_regular_file(path, ec);
}

bool isThere(const fs::path& path) {
  std::error_code ec;
  return fs::exists(fs::symlink_status(path, ec));
}

// One commit's files, named in its folder.
struct Commit {
  fs::path folder;
  std::vector<CommitEntry> entries;

  fs::path target(const CommitEntry& e) const { return folder / e.name; }
  fs::path temp(const CommitEntry& e) const { return withSuffix(target(e), ".tmp"); }
  fs::path backup(const CommitEntry& e) const { return withSuffix(target(e), ".bak"); }
  fs::path record(const char* name) const { return folder / name; }
};

// A file left over is removed at the next start; failing to remove it now costs nothing.
// Only files: a folder in the way is not ours to remove.
void dropLeftover(const fs::path& path) {
  if (!isFile(path)) return;
  if (!steps::removeFile(path)) return;
}

void dropTemporaries(const Commit& c) {
  for (const CommitEntry& e : c.entries)
    dropLeftover(c.temp(e));
}

void dropBackups(const Commit& c) {
  for (const CommitEntry& e : c.entries)
    dropLeftover(c.backup(e));
}

// A sync of the folder that fails after the record is in place changes nothing about what the
// folder holds; the next step goes on.
void syncAfterRecord(const Commit& c) {
  if (!steps::syncFolder(c.folder)) return;
}

bool writeTemporaries(const Commit& c, const std::vector<PendingFile>& files) {
  for (size_t i = 0; i < files.size(); ++i) {
    if (!steps::writeFile(c.temp(c.entries[i]), files[i].bytes)) return false;
  }
  return true;
}

bool keepBackups(const Commit& c) {
  for (const CommitEntry& e : c.entries) {
    if (e.hadOld && !steps::keepCopy(c.target(e), c.backup(e))) return false;
  }
  return true;
}

// Written beside and renamed into place, so a record is either whole or absent.
bool writeRecord(const Commit& c) {
  const fs::path temp = withSuffix(c.record(kCommitRecord), ".tmp");
  if (!steps::writeFile(temp, commitRecordBytes(c.entries))) return false;
  return steps::renameFile(temp, c.record(kCommitRecord));
}

// Puts every previous file back and removes the new ones that had no predecessor. A new file
// counts as in place when its temporary is gone. True when the rollback record is removed.
bool undo(const Commit& c) {
  for (const CommitEntry& e : c.entries) {
    if (e.hadOld) {
      if (isThere(c.backup(e)) && !steps::renameFile(c.backup(e), c.target(e))) return false;
      continue;
    }
    if (!isThere(c.temp(e)) && isFile(c.target(e)) && !steps::removeFile(c.target(e))) return false;
  }
  syncAfterRecord(c);
  dropTemporaries(c);
  if (!steps::removeFile(c.record(kRollbackRecord))) return false;
  syncAfterRecord(c);
  dropBackups(c);
  return true;
}

enum class Outcome { Made, Undone, Unsettled };

// Renames the new files still waiting into place. When one cannot be, the commit turns into
// its rollback: first the record, so that a crash from here on also undoes it.
Outcome carryOut(const Commit& c) {
  for (const CommitEntry& e : c.entries) {
    if (!isThere(c.temp(e)) || steps::renameFile(c.temp(e), c.target(e))) continue;
    if (!steps::renameFile(c.record(kCommitRecord), c.record(kRollbackRecord)))
      return Outcome::Unsettled;
    return undo(c) ? Outcome::Undone : Outcome::Unsettled;
  }
  syncAfterRecord(c);
  // Every file is new now; a record that stays is finished again, harmlessly, next time.
  if (!steps::removeFile(c.record(kCommitRecord))) return Outcome::Made;
  syncAfterRecord(c);
  dropBackups(c);
  return Outcome::Made;
}

std::optional<Commit> readRecord(const fs::path& folder, const char* name) {
  std::string bytes;
  if (!readBytes(folder / name, bytes)) return std::nullopt;
  auto entries = parseCommitRecord(bytes);
  if (!entries) return std::nullopt;
  return Commit{folder, *entries};
}

// A record of a commit that never reached its rename into place. Only this exact name: the
// folder may hold anything else of anybody's.
void dropUnfinishedRecord(const fs::path& folder) {
  dropLeftover(withSuffix(folder / kCommitRecord, ".tmp"));
}

bool settleRecords(const fs::path& folder) {
  if (isThere(folder / kRollbackRecord)) {
    const auto commit = readRecord(folder, kRollbackRecord);
    return commit && undo(*commit);
  }
  if (isThere(folder / kCommitRecord)) {
    const auto commit = readRecord(folder, kCommitRecord);
    return commit && carryOut(*commit) != Outcome::Unsettled && !isThere(folder / kCommitRecord);
  }
  return true;
}

std::optional<Commit> commitOf(const std::vector<PendingFile>& files) {
  Commit c;
  c.folder = files.front().path.parent_path();
  for (const PendingFile& file : files) {
    if (file.path.parent_path() != c.folder) return std::nullopt;
    c.entries.push_back({file.path.filename().string(), isFile(file.path)});
  }
  return c;
}

// A name no file has yet: NAME.unread, then NAME.unread-2, NAME.unread-3, ...
std::optional<fs::path> freeNameBeside(const fs::path& path) {
  for (int k = 1; k <= 1000; ++k) {
    fs::path candidate = withSuffix(path, ".unread");
    if (k > 1) candidate += "-" + std::to_string(k);
    if (!isThere(candidate)) return candidate;
  }
  return std::nullopt;
}

RecordTrouble recordTrouble(const std::string& bytes) {
  const std::string ours = commitRecordFirstLine() + "\n";
  if (bytes.compare(0, ours.size(), ours) == 0) return RecordTrouble::Damaged;
  const std::string family = "VELKO commit ";
  if (bytes.compare(0, family.size(), family) != 0) return RecordTrouble::Foreign;
  const size_t end = bytes.find('\n');
  const std::string version = bytes.substr(
      family.size(), end == std::string::npos ? std::string::npos : end - family.size());
  if (version.empty() || version.size() > 9 ||
      version.find_first_not_of("0123456789") != std::string::npos)
    return RecordTrouble::Foreign;
  return std::stoi(version) > kCommitRecordVersion ? RecordTrouble::Newer : RecordTrouble::Damaged;
}

}  // namespace

std::string cp932Lines(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) {
    bytes += utf8ToCp932(line);
    bytes += "\r\n";
  }
  return bytes;
}

bool settleFolder(const fs::path& folder) {
  if (!settleRecords(folder)) return false;
  dropUnfinishedRecord(folder);
  return true;
}

bool commitFiles(const std::vector<PendingFile>& files) {
  if (files.empty()) return true;
  const std::optional<Commit> commit = commitOf(files);
  if (!commit || !settleFolder(commit->folder)) return false;
  const Commit& c = *commit;
  // What an earlier attempt at these very files may have left; nothing else is ours to touch.
  dropTemporaries(c);
  dropBackups(c);
  const bool ready =
      writeTemporaries(c, files) && keepBackups(c) && steps::syncFolder(c.folder) && writeRecord(c);
  if (!ready) {
    dropLeftover(withSuffix(c.record(kCommitRecord), ".tmp"));
    dropTemporaries(c);
    dropBackups(c);
    return false;
  }
  return carryOut(c) == Outcome::Made;
}

bool replaceFile(const fs::path& path, const std::string& bytes) {
  const fs::path temp = withSuffix(path, ".tmp");
  if (steps::writeFile(temp, bytes) && steps::renameFile(temp, path)) return true;
  dropLeftover(temp);
  return false;
}

std::optional<SetAsideRecord> setAsideStrangeRecord(const fs::path& folder) {
  for (const char* name : {kCommitRecord, kRollbackRecord}) {
    const fs::path record = folder / name;
    std::string bytes;
    if (!isFile(record) || (readBytes(record, bytes) && parseCommitRecord(bytes))) continue;
    const auto aside = freeNameBeside(record);
    if (!aside || !steps::renameFile(record, *aside)) return std::nullopt;
    return SetAsideRecord{name, aside->filename().string(), recordTrouble(bytes)};
  }
  return std::nullopt;
}

bool copyFileSafely(const fs::path& from, const fs::path& to) {
  std::string bytes;
  if (!readBytes(from, bytes)) return false;
  return commitFiles({{to, bytes}});
}

}  // namespace velko
