#pragma once
// Every file under a folder with its bytes, to show that something left the files alone.

#include <filesystem>
#include <map>
#include <string>

#include "data/files/file_bytes.h"

namespace velko::testing {

inline std::map<std::string, std::string> filesUnder(const std::filesystem::path& root) {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
    std::string bytes;
    if (entry.is_regular_file() && readBytes(entry.path(), bytes))
      files[entry.path().string()] = bytes;
  }
  return files;
}

}  // namespace velko::testing
