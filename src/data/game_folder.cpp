#include "data/game_folder.h"

namespace velko {

GameFolder::GameFolder() : root_(std::filesystem::current_path()) {}

GameFolder::GameFolder(std::filesystem::path root) : root_(std::move(root)) {}

std::filesystem::path GameFolder::path(std::string_view gamePath) const {
  std::filesystem::path result = root_;
  std::string part;
  for (char c : gamePath) {
    if (c == '\\' || c == '/') {
      if (!part.empty()) result /= part;
      part.clear();
      continue;
    }
    part += c;
  }
  if (!part.empty()) result /= part;
  return result;
}

}  // namespace velko
