#pragma once
// Writing the game's files so that neither a failure nor a crash costs the old data, and
// files committed together are found afterwards all old or all new.
//
// A commit writes every file to name.tmp and syncs it, keeps each previous file as name.bak,
// and then writes a commit record (commit.rec) naming them: from that moment the commit counts
// as made. It renames the new files into place and removes the record and the backups. When a
// rename fails, the record becomes rollback.rec and the backups go back. A commit cut short
// by a crash is finished (commit.rec) or undone (rollback.rec) by settleFolder, which the game
// runs at start and before it reads a save slot; without a record, leftover .tmp and .bak
// files are only removed. The record's layout is in docs/commit-record.md.

#include <filesystem>
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

// Finishes or undoes a commit a crash cut short, then removes leftover .tmp and .bak files of
// the game's files. False when a record is left that could not be carried out (or is not a
// record this game wrote); the folder's files are then left as they are.
[[nodiscard]] bool settleFolder(const std::filesystem::path& folder);

// Copies a file's bytes to another path through commitFiles. False when the source cannot be
// read or the copy cannot be written.
[[nodiscard]] bool copyFileSafely(const std::filesystem::path& from,
                                  const std::filesystem::path& to);

// The whole file as bytes; false when it is missing or cannot be read.
[[nodiscard]] bool readBytes(const std::filesystem::path& path, std::string& bytes);

}  // namespace velko
