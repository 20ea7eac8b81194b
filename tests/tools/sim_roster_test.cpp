// The simulator's Dolls from the game folder: the registry in both places, the fresh starter
// builds, and a pilot's save slot.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "data/registry/registry_files.h"
#include "data/save/slot_save.h"
#include "data/slot_fixture.h"
#include "sim/bout.h"
#include "sim/novice_builds.h"
#include "sim/player_bouts.h"
#include "sim/registry_roster.h"
#include "sim/sim_random.h"
#include "sim/slot_player.h"
#include "tools/shipped_game.h"

namespace velko::sim {
namespace {

using velko::testing::SlotFixture;

TEST(SimRegistry, FactoryOpponentsFillEveryClass) {
  const auto roster = loadRoster(kGame, RegistrySource::Factory);
  ASSERT_GE(roster.size(), 27u);
  int perClass[kClassCount] = {};
  for (size_t i = 0; i < roster.size(); ++i) {
    const RosterDoll& d = roster[i];
    EXPECT_EQ(d.number, static_cast<int16_t>(i + 1));
    EXPECT_FALSE(d.doll->getLogic(0)->name.empty()) << d.number;
    EXPECT_EQ(d.doll->Motor->HP, d.doll->Motor->maxHP) << d.number;
    EXPECT_LE(d.doll->value, 9999) << d.number;
    ++perClass[static_cast<int>(d.dollClass)];
  }
  for (int count : perClass)
    EXPECT_GE(count, 8);
}

TEST(SimRegistry, TheSaveRegistryIsReadOnlyWhenAsked) {
  SlotFixture f;
  EXPECT_THROW(loadRoster(f.folder, RegistrySource::Save), std::exception);
  f.temp.writeCp932("save/EDollsv.ini",
                    ".1\nマイドール\n0,5,5,5\n9,7,0\n1,4,40\n1,4\n0,0,0\n0,0,0\n4,2,5,1\n"
                    "0,1,1500,3\n\"0201\"\n");
  f.temp.writeCp932("save/ELogicsv.ini", ".1\n1\nダッシュパンチ\n4,4\n1,4,0,0,0,0,0,0,0,0,0\n");
  const auto saved = loadRoster(f.folder, RegistrySource::Save);
  ASSERT_EQ(saved.size(), 1u);
  EXPECT_EQ(saved[0].doll->name, "マイドール");
  EXPECT_EQ(saved[0].doll->getLogic(0)->AP, 4);
  EXPECT_GE(loadRoster(f.folder, RegistrySource::Factory).size(), 27u);
}

TEST(SimNoviceBuilds, EachIsAffordableAndProgrammedAsTheGuideAdvises) {
  ASSERT_GE(noviceBuilds().size(), 3u);
  for (const BuildRecipe& recipe : noviceBuilds()) {
    for (int16_t skill : {3, 18}) {
      const AssembledBuild build = assemble(kGame, recipe, skill);
      const doll& d = *build.doll;
      EXPECT_TRUE(build.faults.empty()) << recipe.name << ": " << build.faults.front();
      EXPECT_LE(build.price, kNoviceBudget) << recipe.name;
      EXPECT_LE(d.value, kNoviceLimit) << recipe.name;
      bool closesIn = false;
      bool getsUp = false;
      bool escapes = false;
      int cheapest = 99;
      for (int k = 0; k < 6; ++k) {
        const Logic& logic = *d.getLogic(k);
        closesIn = closesIn || logic.getActions(0)->ID == kMove;
        for (int slot = 0; slot < Logic::kSlots; ++slot) {
          getsUp = getsUp || logic.getActions(slot)->ID == kSpin;
          escapes = escapes || logic.getActions(slot)->ID == kHazusi;
        }
        cheapest = std::min<int>(cheapest, logic.AP);
      }
      EXPECT_TRUE(closesIn && getsUp && escapes) << recipe.name;
      EXPECT_LE(cheapest, d.AP + 2) << recipe.name << ": no pattern for the lowest roll";
    }
  }
}

TEST(SimSlot, ASavedDollFightsAsSavedAndIsLeftAsLoaded) {
  SlotFixture f;
  f.equipPlayer();
  ASSERT_TRUE(save_rtn(f.folder, 2, f.state, f.prompter));
  const doll& saved = *f.Dolls[0];

  const DollRef player = loadSlotDoll(f.folder, 2);
  ASSERT_NE(player, nullptr);
  EXPECT_EQ(player->name, saved.name);
  EXPECT_EQ(player->value, saved.value);
  EXPECT_EQ(player->AP, saved.AP);
  EXPECT_EQ(player->Motor->HP, 12);  // as saved, damaged
  EXPECT_EQ(player->getLogic(4)->AP, saved.getLogic(4)->AP);

  const auto roster = loadRoster(f.folder, RegistrySource::Factory);
  SeededRandom rnd(1);
  const auto tallies = playAgainstRoster(player, roster, 2, rnd);
  ASSERT_EQ(tallies.size(), roster.size());
  const auto novices = std::count_if(roster.begin(), roster.end(), [](const RosterDoll& d) {
    return d.dollClass == DollClass::Novice;
  });
  EXPECT_EQ(againstClassOf(roster, tallies, DollClass::Novice).fights, 2 * novices);
  EXPECT_EQ(player->Motor->HP, 12);  // copies fought; the loaded Doll is untouched

  EXPECT_EQ(loadSlotDoll(f.folder, 5), nullptr);  // no such slot
}

}  // namespace
}  // namespace velko::sim
