#include "data/files/game_folder.h"

#include <gtest/gtest.h>

#include "data/files/game_folder_choice.h"
#include "data/registry/registry_files.h"
#include "data/registry/registry_reset.h"
#include "support/temp_folder.h"

namespace velko {
namespace {

namespace fs = std::filesystem;

GameFolderPlaces startingIn(const fs::path& workingDir) {
  GameFolderPlaces places;
  places.workingDir = workingDir;
  return places;
}

TEST(GameFolderTest, AnInstalledGameReadsDataAndWritesIntoThePlayersFolder) {
  const GameFolder folder("/data", "/user");
  EXPECT_TRUE(folder.installed());
  EXPECT_EQ(folder.path("\\ini\\Motor.ini"), fs::path("/data/ini/Motor.ini"));
  EXPECT_EQ(folder.path("\\img\\stage.jpg"), fs::path("/data/img/stage.jpg"));
  EXPECT_EQ(folder.path("midi/SE.mid"), fs::path("/data/midi/SE.mid"));
  EXPECT_EQ(folder.path("\\IMG\\VELKO01S.jpg"), fs::path("/data/IMG/VELKO01S.jpg"));
  EXPECT_EQ(folder.path("\\save\\Playersv1.ini"), fs::path("/user/save/Playersv1.ini"));
  // A file merely named like a data folder is the player's own.
  EXPECT_EQ(folder.path("\\ini.txt"), fs::path("/user/ini.txt"));
  EXPECT_FALSE(GameFolder("/game").installed());
}

TEST(GameFolderTest, TheFolderIsChosenByOptionThenEnvironmentThenWorkingDirThenInstall) {
  testing::TempFolder work;
  GameFolderPlaces places = startingIn(work.path());
  places.option = "/named";
  places.velkoHome = "/home-var";
  places.installedData = "/usr/share/games/velko";
  places.xdgDataHome = "/xdg";
  places.home = "/home/p";
  EXPECT_EQ(chooseGameFolder(places).folder->root(), fs::path("/named"));
  places.option.clear();
  EXPECT_EQ(chooseGameFolder(places).folder->root(), fs::path("/home-var"));
  places.velkoHome.clear();

  // A working directory without ini/ is not a game folder: the installed layout is used.
  GameFolder installed = *chooseGameFolder(places).folder;
  EXPECT_EQ(installed.dataRoot(), fs::path("/usr/share/games/velko"));
  EXPECT_EQ(installed.root(), fs::path("/xdg/velko"));

  fs::create_directory(work.path() / "ini");
  const GameFolder portable = *chooseGameFolder(places).folder;
  EXPECT_FALSE(portable.installed());
  EXPECT_EQ(portable.root(), work.path());
}

TEST(GameFolderTest, ThePlayersFolderFollowsTheXdgRules) {
  EXPECT_EQ(userDataFolder("/xdg", "/home/p"), fs::path("/xdg/velko"));
  EXPECT_EQ(userDataFolder("", "/home/p"), fs::path("/home/p/.local/share/velko"));
  EXPECT_EQ(userDataFolder("relative/dir", "/home/p"), fs::path("/home/p/.local/share/velko"));
  EXPECT_FALSE(userDataFolder("", ""));

  testing::TempFolder work;
  const GameFolderChoice none = chooseGameFolder(startingIn(work.path()));
  EXPECT_FALSE(none.folder);
  EXPECT_NE(none.error.find("--game-folder"), std::string::npos);
}

TEST(GameFolderTest, TheFirstStartWritesOnlyIntoThePlayersFolder) {
  testing::TempFolder data, user, work;
  data.writeCp932("ini/Dollsv.ini", ".1\n");
  data.writeCp932("ini/Logicsv.ini", ".1\n");
  GameFolderPlaces places = startingIn(work.path());
  places.installedData = data.path();
  places.xdgDataHome = user.path().string();
  const GameFolder folder = *chooseGameFolder(places).folder;
  // Choosing creates nothing; the first start makes save/ from the factory files.
  EXPECT_FALSE(fs::exists(user.path() / "velko"));
  ASSERT_TRUE(prepareSaveFolder(folder));
  EXPECT_TRUE(fs::is_regular_file(user.path() / "velko" / "save" / "EDollsv.ini"));
  EXPECT_TRUE(fs::is_regular_file(user.path() / "velko" / "save" / "ELogicsv.ini"));
  EXPECT_FALSE(fs::exists(data.path() / "save"));
  EXPECT_TRUE(fs::is_empty(work.path()));
}

TEST(GameFolderTest, AMissingCatalogueNamesTheFolderAndTheFiles) {
  testing::TempFolder data;
  for (const char* name : {"Motor", "Frame", "Booster", "Protector", "Hardware", "Software1",
                           "Software2", "Dollsv", "Logicsv"})
    data.writeCp932(std::string("ini/") + name + ".ini", ".1\n");
  const GameFolder folder(data.path());
  EXPECT_EQ(missingCatalogueFiles(folder), std::vector<std::string>{"Software3.ini"});

  fs::create_directory(data.path() / "ini" / "Software3.ini");  // not a file either
  const std::vector<std::string> missing = missingCatalogueFiles(folder);
  ASSERT_EQ(missing.size(), 1u);
  const std::string message = missingCatalogueMessage(folder, missing);
  EXPECT_NE(message.find((data.path() / "ini").string()), std::string::npos);
  EXPECT_NE(message.find("Software3.ini"), std::string::npos);

  fs::remove(data.path() / "ini" / "Software3.ini");
  data.writeCp932("ini/Software3.ini", ".1\n");
  EXPECT_TRUE(missingCatalogueFiles(folder).empty());
}

}  // namespace
}  // namespace velko
