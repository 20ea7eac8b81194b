#pragma once
// Which game folder a start uses. In order: the folder named on the command line or in
// VELKO_HOME; the working directory when it holds ini/ (a portable copy, `make run`); else the
// installed layout, reading from the data directory and writing into the player's own folder
// under the XDG data home. Folders are only ever created in that last, per-user place.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "data/files/game_folder.h"

namespace velko {

struct GameFolderPlaces {
  std::string option;     // --game-folder DIR; empty when not given
  std::string velkoHome;  // $VELKO_HOME
  std::filesystem::path workingDir;
  std::filesystem::path installedData;  // where the build installs its read-only data
  std::string xdgDataHome;              // $XDG_DATA_HOME
  std::string home;                     // $HOME
};

struct GameFolderChoice {
  std::optional<GameFolder> folder;
  std::string error;  // why no folder could be chosen
};

GameFolderChoice chooseGameFolder(const GameFolderPlaces& places);

// The player's writable folder of an installed game: $XDG_DATA_HOME/velko, or
// ~/.local/share/velko when the variable is unset, empty or not an absolute path.
std::optional<std::filesystem::path> userDataFolder(const std::string& xdgDataHome,
                                                    const std::string& home);

// The catalogue and factory files that cannot be read as files, by their names in ini/.
std::vector<std::string> missingCatalogueFiles(const GameFolder& folder);

// The message when the catalogue is missing: the folder looked at and the files not found.
std::string missingCatalogueMessage(const GameFolder& folder,
                                    const std::vector<std::string>& missing);

}  // namespace velko
