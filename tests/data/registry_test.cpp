#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>

#include "career/tournament_draw.h"
#include "core/random.h"
#include "data/files/data_file_error.h"
#include "data/registry/registry_doll_record.h"
#include "data/registry/registry_files.h"
#include "data/registry/registry_logic_record.h"
#include "data/registry/registry_read.h"
#include "data/registry/registry_reset.h"
#include "data/registry/registry_write.h"
#include "data/save/save_commit.h"
#include "slot_fixture.h"

namespace velko {
namespace {

using testing::SlotFixture;

class Registry : public ::testing::Test {
 protected:
  // A registry of Dolls 1..last (worth 100 times their number unless told), six patterns each.
  void writeRegistry(int last, const std::function<int(int)>& worth = hundredFold) {
    std::vector<int> numbers;
    for (int n = 1; n <= last; ++n)
      numbers.push_back(n);
    writeRegistry(numbers, worth);
  }

  static int hundredFold(int n) { return 100 * n; }

  void writeRegistry(const std::vector<int>& numbers,
                     const std::function<int(int)>& worth = hundredFold) {
    std::vector<std::string> dolls;
    std::vector<std::string> logics;
    int pattern = 0;
    for (int n : numbers) {
      EnemyDollRecord r;
      r.name = "敵" + std::to_string(n);
      r.motor = 1;
      r.frame = 5;
      r.value = static_cast<int16_t>(worth(n));
      r.weight = 3.5;
      r.image = "01";
      const auto lines = enemyDollLines(r, n);
      dolls.insert(dolls.end(), lines.begin(), lines.end());
      for (int k = 0; k < 6; ++k) {
        EnemyLogicRecord p;
        p.dollNumber = static_cast<int16_t>(n);
        p.name = "技" + std::to_string(k);
        p.actions[0] = kPunch;
        const auto record = enemyLogicLines(p, ++pattern);
        logics.insert(logics.end(), record.begin(), record.end());
      }
    }
    f.temp.writeBytes("save/EDollsv.ini", cp932Lines(dolls));
    f.temp.writeBytes("save/ELogicsv.ini", cp932Lines(logics));
  }

