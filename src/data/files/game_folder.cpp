#include "data/files/game_folder.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <vector>

namespace velko {

namespace {

std::vector<std::string> pathParts(std::string_view gamePath) {
  std::vector<std::string> parts;
  std::string part;
  for (char c : gamePath) {
    if (c == '\\' || c == '/') {
      if (!part.empty()) parts.push_back(part);
      part.clear();
      continue;
    }
    part += c;
  }
  if (!part.empty()) parts.push_back(part);
  return parts;
}

bool sameLetters(std::string_view a, std::string_view b) {
  return std::ranges::equal(
      a, b, [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

// The folders the game only ever reads; file names match without regard to letter case.
bool isReadOnlyFolder(std::string_view first) {
  constexpr std::array<std::string_view, 3> kReadOnly = {"ini", "img", "midi"};
  return std::ranges::any_of(kReadOnly,
                             [&](std::string_view name) { return sameLetters(first, name); });
}

}  // namespace

GameFolder::GameFolder() : GameFolder(std::filesystem::current_path()) {}

GameFolder::GameFolder(std::filesystem::path root) : data_(root), root_(std::move(root)) {}

GameFolder::GameFolder(std::filesystem::path data, std::filesystem::path user)
    : data_(std::move(data)), root_(std::move(user)) {}

std::filesystem::path GameFolder::path(std::string_view gamePath) const {
  const std::vector<std::string> parts = pathParts(gamePath);
  const bool readOnly = !parts.empty() && isReadOnlyFolder(parts.front());
  std::filesystem::path result = readOnly ? data_ : root_;
  for (const std::string& part : parts)
    result /= part;
  return result;
}

}  // namespace velko
