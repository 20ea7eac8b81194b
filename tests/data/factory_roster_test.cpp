// The shipped opponents must be Dolls a pilot could build: each record's statistics are the
// workshop's recomputation of the parts listed here, and its patterns cost what its software
// makes them cost.

#include <gtest/gtest.h>

#include <algorithm>

#include "core/numbers.h"
#include "core/shipped_names.h"
#include "data/files/text_file.h"
#include "data/registry/registry_doll_record.h"
#include "data/registry/registry_files.h"
#include "data/registry/registry_read.h"
#include "data/registry/registry_reset.h"
#include "data/save/save_name_line.h"
#include "slot_fixture.h"

namespace velko {
namespace {

using testing::SlotFixture;

struct FactoryParts {
  int16_t skillPlay;
  int16_t motor;
  int16_t frame;
  std::vector<int16_t> boosters;
  std::vector<int16_t> protectors;
  int16_t hard;
  int16_t softM;
  int16_t softA;
  int16_t softD;
};

// Registry numbers 1-28 in order, as assets/factory_roster.txt describes them.
const FactoryParts kRoster[] = {
    {9, 4, 1, {1, 3}, {}, 7, 2, 5, 1},
    {9, 1, 4, {2, 8, 3}, {}, 7, 2, 5, 1},
    {4, 7, 1, {1, 11}, {7}, 7, 2, 5, 1},
    {7, 4, 4, {11}, {7, 4, 4}, 7, 2, 5, 1},
    {6, 7, 2, {1, 11}, {}, 7, 2, 5, 1},
    {5, 4, 3, {11}, {}, 7, 2, 5, 1},
    {3, 4, 2, {1, 3}, {}, 12, 2, 5, 1},
    {3, 7, 3, {8}, {8, 1}, 7, 2, 5, 1},
    {3, 10, 2, {1}, {}, 11, 2, 5, 1},
    {3, 13, 2, {1, 5}, {7, 4, 2}, 1, 2, 5, 1},
    {3, 10, 3, {}, {8, 4, 1}, 8, 2, 5, 1},
    {3, 13, 4, {1}, {7, 4, 3}, 8, 2, 5, 1},
    {4, 13, 2, {1, 5}, {3}, 8, 2, 5, 1},
    {10, 13, 3, {3}, {7, 4}, 9, 2, 5, 1},
    {10, 13, 2, {1, 5, 3}, {7, 7, 7, 6}, 9, 2, 5, 1},
    {9, 13, 3, {2}, {7, 7, 4, 4}, 9, 2, 5, 1},
    {8, 13, 2, {1, 5}, {9, 8, 8, 8}, 9, 2, 5, 1},
    {7, 13, 3, {5}, {7, 7, 7, 6}, 8, 2, 5, 1},
    {9, 16, 2, {1, 5}, {7, 7, 7, 5}, 7, 2, 5, 1},
    {13, 13, 3, {5, 1, 3}, {11, 10, 10, 10}, 10, 2, 5, 1},
    {12, 16, 2, {1, 5}, {13, 11, 12, 11}, 7, 2, 5, 1},
    {11, 16, 3, {5, 1, 3}, {11, 13, 10, 10}, 10, 2, 5, 1},
    {10, 16, 2, {1, 5, 11}, {10, 10, 10, 8}, 15, 2, 5, 1},
    {15, 16, 3, {5, 1, 11, 3}, {11, 13, 10, 10}, 15, 2, 5, 1},
    {14, 19, 2, {1, 5, 7, 3}, {14, 14, 14, 13}, 10, 2, 5, 1},
    {13, 19, 3, {5, 1, 3, 2}, {15, 16, 16, 13}, 10, 2, 5, 1},
    {15, 19, 2, {1, 5, 7, 14}, {15, 15, 15, 15}, 14, 2, 5, 1},
    {15, 19, 3, {5, 1}, {18, 19, 16, 16}, 8, 2, 5, 1},
};
constexpr int kRosterSize = static_cast<int>(std::size(kRoster));

class FactoryRoster : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(prepareSaveFolder(f.folder)); }

  // The Doll assembled in the workshop and recomputed for its pilot.
  DollRef build(const FactoryParts& p) {
    auto d = std::make_shared<doll>();
    d->Motor = ld_Motor(f.folder, p.motor);
    d->frame = ld_Frame(f.folder, p.frame);
    d->Hard = ld_Hard(f.folder, p.hard);
    d->setSoftM(0, ld_SoftM(f.folder, p.softM));
    d->setSoftA(0, ld_SoftA(f.folder, p.softA));
    d->setSoftD(0, ld_SoftD(f.folder, p.softD));
    for (int16_t id : p.boosters)
      EXPECT_TRUE(d->addBooster(ld_Boost(f.folder, id)));
    // Plates of one kind are worn under the names the shop gives them: X, X1, X2.
    for (size_t k = 0; k < p.protectors.size(); ++k) {
      const ProtectorRef plate = ld_Protect(f.folder, p.protectors[k]);
      const auto before =
          std::count(p.protectors.begin(), p.protectors.begin() + k, p.protectors[k]);
      if (before > 0) plate->name += std::to_string(before);
      EXPECT_TRUE(d->addProtector(plate, f.prompter));
    }
    Owner pilot;
    pilot.skillPlay = p.skillPlay;
    resetDollParam(*d, pilot);
    return d;
  }