  SlotFixture f;
};

TEST_F(Registry, ANewDollFollowsDoll41WithItsSixPatterns) {
  writeRegistry(41);
  const std::string dollsBefore = f.bytesOf("save/EDollsv.ini");
  const std::string logicsBefore = f.bytesOf("save/ELogicsv.ini");
  f.equipPlayer();
  doll& d = *f.Dolls[0];
  d.name = "鉄,\"丸\"";
  d.getLogic(0)->name = "突き,蹴り";
  auto eight = std::make_shared<Logic>();
  for (int id : {1, 4, 4, 5, 5, 6, 7, 8})
    eight->addAction(workshopAction(d, id), f.prompter);
  d.setLogics(eight, 2);

  EXPECT_EQ(entryEnemy(f.folder, d, f.prompter), 42);
  EXPECT_TRUE(f.dialog.shown.empty());
  EXPECT_EQ(f.bytesOf("save/EDollsv.img"), dollsBefore);
  EXPECT_EQ(f.bytesOf("save/ELogicsv.img"), logicsBefore);
  const std::string dolls = f.bytesOf("save/EDollsv.ini");
  EXPECT_EQ(dolls.substr(0, dollsBefore.size()), dollsBefore);
  EXPECT_EQ(dolls.substr(dollsBefore.size(), 5), ".42\r\n");
  const std::string added = f.bytesOf("save/ELogicsv.ini").substr(logicsBefore.size());
  for (int number = 247; number <= 252; ++number) {
    EXPECT_NE(added.find("." + std::to_string(number) + "\r\n42\r\n"), std::string::npos);
  }
  EXPECT_EQ(added.find(".253"), std::string::npos);

  const DollRef enemy = ldTekiDoll(f.folder, 42);
  EXPECT_EQ(enemy->name, "鉄,\"丸\"");
  EXPECT_EQ(
      std::vector<double>({double(enemy->ID), double(enemy->value), enemy->AC, enemy->weight,
                           double(enemy->move), double(enemy->AP)}),
      std::vector<double>({42, double(d.value), d.AC, d.weight, double(d.move), double(d.AP)}));
  EXPECT_EQ(enemy->image + enemy->frame->image, "020200");  // the battle reader's frame: "00"
  EXPECT_EQ(enemy->Motor->ID * 100 + enemy->frame->ID, 504);
  EXPECT_EQ(enemy->getLogic(0)->name, "突き,蹴り");
  EXPECT_EQ(enemy->getLogic(0)->ID, 247);
  // A pattern of eight actions fights with its first six, at the total it was registered with.
  const Logic& long8 = *enemy->getLogic(2);
  EXPECT_EQ(long8.getActionsname(5) + "/" + long8.getActionsname(6), "組み/");
  EXPECT_EQ(long8.AP, d.getLogic(2)->AP);

  EnemyIdList ids{};
  EXPECT_EQ(countTekiDoll(f.folder, 9999, ids), 42);
  EXPECT_EQ(ids[42], 42);

  // Patterns that cannot be written take the new Doll back out: none is left without them.
  std::filesystem::create_directory(f.temp.path() / "save" / "ELogicsv.ini.tmp");
  EXPECT_EQ(entryEnemy(f.folder, d, f.prompter), 0);
  EXPECT_EQ(f.dialog.texts().back(), "敵ファイルに書き込めませんでした");
  EXPECT_EQ(f.bytesOf("save/EDollsv.ini"), dolls);
}

TEST_F(Registry, ARegisteredDollIsWrittenByteForByte) {
  f.temp.writeBytes("save/EDollsv.ini", "");
  f.temp.writeBytes("save/ELogicsv.ini", "");
  doll d;
  d.name = "Velko";
  d.Motor->ID = 2;
  d.frame->ID = 1;
  d.Hard->ID = 1;
  for (const auto& [id, name] : {std::pair{3, "b3"}, std::pair{7, "b7"}}) {
    auto booster = std::make_shared<Booster>();
    booster->ID = static_cast<int16_t>(id);
    booster->name = name;
    d.addBooster(booster);
    auto protector = std::make_shared<Protector>();
    protector->ID = static_cast<int16_t>(id + 1);
    protector->name = name;
    d.addProtector(protector, f.prompter);
  }
  auto softM = std::make_shared<SoftMobile>();
  softM->init(2, "m", 50);
  auto softA = std::make_shared<SoftAttack>();
  softA->init(5, "a", 80);
  auto softD = std::make_shared<SoftDeffence>();
  softD->init(1, "d", 40);
  d.setSoftM(0, softM);
  d.setSoftA(0, softA);
  d.setSoftD(0, softD);
  d.pow = 12;
  d.offence = 5;
  d.defence = 6;
  d.move = 30;
  d.jump = 20;
  d.spin = 10;
  d.AC = 1.5;
  d.AP = 4;
  d.Memory = 40;
  d.value = 1800;
  d.weight = 95.5;
  d.image = "0201";
  auto jab = std::make_shared<Logic>();
  jab->name = "Jab";
  jab->AP = 3;
  jab->Memory = 2;
  jab->setAction(battleAction(kPunch), 0);
  jab->setAction(battleAction(kMove), 1);
  d.setLogics(jab, 0);

  ASSERT_EQ(entryEnemy(f.folder, d, f.prompter), 1);
  // Boosters and protectors are taken from Doll slots 1 to 3.
  EXPECT_EQ(f.bytesOf("save/EDollsv.ini"),
            ".1\r\nVelko\r\n0,12,5,6\r\n30,20,10\r\n1.5,4,40\r\n2,1\r\n7,0,0\r\n8,0,0\r\n"
            "1,2,5,1\r\n0,1,1800,95.5\r\n\"0201\"\r\n");
  std::string logics = ".1\r\n1\r\nJab\r\n3,2\r\n4,1,0,0,0,0,0,0,0,0,0\r\n";
  for (int k = 2; k <= 6; ++k)
    logics += "." + std::to_string(k) + "\r\n1\r\n\r\n0,0\r\n0,0,0,0,0,0,0,0,0,0,0\r\n";
  EXPECT_EQ(f.bytesOf("save/ELogicsv.ini"), logics);
}

TEST_F(Registry, AFullRegistryRefusesAndEveryCountedDollLoads) {
  writeRegistry(100);
  const std::string dollsBefore = f.bytesOf("save/EDollsv.ini");
  const std::string logicsBefore = f.bytesOf("save/ELogicsv.ini");
  f.equipPlayer();
  EXPECT_EQ(entryEnemy(f.folder, *f.Dolls[0], f.prompter), 0);
  ASSERT_EQ(f.dialog.shown.size(), 1u);
  EXPECT_EQ(f.dialog.texts()[0],
            "現在 99体以上は登録できません\n"
            "新たに登録したい場合は、一度敵ファイルを初期化して下さい");
  EXPECT_EQ(f.bytesOf("save/EDollsv.ini"), dollsBefore);
  EXPECT_EQ(f.bytesOf("save/ELogicsv.ini"), logicsBefore);
  EXPECT_EQ(f.bytesOf("save/EDollsv.img"), dollsBefore);

  // Doll 100 can be drawn, so it loads, and Dolls 99 and 100 fight with all six patterns.
  const DollRef hundred = ldTekiDoll(f.folder, 100);
  EXPECT_EQ(hundred->ID, 100);
  EXPECT_EQ(hundred->getLogic(5)->name, "技5");
  const DollRef last = ldTekiDoll(f.folder, 99);
  EXPECT_EQ(last->name, "敵99");
  EXPECT_EQ(last->getLogic(5)->name, "技5");
  const EnemyIdList ids = ldTekiIDs(f.folder, 9999);
  EXPECT_EQ(ids[98], 99);
  EXPECT_EQ(ids[99], 0);  // Doll 100 is worth 10000
  EXPECT_EQ(ldTekiIDs(f.folder, 10000)[99], 100);
  // The count of the fight set-up reads the same Dolls.
  EnemyIdList teki{};
  EXPECT_EQ(countTekiDoll(f.folder, 9999, teki), 99);  // Doll 100 is worth 10000
  EXPECT_EQ(countTekiDoll(f.folder, 32767, teki), 100);
  EXPECT_EQ(teki[99], 99);
  EXPECT_EQ(teki[100], 100);

  // A header above 100, in a file edited by hand, is a Doll like any other.
  writeRegistry({1, 120, 121});
  EXPECT_EQ(ldTekiDoll(f.folder, 120)->name, "敵120");
  EXPECT_EQ(ldTekiDoll(f.folder, 120)->getLogic(5)->name, "技5");
  EXPECT_EQ(ldTekiDoll(f.folder, 121)->name, "敵121");
  EXPECT_EQ(ldTekiIDs(f.folder, 32767)[1], 120);
  EXPECT_EQ(countTekiDoll(f.folder, 32767, teki), 3);

  // Registration goes on to 100 from 99, and stops there.
  writeRegistry(99);
  EXPECT_EQ(saveEnemyDoll(f.folder, *f.Dolls[0], f.prompter), 100);
  EXPECT_EQ(ldTekiDoll(f.folder, 100)->ID, 100);
}

// The count, the eligible list and the draw follow one rule of which Dolls exist, so a
// tournament never seats the player twice and Doll 100 is drawn like any other.
TEST_F(Registry, EveryDrawSeatsThePlayerOnceAndCanDrawDoll100) {
  struct Case {
    std::function<int(int)> worth;
    const char* className;
  };
  const Case cases[] = {
      {[](int n) { return n <= 6 || n == 100 ? 1000 : 5000; }, "Novice"},
      {[](int n) { return 9000 + n; }, "Master"},
  };
  ClockRandom rnd(7);
  for (const Case& c : cases) {
    writeRegistry(100, c.worth);
    const int16_t limit = classLimit(c.className);
    const std::vector<int16_t> eligible = eligibleEnemies(f.folder, limit);
    EnemyIdList teki{};
    ASSERT_EQ(countTekiDoll(f.folder, limit, teki), std::ssize(eligible)) << c.className;
    EXPECT_EQ(ldTekiDoll(f.folder, eligible.back())->ID, 100);
    int hundred = 0;
    for (int run = 0; run < 10000; ++run) {
      const auto bracket = makeKumiawase(eligible, rnd);
      ASSERT_EQ(std::count(bracket.begin(), bracket.begin() + 8, 0), 1) << c.className;
      ASSERT_EQ(std::set<int16_t>(bracket.begin(), bracket.begin() + 8).size(), 8u);
      hundred += std::count(bracket.begin(), bracket.begin() + 8, 100);
    }
    EXPECT_GT(hundred, 0) << c.className;
  }
  // A number written twice is one Doll, worth what its last record says, as the loader reads it;
  // a record numbered 0 is no Doll.
  writeRegistry({1, 2, 0, 3, 2}, [](int n) { return 1000 * n; });
  EXPECT_EQ(eligibleEnemies(f.folder, 9999), (std::vector<int16_t>{1, 2, 3}));
  EXPECT_EQ(eligibleEnemies(f.folder, 1000), (std::vector<int16_t>{1}));
  // A file edited to hold more than the lists have room for: the first 100 Dolls count.
  writeRegistry(101, [](int) { return 1000; });
  EnemyIdList teki{};
  EXPECT_EQ(countTekiDoll(f.folder, 9999, teki), 100);
  EXPECT_EQ(teki[100], 100);
  EXPECT_EQ(eligibleEnemies(f.folder, 9999).back(), 100);
}

TEST_F(Registry, ResetAndFirstStartPutTheFactoryFilesInPlace) {
  ASSERT_TRUE(prepareSaveFolder(f.folder));
  const std::string factoryDolls = f.bytesOf("ini/Dollsv.ini");
  const std::string factoryLogics = f.bytesOf("ini/Logicsv.ini");
  EXPECT_EQ(f.bytesOf("save/EDollsv.ini"), factoryDolls);
  EXPECT_EQ(f.bytesOf("save/ELogicsv.ini"), factoryLogics);

  f.equipPlayer();
  ASSERT_GT(entryEnemy(f.folder, *f.Dolls[0], f.prompter), 0);
  const std::string dollCopy = f.bytesOf("save/EDollsv.img");
  ASSERT_TRUE(prepareSaveFolder(f.folder));  // an existing registry is left alone
  EXPECT_NE(f.bytesOf("save/EDollsv.ini"), factoryDolls);

  f.dialog.answer(kAnswerNo);
  mnInit_Click(f.folder, f.prompter);
  EXPECT_NE(f.bytesOf("save/EDollsv.ini"), factoryDolls);
  mnInit_Click(f.folder, f.prompter);
  EXPECT_EQ(f.dialog.texts(),
            (std::vector<std::string>{"敵Dollファイルを初期化しますか？",
                                      "敵Dollファイルを初期化しますか？", "初期化完了しました"}));
  EXPECT_EQ(f.bytesOf("save/EDollsv.ini"), factoryDolls);
  EXPECT_EQ(f.bytesOf("save/ELogicsv.ini"), factoryLogics);
  EXPECT_EQ(f.bytesOf("save/EDollsv.img"), dollCopy);

  std::filesystem::remove(f.temp.path() / "ini" / "Logicsv.ini");
  std::filesystem::remove(f.temp.path() / "save" / "ELogicsv.ini");
  EXPECT_FALSE(prepareSaveFolder(f.folder));
  EXPECT_THROW(ldLogics(f.folder, 1, *f.Dolls[1]), DataFileError);
  EXPECT_FALSE(resetRegistry(f.folder));
  EXPECT_EQ(f.bytesOf("save/EDollsv.ini"), factoryDolls);
}

TEST_F(Registry, DamagedRecordsArePassedOverAndPriceLimitsFilter) {
  writeRegistry(5);
  std::string dolls = f.bytesOf("save/EDollsv.ini");
  const size_t third = dolls.find(".3\r\n");
  dolls.replace(dolls.find("300", third), 3, "3x0");  // a value that is not a number
  dolls += cp932Lines({".6", "切れた敵", "0,1,2"});   // cut short at the end
  f.temp.writeBytes("save/EDollsv.ini", dolls);

  EnemyIdList teki{};
  EXPECT_EQ(countTekiDoll(f.folder, 9999, teki), 4);
  EXPECT_EQ(std::vector<int16_t>(teki.begin(), teki.begin() + 6),
            (std::vector<int16_t>{0, 1, 2, 4, 5, 0}));
  EXPECT_EQ(ldTekiDoll(f.folder, 3)->ID, 0);
  EXPECT_EQ(ldTekiDoll(f.folder, 6)->ID, 0);
  EXPECT_EQ(ldTekiDoll(f.folder, 5)->name, "敵5");

  const EnemyIdList cheap = ldTekiIDs(f.folder, 250);
  EXPECT_EQ(std::vector<int16_t>(cheap.begin(), cheap.begin() + 3),
            (std::vector<int16_t>{1, 2, 0}));
  const EnemyIdList none = ldTekiIDs(f.folder, 99);
  EXPECT_TRUE(std::all_of(none.begin(), none.end(), [](int16_t id) { return id == 0; }));

  std::filesystem::remove(f.temp.path() / "save" / "EDollsv.ini");
  EXPECT_THROW(ldTekiIDs(f.folder, 9999), DataFileError);
  EXPECT_EQ(saveEnemyDoll(f.folder, *f.Dolls[0], f.prompter), 0);
  EXPECT_EQ(f.dialog.texts().back(), "ファイルが見つかりません");
}

}  // namespace
}  // namespace velko
