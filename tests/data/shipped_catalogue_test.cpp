// The catalogue the build ships in the game folder, read as the shop and loaders read it,
// and the catalogue checker run on it and on broken copies.

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>

#include "data/catalogue/catalogue.h"
#include "data/catalogue/catalogue_check.h"
#include "support/temp_folder.h"

namespace velko {
namespace {

const GameFolder kGame{VELKO_GAME_DIR};

TEST(ShippedCatalogue, EveryPartOnSaleExistsAndTheCheckFindsNoFault) {
  const auto motors = ld_AllMotors(kGame);
  const auto boosters = ld_AllBooster(kGame);
  const auto protectors = ld_AllProtector(kGame);
  const auto hards = ld_AllHard(kGame);
  for (int id = 1; id <= 19; ++id) {
    ASSERT_NE(motors[id], nullptr) << id;
    ASSERT_NE(protectors[id], nullptr) << id;
    ASSERT_NE(hards[id], nullptr) << id;
    EXPECT_FALSE(boosters[id]->name.empty()) << id;
    EXPECT_GT(motors[id]->HP, 0);
  }
  const auto frames = ld_AllFrame(kGame);
  const std::array<const char*, 4> names = {"修羅", "羅刹", "バルキリー", "ダフネ"};
  for (int id = 1; id <= 4; ++id)
    EXPECT_EQ(frames[id]->name, names[id - 1]);
  for (int id : {1, 2}) {
    EXPECT_EQ(frames[id]->image, "01");
    EXPECT_EQ(frames[id]->move + frames[id]->jump + frames[id]->spin, 0);
  }
  EXPECT_EQ(frames[3]->image, "02");
  EXPECT_GT(frames[3]->spin, 0);
  EXPECT_EQ(frames[4]->image, "02");
  EXPECT_EQ(frames[4]->spin, 0);
  EXPECT_GT(frames[4]->move, 0);

  bool black = false;
  for (int id = 1; id <= 19; ++id) {
    const auto& n = protectors[id]->name;
    black = black || n == "Carbon" || n == "Steel" || n == "Kevler" || n == "カーボン" ||
            n == "スチール";
  }
  EXPECT_TRUE(black);

  // The starter software the shop hands out.
  EXPECT_FALSE(ld_SoftM(kGame, 2)->name.empty());
  EXPECT_FALSE(ld_SoftA(kGame, 5)->name.empty());
  EXPECT_FALSE(ld_SoftD(kGame, 1)->name.empty());

  for (const auto& check : checkCatalogue(kGame)) {
    EXPECT_TRUE(check.errors.empty()) << check.errors.front();
    EXPECT_FALSE(check.records.empty()) << check.file;
  }
}

TEST(ShippedCatalogue, TheLeastStartingMoneyBuysACompleteDoll) {
  const auto cheapest = [](const auto& table, int last) {
    int best = 32767;
    for (int id = 1; id <= last; ++id) {
      if (table[id]) best = std::min<int>(best, table[id]->Rl);
    }
    return best;
  };
  const int total = cheapest(ld_AllMotors(kGame), 19) + cheapest(ld_AllFrame(kGame), 4) +
                    cheapest(ld_AllHard(kGame), 19);
  EXPECT_LE(total, 1000);
}

std::pair<int, std::string> runChecker(const std::filesystem::path& folder) {
  const std::string command =
      std::string(VELKO_CATALOGUE_TOOL) + " " + folder.string() + " 2>&1 >/dev/null";
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  std::string output;
  std::array<char, 512> buffer{};
  while (fgets(buffer.data(), buffer.size(), pipe.get()))
    output += buffer.data();
  const int status = pclose(pipe.release());
  return {WEXITSTATUS(status), output};
}

TEST(CatalogueChecker, ReportsEachFaultOfABrokenCopyWithFileAndLine) {
  testing::TempFolder copy;
  std::filesystem::copy(std::filesystem::path(VELKO_GAME_DIR) / "ini", copy.path() / "ini");
  EXPECT_EQ(runChecker(copy.path()).first, 0);

  std::filesystem::remove(copy.path() / "ini" / "Booster.ini");
  copy.writeBytes("ini/Hardware.ini", ".1\r\nA\r\n1\r\n3,\x81\r\n");
  copy.writeCp932("ini/Motor.ini", ".1\nA\n1\n1,70000,1\n.2\nB\n1\n1,1,1\n.30\nC\n1\n1,1,1\n");
  copy.writeCp932("ini/Protector.ini", ".1\nA\n1\n.5,1\n");
  const auto [status, output] = runChecker(copy.path());
  EXPECT_EQ(status, 1);
  EXPECT_NE(output.find("ini/Booster.ini: ファイルが見つかりません"), std::string::npos) << output;
  EXPECT_NE(output.find("ini/Hardware.ini 4行目: Shift_JIS"), std::string::npos) << output;
  EXPECT_NE(output.find("ini/Motor.ini 4行目: 16ビット"), std::string::npos) << output;
  EXPECT_NE(output.find("ini/Motor.ini 9行目: ID 30 を入れる棚がありません"), std::string::npos)
      << output;
  EXPECT_NE(output.find("ini/Protector.ini 4行目: データの行が「.」で始まっています"),
            std::string::npos)
      << output;
  // The bad data line is then taken for a header of a record cut off at the end.
  EXPECT_NE(output.find("ini/Protector.ini 4行目: レコードの途中でファイルが終わっています"),
            std::string::npos)
      << output;
  EXPECT_NE(output.find("6 fault(s) found"), std::string::npos) << output;
}

}  // namespace
}  // namespace velko
