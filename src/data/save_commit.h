#pragma once
// Writing the game's files so that a failure never costs the old data: every file goes to a
// temporary file in its own folder first, is flushed to the disk and only then renamed over
// the old one. Several files are committed together: if one of them cannot be put in place,
// the ones already replaced get their old content back.

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

// Writes all files or none. False when any could not be written; then every target holds
// what it held before and no temporary or backup file is left behind.
bool commitFiles(const std::vector<PendingFile>& files);

// Copies a file's bytes to another path through commitFiles. False when the source cannot be
// read or the copy cannot be written.
bool copyFileSafely(const std::filesystem::path& from, const std::filesystem::path& to);

// The whole file as bytes; false when it is missing or cannot be read.
bool readBytes(const std::filesystem::path& path, std::string& bytes);

}  // namespace velko
