#include "data/catalogue/catalogue.h"

#include <gtest/gtest.h>

#include "data/files/data_file_error.h"
#include "support/temp_folder.h"

namespace velko {
namespace {

class CatalogueReaderTest : public ::testing::Test {
 protected:
  void write(const std::string& file, const std::string& text, bool crlf = true) {
    folder.writeCp932("ini/" + file, text, crlf);
  }
  GameFolder game() const { return GameFolder(folder.path()); }

  testing::TempFolder folder;
};

TEST_F(CatalogueReaderTest, OneRecordOnSixLinesOrOneLineReadsTheSame) {
  write("Frame.ini", "# frames\n.3\n鉄騎\n500\n3,2,1,0,0\n100,40\n01\n");
  const auto sixLines = ld_Frame(game(), 3);
  write("Frame.ini", ".3\n鉄騎\n500, 3, 2, 1, 0, 0, 100, 40, 01\n", false);
  const auto oneLine = ld_Frame(game(), 3);
  for (const auto& f : {sixLines, oneLine}) {
    EXPECT_EQ(f->ID, 3);
    EXPECT_EQ(f->name, "鉄騎");
    EXPECT_EQ(f->Rl, 500);
    EXPECT_EQ(f->offence, 3);
    EXPECT_EQ(f->defence, 2);
    EXPECT_EQ(f->move, 1);
    EXPECT_EQ(f->HP, 100);
    EXPECT_EQ(f->maxHP, 100);
    EXPECT_EQ(f->weight, 40);
    EXPECT_EQ(f->image, "01");
  }
  // The battle screen's reader leaves the picture type alone.
  EXPECT_EQ(ldFrame(game(), 3)->image, "00");
  EXPECT_EQ(ldFrame(game(), 3)->HP, 100);
}

TEST_F(CatalogueReaderTest, HeadersValuesAndStops) {
  write("Motor.ini",
        ".1\n\"Ace, Mk2\" , 100,3,40,2\n"      // a quoted name may hold a comma
        ".012abc\nTwelve\n12.5\n13.5,0,2.5\n"  // ID 12; halves go to the even neighbour
        ".1\nSecond one\n1,1,1,1\n"
        ".099\nTop\n9,9,9,9\n");
  const auto ace = ld_Motor(game(), 1);
  EXPECT_EQ(ace->name, "Ace, Mk2");  // the first of two records with one ID
  EXPECT_EQ(ace->pow, 3);
  const auto twelve = ld_Motor(game(), 12);
  EXPECT_EQ(twelve->Rl, 12);
  EXPECT_EQ(twelve->pow, 14);
  EXPECT_EQ(twelve->HP, 0);  // an empty-looking 0 and a rounded 2.5
  EXPECT_EQ(twelve->weight, 2);
  EXPECT_EQ(ld_Motor(game(), 99)->name, "Top");  // matched before the stop is tested
  EXPECT_EQ(ld_Motor(game(), 50)->name, "");
  write("Motor.ini", ".1234\nFour digits\n1,1,1,1\n");
  EXPECT_EQ(ld_Motor(game(), 123)->name, "Four digits");  // the ID is in columns 2 to 4
  EXPECT_EQ(ld_Motor(game(), 1234)->name, "");

  write("Motor.ini", ".1\nFirst\n1,1,1,1\n.12\nTwelve\n1,1,0,1\n.1\nSecond one\n1,1,1,1\n");
  const auto table = ld_AllMotors(game());
  EXPECT_EQ(table[1]->name, "Second one");  // tables keep the last
  EXPECT_EQ(table[12]->HP, 0);
  EXPECT_EQ(table[2], nullptr);
}

TEST_F(CatalogueReaderTest, ProtectorLookupStopsAfterId20) {
  write("Protector.ini", ".5\nカーボン\n260\n2.5,0.5\n.20\nLast\n1\n1,1\n.21\nBeyond\n1\n1,1\n");
  const auto carbon = ld_Protect(game(), 5);
  EXPECT_DOUBLE_EQ(carbon->AC, 2.5);
  EXPECT_DOUBLE_EQ(carbon->weight, 0.5);
  EXPECT_EQ(ld_Protect(game(), 20)->name, "Last");
  EXPECT_EQ(ld_Protect(game(), 21)->name, "");
  EXPECT_TRUE(ld_Protect(game(), 21)->isNew);
}

TEST_F(CatalogueReaderTest, SoftwareLookupAndTables) {
  write("Software1.ini", ".2\nステッパー\n50\n2,3,3\n2,2,1\n");
  write("Software2.ini",
        ".5\nファイター\n80\n2,3,3,4,4\n2,3,3,3,1\n.7\nSeven\n1\n1,1,1,1,1\n1,1,1,1,1\n"
        ".8\nNever read by the shop\n1\n1,1,1,1,1\n1,1,1,1,1\n");
  write("Software3.ini", ".1\nガード\n40\n2,2,3\n1,1,2\n");

  const auto mobile = ld_SoftM(game(), 2);
  EXPECT_EQ(mobile->spin->AP, 3);
  EXPECT_EQ(mobile->spin->Memory, 1);
  EXPECT_EQ(mobile->spin->ID, kSpin);  // looked-up software keeps its own actions
  const auto defence = ld_SoftD(game(), 1);
  EXPECT_EQ(defence->block->AP, 2);
  EXPECT_EQ(defence->hazusi->Memory, 2);
  EXPECT_EQ(ld_SoftA(game(), 8)->name, "Never read by the shop");

  const auto tables = ld_AllSoft(game());
  ASSERT_NE(tables.attack[5], nullptr);
  EXPECT_NE(tables.attack[7], nullptr);
  EXPECT_EQ(tables.attack[8], nullptr);  // the attack table stops after ID 7
  EXPECT_EQ(tables.attack[5]->hold->Memory, 1);
  // Table software carries fresh actions with the costs only.
  EXPECT_EQ(tables.attack[5]->punch->ID, 0);
  EXPECT_EQ(tables.attack[5]->punch->name, "");
  EXPECT_EQ(tables.defence[1]->uke->AP, 2);
  EXPECT_EQ(tables.mobile[2]->Rl, 50);
}

TEST_F(CatalogueReaderTest, TablesFillHpOnlyAndBoostersStartBlank) {
  write("Booster.ini", ".3\nジェット\n200\n5,4,3\n10,1\n");
  write("Frame.ini", ".1\n修羅\n300\n5,6,0,0,0\n110,2\n01\n");
  const auto boosters = ld_AllBooster(game());
  for (const auto& slot : boosters)
    ASSERT_NE(slot, nullptr);
  EXPECT_EQ(boosters[3]->spin, 3);
  EXPECT_EQ(boosters[4]->name, "");
  const auto frames = ld_AllFrame(game());
  EXPECT_EQ(frames[1]->HP, 110);
  EXPECT_EQ(frames[1]->maxHP, 0);
}

TEST_F(CatalogueReaderTest, FaultsAreReportedWithFileAndLine) {
  EXPECT_THROW(
      {
        try {
          ld_Hard(game(), 1);
        } catch (const DataFileError& e) {
          EXPECT_EQ(e.kind(), DataFileError::Kind::Missing);
          EXPECT_STREQ(e.what(), "ini/Hardware.ini: ファイルが見つかりません");
          throw;
        }
      },
      DataFileError);

  const auto expectFault = [&](const std::string& text, size_t line, const std::string& reason) {
    write("Hardware.ini", text);
    try {
      ld_AllHard(game());
      ADD_FAILURE() << "no fault for: " << text;
    } catch (const DataFileError& e) {
      EXPECT_EQ(e.file(), "ini/Hardware.ini");
      EXPECT_EQ(e.line(), line) << text;
      EXPECT_NE(e.reason().find(reason), std::string::npos) << e.what();
    }
  };
  expectFault(".1\nA\n100\n3,40000\n", 4, "16ビット");
  expectFault(".1\nA\n100\n3,abc\n", 4, "数値ではありません");
  expectFault(".1\nA\n100\n", 3, "ファイルが終わって");
  expectFault(".1\nA\n.2\n3,4\n", 3, "「.」で始まって");
  expectFault(".1\nA\n1\n3,4\n.21\nB\n1\n1,1\n", 5, "棚がありません");

  folder.writeBytes("ini/Hardware.ini", ".1\r\nA\r\n1\r\n3,\xff\xfe\r\n");
  try {
    ld_Hard(game(), 1);
    ADD_FAILURE() << "no fault for bad bytes";
  } catch (const DataFileError& e) {
    EXPECT_EQ(e.kind(), DataFileError::Kind::Unreadable);
    EXPECT_EQ(e.line(), 4u);
  }
}

}  // namespace
}  // namespace velko