  SlotFixture f;
};

TEST_F(FactoryRoster, EveryRecordIsTheRecomputationOfItsParts) {
  const TextFile file = readTextFile(f.folder.path(kEnemyDollFile), "EDollsv.ini");
  size_t at = 0;
  for (int n = 1; n <= kRosterSize; ++n) {
    while (at < file.lines.size() && file.lines[at] != "." + std::to_string(n))
      ++at;
    ASSERT_LE(at + 11, file.lines.size()) << "no record " << n;
    const DollRef d = build(kRoster[n - 1]);
    d->name = decodeNameLine(file.lines[at + 1]);
    const std::vector<std::string> stored(file.lines.begin() + at, file.lines.begin() + at + 11);
    EXPECT_EQ(stored, enemyDollLines(enemyDollRecordOf(*d), n));

    const DollRef enemy = ldTekiDoll(f.folder, static_cast<int16_t>(n));
    EXPECT_EQ(enemy->name, d->name);
    // The game knows its factory opponents by number and name to show them translated.
    EXPECT_TRUE(isFactoryDoll(n, enemy->name)) << n << " " << enemy->name;
    EXPECT_FALSE(enemy->Motor->name.empty() || enemy->frame->name.empty()) << n;
    EXPECT_GE(intFloor(d->move / d->weight), 1) << n << " cannot close in";
  }
  EXPECT_FALSE(std::any_of(file.lines.begin(), file.lines.end(), [](const std::string& line) {
    return line == "." + std::to_string(kRosterSize + 1);
  }));
}

TEST_F(FactoryRoster, PatternsFollowTheGuideAndFitTheirDoll) {
  for (int n = 1; n <= kRosterSize; ++n) {
    const DollRef d = build(kRoster[n - 1]);
    const DollRef enemy = ldTekiDoll(f.folder, static_cast<int16_t>(n));
    int memory = 0;
    int cheapest = 999;
    int dearest = 0;
    bool closesIn = false;
    bool getsUp = false;
    bool escapes = false;
    for (int k = 0; k < 6; ++k) {
      const Logic& logic = *enemy->getLogic(k);
      EXPECT_FALSE(logic.name.empty()) << n << "/" << k;
      int ap = 0;
      int mem = 0;
      for (int slot = 0; slot < 6; ++slot) {
        const int id = logic.getActions(slot)->ID;
        const ActionRef cost = workshopAction(*d, id);
        ap += cost->AP;
        mem += cost->Memory;
        getsUp = getsUp || id == kSpin;
        escapes = escapes || id == kHazusi;
      }
      // The stored totals are those of the six actions read, so no action was left out.
      EXPECT_EQ(logic.AP, ap) << n << "/" << k;
      EXPECT_EQ(logic.Memory, mem) << n << "/" << k;
      closesIn = closesIn || logic.getActions(0)->ID == kMove;
      memory += mem;
      cheapest = std::min(cheapest, ap);
      dearest = std::max(dearest, ap);
    }
    EXPECT_TRUE(closesIn && getsUp && escapes) << n;
    EXPECT_LE(memory, d->Memory) << n;
    EXPECT_LE(cheapest, d->AP + 2) << n << ": no pattern for the lowest roll";
    EXPECT_LE(dearest, d->AP + 12) << n << ": a pattern no roll reaches";
    EXPECT_EQ(enemy->getLogic(6)->getActions(0)->ID, 0) << n;
  }
}

TEST_F(FactoryRoster, EveryClassHoldsATournamentAndTheDrawHoldsThemAll) {
  EnemyIdList ids{};
  const int novices = countTekiDoll(f.folder, 2500, ids);
  const int experts = countTekiDoll(f.folder, 3500, ids) - novices;
  const int all = countTekiDoll(f.folder, 9999, ids);
  EXPECT_GE(novices, 8);
  EXPECT_GE(experts, 8);
  EXPECT_GE(all - novices - experts, 8);
  EXPECT_EQ(all, kRosterSize);  // none worth more than the Master limit
  EXPECT_LE(all, 32);           // the pairing's pool takes the first 32
  EXPECT_EQ(ldTekiIDs(f.folder, 9999)[kRosterSize - 1], kRosterSize);
}

}  // namespace
}  // namespace velko
