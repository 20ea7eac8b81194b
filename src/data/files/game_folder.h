#pragma once
// The game folder: ini/, save/, img/ and midi/. The game names its files as backslash paths
// ("\ini\Motor.ini"); this maps them onto the disk. A portable folder holds all four; an
// installed game reads its catalogue, pictures and music from the shared data directory and
// writes everything else (save/) into the player's own folder.

#include <filesystem>
#include <string>
#include <string_view>

namespace velko {

class GameFolder {
 public:
  // The current working directory, as the game has always done.
  GameFolder();
  // One folder for both halves: a portable game folder.
  explicit GameFolder(std::filesystem::path root);
  // An installed game: read-only data, and the player's writable folder.
  GameFolder(std::filesystem::path data, std::filesystem::path user);

  // The writable half: where save/ and anything else the game writes live.
  const std::filesystem::path& root() const { return root_; }
  // The read-only half: ini/, img/ and midi/.
  const std::filesystem::path& dataRoot() const { return data_; }
  bool installed() const { return data_ != root_; }

  // "\ini\Motor.ini" -> <data>/ini/Motor.ini, "\save\Playersv1.ini" -> <root>/save/...
  std::filesystem::path path(std::string_view gamePath) const;

 private:
  std::filesystem::path data_;
  std::filesystem::path root_;
};

}  // namespace velko
