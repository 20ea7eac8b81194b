#include "support/temp_folder.h"

#include <atomic>
#include <fstream>

#include <unistd.h>

#include "core/text_cp932.h"

namespace velko::testing {

TempFolder::TempFolder() {
  static std::atomic<int> counter{0};
  path_ = std::filesystem::temp_directory_path() /
          ("velko-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
  std::filesystem::remove_all(path_);
  std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

void TempFolder::writeCp932(const std::string& relative, const std::string& utf8, bool crlf) const {
  std::string text;
  for (char c : utf8) {
    if (c == '\n' && crlf) text += '\r';
    text += c;
  }
  writeBytes(relative, utf8ToCp932(text));
}

void TempFolder::writeBytes(const std::string& relative, const std::string& bytes) const {
  const auto file = path_ / relative;
  std::filesystem::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << bytes;
}

}  // namespace velko::testing
