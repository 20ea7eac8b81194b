#include "sim/scratch_folder.h"

#include <unistd.h>

#include <cstdlib>
#include <string>

namespace velko::sim {

namespace fs = std::filesystem;

ScratchGameFolder::ScratchGameFolder(const GameFolder& game) {
  std::string pattern = (fs::temp_directory_path() / "velko-sim-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw fs::filesystem_error("mkdtemp", pattern, {});
  root_ = pattern;
  try {
    fs::create_directory_symlink(fs::absolute(game.path("\\ini")), root_ / "ini");
    fs::create_directory(root_ / "save");
    fs::copy_file(game.path("\\ini\\Dollsv.ini"), root_ / "save" / "EDollsv.ini");
    fs::copy_file(game.path("\\ini\\Logicsv.ini"), root_ / "save" / "ELogicsv.ini");
  } catch (...) {
    // No destructor runs for a half-built object.
    removeRoot();
    throw;
  }
}

ScratchGameFolder::~ScratchGameFolder() {
  removeRoot();
}

void ScratchGameFolder::removeRoot() {
  std::error_code ignored;
  fs::remove_all(root_, ignored);
}

}  // namespace velko::sim
