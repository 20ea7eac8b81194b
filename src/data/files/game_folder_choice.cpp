#include "data/files/game_folder_choice.h"
#include "core/shown_text.h"

#include <fstream>

#include "data/catalogue/catalogue.h"
#include "data/registry/registry_files.h"

namespace velko {

namespace fs = std::filesystem;

std::optional<fs::path> userDataFolder(const std::string& xdgDataHome, const std::string& home) {
  if (!xdgDataHome.empty() && fs::path(xdgDataHome).is_absolute())
    return fs::path(xdgDataHome) / "velko";
  if (home.empty() || !fs::path(home).is_absolute()) return std::nullopt;
  return fs::path(home) / ".local" / "share" / "velko";
}

GameFolderChoice chooseGameFolder(const GameFolderPlaces& places) {
  // A folder the player named is used as it is, even when it lacks the catalogue: the start
  // then says what is missing there instead of quietly playing from somewhere else.
  const std::string& named = places.option.empty() ? places.velkoHome : places.option;
  if (!named.empty()) return {GameFolder(fs::absolute(named)), {}};

  std::error_code ec;
  if (fs::is_directory(places.workingDir / "ini", ec)) return {GameFolder(places.workingDir), {}};

  const std::optional<fs::path> user = userDataFolder(places.xdgDataHome, places.home);
  if (!user) {
    return {std::nullopt,
            shown("保存先のフォルダが決まりません (HOME も XDG_DATA_HOME も設定されていません)。\n"
                  "--game-folder でゲームフォルダを指定して下さい。")};
  }
  return {GameFolder(places.installedData, *user), {}};
}

std::vector<std::string> missingCatalogueFiles(const GameFolder& folder) {
  const char* files[] = {kMotorFile,       kFrameFile,       kBoosterFile,    kProtectorFile,
                         kHardwareFile,    kSoftMobileFile,  kSoftAttackFile, kSoftDeffenceFile,
                         kFactoryDollFile, kFactoryLogicFile};
  std::vector<std::string> missing;
  for (const char* file : files) {
    const fs::path path = folder.path(file);
    std::error_code ec;
    const bool readable = fs::is_regular_file(path, ec) && std::ifstream(path).good();
    if (!readable) missing.push_back(path.filename().string());
  }
  return missing;
}

std::string missingCatalogueMessage(const GameFolder& folder,
                                    const std::vector<std::string>& missing) {
  std::string names;
  for (const std::string& name : missing)
    names += (names.empty() ? "" : ", ") + name;
  return fill(shown("部品カタログが読めません。ゲームを終了します。\n"
                    "探したフォルダ: %1\n"
                    "見つからないファイル: %2\n"
                    "--game-folder か VELKO_HOME でゲームフォルダを指定して下さい。"),
              {folder.path("\\ini").string(), names});
}

}  // namespace velko
