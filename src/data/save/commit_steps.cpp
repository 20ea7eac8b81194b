#include "data/save/commit_steps.h"

#include <cstdio>
#include <fstream>
#include <iterator>

#include <fcntl.h>
#include <unistd.h>

namespace velko {

namespace {

namespace fs = std::filesystem;

CommitProbe& probe() {
  static CommitProbe current;
  return current;
}

// False when the probe fails the step; throws CommitStopped when it stops there.
bool allowed(CommitStep step, const fs::path& path) {
  if (!probe()) return true;
  const StepAnswer answer = probe()(step, path);
  if (answer == StepAnswer::Stop) throw CommitStopped{};
  return answer == StepAnswer::Go;
}

bool readWhole(const fs::path& path, std::string& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

}  // namespace

void setCommitProbe(CommitProbe probe_) {
  probe() = std::move(probe_);
}

namespace steps {

bool writeFile(const fs::path& path, const std::string& bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  bool ok = false;
  try {
    // Asked once the file exists, so a stop leaves an empty file as a crash would.
    ok = allowed(CommitStep::Write, path) &&
         std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && std::fflush(file) == 0;
    ok = ok && allowed(CommitStep::Sync, path) && ::fsync(::fileno(file)) == 0;
  } catch (const CommitStopped&) {
    std::fclose(file);
    throw;
  }
  return std::fclose(file) == 0 && ok;
}

bool syncFolder(const fs::path& folder) {
  if (!allowed(CommitStep::SyncFolder, folder)) return false;
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return false;
  const bool ok = ::fsync(fd) == 0;
  return ::close(fd) == 0 && ok;
}

bool keepCopy(const fs::path& from, const fs::path& to) {
  if (!allowed(CommitStep::Link, to)) return false;
  std::error_code ec;
  fs::create_hard_link(from, to, ec);
  if (!ec) return true;
  std::string bytes;
  return readWhole(from, bytes) && writeFile(to, bytes);
}

bool renameFile(const fs::path& from, const fs::path& to) {
  if (!allowed(CommitStep::Rename, to)) return false;
  std::error_code ec;
  fs::rename(from, to, ec);
  return !ec;
}

bool removeFile(const fs::path& path) {
  if (!allowed(CommitStep::Remove, path)) return false;
  std::error_code ec;
  fs::remove(path, ec);
  return !ec;
}

}  // namespace steps

}  // namespace velko
