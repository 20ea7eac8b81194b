#include "fuzz_input.h"

#include <cstdlib>
#include <fstream>

#include <unistd.h>

namespace velko::fuzz {

namespace {

namespace fs = std::filesystem;

fs::path makeFolder() {
  std::error_code ec;
  const fs::path base =
      fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm") : fs::temp_directory_path();
  const fs::path folder = base / ("velko-fuzz-" + std::to_string(::getpid()));
  fs::remove_all(folder, ec);
  fs::create_directories(folder / "save");
  fs::copy(fs::path(VELKO_GAME_DIR) / "ini", folder / "ini", fs::copy_options::recursive);
  return folder;
}

void removeFolder() {
  std::error_code ec;
  fs::remove_all(fuzzFolder(), ec);
}

}  // namespace

std::vector<std::string> splitInput(const uint8_t* data, size_t size, size_t count) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const std::string separator(kFileSeparator);
  std::vector<std::string> files;
  size_t start = 0;
  while (files.size() + 1 < count) {
    const size_t end = input.find(separator, start);
    if (end == std::string::npos) break;
    files.push_back(input.substr(start, end - start));
    start = end + separator.size();
  }
  files.push_back(input.substr(std::min(start, input.size())));
  files.resize(count);
  return files;
}

std::string joinFiles(const std::vector<std::string>& files) {
  std::string joined;
  for (size_t i = 0; i < files.size(); ++i) {
    if (i > 0) joined += kFileSeparator;
    joined += files[i];
  }
  return joined;
}

const fs::path& fuzzFolder() {
  static const fs::path folder = [] {
    fs::path made = makeFolder();
    std::atexit(removeFolder);
    return made;
  }();
  return folder;
}

void putFile(const std::string& relative, const std::string& bytes) {
  std::ofstream(fuzzFolder() / relative, std::ios::binary | std::ios::trunc) << bytes;
}

}  // namespace velko::fuzz
