// Runs a fuzz target over the inputs that once made it fail (a folder of files, or single
// files), as an ordinary test: it passes when none of them crashes or trips a check.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

void replay(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                   std::istreambuf_iterator<char>());
  std::printf("%s (%zu bytes)\n", file.c_str(), bytes.size());
  LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
}

}  // namespace

int main(int argc, char** argv) {
  int replayed = 0;
  for (int i = 1; i < argc; ++i) {
    const std::filesystem::path path(argv[i]);
    std::error_code ec;
    if (std::filesystem::is_regular_file(path, ec)) {
      replay(path);
      ++replayed;
      continue;
    }
    if (!std::filesystem::is_directory(path, ec)) continue;  // no regression kept yet
    for (const auto& entry : std::filesystem::directory_iterator(path)) {
      if (!entry.is_regular_file() || entry.path().filename().string()[0] == '.') continue;
      replay(entry.path());
      ++replayed;
    }
  }
  std::printf("%d inputs replayed\n", replayed);
  return 0;
}
