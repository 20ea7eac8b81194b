// The hall of fame across careers: its order, its file and what the reader refuses.

#include <gtest/gtest.h>

#include "data/files/file_bytes.h"
#include "data/share/doll_share.h"
#include "history/hall_of_fame.h"
#include "support/temp_folder.h"

namespace velko {
namespace {

HallEntry career(int titles, int wins, const std::string& date, const std::string& pilot) {
  return {titles, wins, 3, 1, date, pilot, pilot + "のDoll"};
}

std::vector<std::string> pilots(const std::vector<HallEntry>& hall) {
  std::vector<std::string> names;
  for (const HallEntry& e : hall)
    names.push_back(e.pilot);
  return names;
}

TEST(HallOfFame, TitlesThenWinsThenTheEarlierCareerAndOnlyTheBestTwentyKept) {
  std::vector<HallEntry> hall;
  hall = enterHall(hall, career(1, 9, "2026-01-02", "B"));
  hall = enterHall(hall, career(2, 1, "2026-01-03", "A"));  // titles count before wins
  hall = enterHall(hall, career(1, 12, "2026-01-04", "C"));
  hall = enterHall(hall, career(1, 9, "2026-01-01", "D"));  // the same record, reached earlier
  hall = enterHall(hall, career(1, 9, "2026-01-02", "E"));  // a full tie comes after
  EXPECT_EQ(pilots(hall), (std::vector<std::string>{"A", "C", "D", "B", "E"}));

  for (int k = 0; k < 20; ++k)
    hall = enterHall(hall, career(0, k, "2026-02-01", "x" + std::to_string(k)));
  ASSERT_EQ(hall.size(), kHallKept);
  EXPECT_EQ(hall.back().pilot, "x5");  // x0 to x4 fell out
  hall = enterHall(hall, career(0, 0, "2026-03-01", "last"));
  EXPECT_EQ(hall.back().pilot, "x5");  // below every kept career: not kept

  const HallRead read = readHall(writeHall(hall), kHallFileName);
  ASSERT_TRUE(read.accepted()) << read.error;
  EXPECT_EQ(read.hall, hall);
}

TEST(HallOfFame, ADamagedOrDisorderedFileIsRefusedByLineAndNeverWrittenOver) {
  const std::vector<HallEntry> hall = {career(2, 5, "2026-01-01", "A"),
                                       career(1, 7, "2026-01-02", "B")};
  const std::string body = writeHall(hall).substr(0, writeHall(hall).rfind("check "));
  const auto refusal = [](const std::string& text) {
    const HallRead read = readHall(text, kHallFileName);
    EXPECT_TRUE(read.hall.empty());
    return read.error;
  };
  // Out of order: B's career (line 5) ranks above A's.
  std::string swapped = body;
  swapped.replace(swapped.find("career 1 7"), 10, "career 3 7");
  EXPECT_NE(refusal(checkedText(swapped)).find("halloffame.txt"), std::string::npos);
  EXPECT_NE(refusal(checkedText(swapped)).find("5行目"), std::string::npos);
  // A date that is no date (line 2), and a changed byte under the old checksum.
  std::string date = body;
  date.replace(date.find("2026-01-01"), 10, "2026/01/01");
  EXPECT_NE(refusal(checkedText(date)).find("2行目"), std::string::npos);
  std::string changed = writeHall(hall);
  changed[changed.find("pilot A") + 6] = 'Z';
  EXPECT_NE(refusal(changed).find("チェックサム"), std::string::npos);

  // The folder's file is refused, so a finished career does not write over it.
  testing::TempFolder temp;
  const GameFolder folder(temp.path());
  temp.writeBytes(kHallFileName, changed);
  EXPECT_FALSE(recordInHall(folder, career(0, 1, "2026-04-01", "C")).empty());
  std::string kept;
  ASSERT_TRUE(readBytes(hallFilePath(folder), kept));
  EXPECT_EQ(kept, changed);
  std::filesystem::remove(hallFilePath(folder));
  EXPECT_EQ(recordInHall(folder, career(0, 1, "2026-04-01", "C")), "");
  EXPECT_EQ(loadHall(folder).hall.size(), 1u);
}

}  // namespace
}  // namespace velko
