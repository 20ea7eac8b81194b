#pragma once
// The game folder: ini/, save/, img/ and midi/ under the folder the game runs in. The game
// names its files as backslash paths ("\ini\Motor.ini"); this maps them onto the disk.

#include <filesystem>
#include <string>
#include <string_view>

namespace velko {

class GameFolder {
 public:
  // The current working directory, as the game has always done.
  GameFolder();
  explicit GameFolder(std::filesystem::path root);

  const std::filesystem::path& root() const { return root_; }
  // "\ini\Motor.ini" -> <root>/ini/Motor.ini
  std::filesystem::path path(std::string_view gamePath) const;

 private:
  std::filesystem::path root_;
};

}  // namespace velko
