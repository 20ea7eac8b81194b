#include "data/save_commit.h"

#include <cstdio>
#include <fstream>
#include <iterator>

#include <unistd.h>

#include "core/text_cp932.h"

namespace velko {

namespace {

namespace fs = std::filesystem;

fs::path withSuffix(const fs::path& path, const char* suffix) {
  fs::path result = path;
  result += suffix;
  return result;
}

// Written, flushed and synced, so that the rename that follows never exposes a partial file.
// `created` tells whether there is a file of ours to clean up.
bool writeDurably(const fs::path& path, const std::string& bytes, bool& created) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  created = file != nullptr;
  if (!file) return false;
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  ok = std::fflush(file) == 0 && ok;
  ok = ::fsync(::fileno(file)) == 0 && ok;
  ok = std::fclose(file) == 0 && ok;
  return ok;
}

void removeQuietly(const fs::path& path) {
  std::error_code ec;
  fs::remove(path, ec);
}

void removeAll(const std::vector<fs::path>& paths) {
  for (const fs::path& path : paths)
    removeQuietly(path);
}

bool writeTemporaries(const std::vector<PendingFile>& files, std::vector<fs::path>& temps) {
  for (const PendingFile& file : files) {
    const fs::path temp = withSuffix(file.path, ".tmp");
    bool created = false;
    const bool written = writeDurably(temp, file.bytes, created);
    if (created) temps.push_back(temp);
    if (!written) return false;
  }
  return true;
}

// A copy of every target that exists, for putting it back if a later rename fails.
bool backUpTargets(const std::vector<PendingFile>& files, std::vector<fs::path>& backups) {
  for (const PendingFile& file : files) {
    std::error_code ec;
    if (!fs::is_regular_file(file.path, ec)) {
      backups.emplace_back();
      continue;
    }
    backups.push_back(withSuffix(file.path, ".bak"));
    fs::copy_file(file.path, backups.back(), fs::copy_options::overwrite_existing, ec);
    if (ec) return false;
  }
  return true;
}

// Puts back the first `replaced` targets and drops the other backups. A backup that cannot be
// put back stays on the disk: it is the only copy of the old file.
void restoreTargets(const std::vector<PendingFile>& files, const std::vector<fs::path>& backups,
                    size_t replaced) {
  for (size_t i = 0; i < files.size(); ++i) {
    std::error_code ec;
    if (i >= replaced) {
      if (!backups[i].empty()) fs::remove(backups[i], ec);
      continue;
    }
    if (backups[i].empty()) {
      fs::remove(files[i].path, ec);
      continue;
    }
    fs::rename(backups[i], files[i].path, ec);
  }
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

bool commitFiles(const std::vector<PendingFile>& files) {
  std::vector<fs::path> temps;
  if (!writeTemporaries(files, temps)) {
    removeAll(temps);
    return false;
  }
  std::vector<fs::path> backups;
  if (!backUpTargets(files, backups)) {
    removeAll(temps);
    removeAll(backups);
    return false;
  }
  for (size_t i = 0; i < files.size(); ++i) {
    std::error_code ec;
    fs::rename(temps[i], files[i].path, ec);
    if (!ec) continue;
    restoreTargets(files, backups, i);
    removeAll(temps);
    return false;
  }
  removeAll(backups);
  return true;
}

bool readBytes(const fs::path& path, std::string& bytes) {
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) return false;
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

bool copyFileSafely(const fs::path& from, const fs::path& to) {
  std::string bytes;
  if (!readBytes(from, bytes)) return false;
  return commitFiles({{to, bytes}});
}

}  // namespace velko
