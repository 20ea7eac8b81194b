#pragma once
// Writing the game's files so that neither a failure nor a crash costs the old data, and
// files committed together are found afterwards all old or all new.
//
// A commit writes every file to name.tmp and syncs it, keeps each previous file as name.bak,
// and then writes a commit record (commit.rec) naming them: from that moment the commit counts
// as made. It renames the new files into place and removes the record and the backups. When a
// rename fails, the record becomes rollback.rec and the backups go back. A commit cut short
// by a crash is finished (commit.rec) or undone (rollback.rec) by settleFolder, which the game
// runs at start and before it reads a save slot. Only files known by their exact names are
// ever removed: the temporaries and backups of the files a commit writes, and the record's own
// temporary. The record's layout is in docs/commit-record.md.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace velko {

struct PendingFile {
  std::filesystem::path path;
  std::string bytes;
};

// The UTF-8 lines as the game writes text: CP932, every line ended by CR LF. Throws
// EncodingError for a character CP932 cannot hold.
std::string cp932Lines(const std::vector<std::string>& lines);

// Writes all files or none; they must all lie in one folder. False when any could not be
// written (every target then holds what it held before) or when an earlier commit in the
// folder could not be settled.
[[nodiscard]] bool commitFiles(const std::vector<PendingFile>& files);

// Finishes or undoes a commit a crash cut short. False when a record is left that could not be
// carried out (or is not a record this game wrote); the folder's files are then left as they
// are.
[[nodiscard]] bool settleFolder(const std::filesystem::path& folder);

enum class RecordTrouble { Damaged, Foreign, Newer };

struct SetAsideRecord {
  std::string name;     // commit.rec or rollback.rec
  std::string newName;  // what it is called now, in the same folder
  RecordTrouble trouble = RecordTrouble::Damaged;
};

// A record this game cannot carry out (damaged, not this game's, or of a newer version) is
// renamed to a name no file has, so that play goes on; no other file is touched, and nothing
// is removed. Nothing when there is no such record, or it could not be renamed.
std::optional<SetAsideRecord> setAsideStrangeRecord(const std::filesystem::path& folder);

// Writes one file by its own temporary (name.tmp) and a rename, touching nothing else in its
// folder: for folders that are the player's, not the game's.
[[nodiscard]] bool replaceFile(const std::filesystem::path& path, const std::string& bytes);

// Copies a file's bytes to another path through commitFiles. False when the source cannot be
// read or the copy cannot be written.
[[nodiscard]] bool copyFileSafely(const std::filesystem::path& from,
                                  const std::filesystem::path& to);

}  // namespace velko
