#pragma once
// A scratch game folder for headless runs: the real catalogue (ini/ linked in) and a fresh
// save/ holding the factory opponents, removed again with the object. The battle screen reads
// opponents only from save/, and careers write save slots there.

#include <filesystem>

#include "data/files/game_folder.h"

namespace velko::sim {

class ScratchGameFolder {
 public:
  explicit ScratchGameFolder(const GameFolder& game);
  ~ScratchGameFolder();
  ScratchGameFolder(const ScratchGameFolder&) = delete;
  ScratchGameFolder& operator=(const ScratchGameFolder&) = delete;

  GameFolder folder() const { return GameFolder(root_); }

 private:
  void removeRoot();

  std::filesystem::path root_;
};

}  // namespace velko::sim
