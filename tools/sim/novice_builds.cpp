#include "sim/novice_builds.h"

#include "battle/headless_seams.h"
#include "data/catalogue/catalogue.h"
#include "model/action_factories.h"
#include "model/doll_stats.h"
#include "model/owner.h"
#include "sim/sim_random.h"

namespace velko::sim {

// The patterns follow the guide as far as the smallest computer's memory allows: attacks
// near seven points over the Doll's AP, a single punch for the poorest roll.
const std::vector<BuildRecipe>& noviceBuilds() {
  static const std::vector<PatternRecipe> striker = {
      {"ダッシュ連打", {kMove, kPunch, kPunch, kPunch}},
      {"ジャンプキック", {kMove, kJump, kKick}},
      {"起き上がり蹴り", {kSpin, kKick}},
      {"振りほどき", {kHazusi, kPunch}},
      {"組み投げ", {kKumi, kDrop}},
      {"ジャブ", {kPunch}},
  };
  static const std::vector<PatternRecipe> brawler = {
      {"ダッシュ連打", {kMove, kPunch, kPunch, kPunch}},
      {"回転キック", {kMove, kSpin, kKick}},
      {"起き上がり蹴り", {kSpin, kKick}},
      {"振りほどき", {kHazusi, kPunch}},
      {"組み投げ", {kKumi, kDrop}},
      {"ジャブ", {kPunch}},
  };
  static const std::vector<BuildRecipe> builds = {
      // A light female frame on the strongest light motor.
      {"ダフネ速攻", 6, 4, 1, {}, {1}, striker},
      // The cheap warrior frame with a roller to move and a gyro to get up.
      {"修羅ローラー", 5, 1, 1, {1, 3}, {4, 1}, brawler},
      // The all-round female frame; the purse leaves only the smallest motor and no armour.
      {"バルキリー", 1, 3, 1, {}, {}, striker},
      // The heavy warrior frame: hard to hit, slow to move.
      {"羅刹", 2, 2, 1, {1, 3}, {1}, brawler},
  };
  return builds;
}

namespace {

// Pays for the part, and notes it when the catalogue has no such part.
template <typename Part>
void buyPart(AssembledBuild& build, const Part& part, const char* kind, int id) {
  if (part.name.empty())
    build.faults.push_back(std::string(kind) + " " + std::to_string(id) +
                           " is not in the catalogue");
  build.price += part.Rl;
}

}  // namespace

AssembledBuild assemble(const GameFolder& folder, const BuildRecipe& recipe, int16_t skillPlay) {
  AssembledBuild build;
  SilentPrompter prompter;
  auto d = std::make_shared<doll>();
  d->name = recipe.name;
  d->Motor = ld_Motor(folder, recipe.motor);
  d->frame = ld_Frame(folder, recipe.frame);
  d->Hard = ld_Hard(folder, recipe.hard);
  buyPart(build, *d->Motor, "motor", recipe.motor);
  buyPart(build, *d->frame, "frame", recipe.frame);
  buyPart(build, *d->Hard, "computer", recipe.hard);
  d->setSoftM(0, ld_SoftM(folder, kStarterSoftM));
  d->setSoftA(0, ld_SoftA(folder, kStarterSoftA));
  d->setSoftD(0, ld_SoftD(folder, kStarterSoftD));
  for (int16_t id : recipe.boosters) {
    const BoosterRef booster = ld_Boost(folder, id);
    buyPart(build, *booster, "booster", id);
    if (!d->addBooster(booster))
      build.faults.push_back("booster " + std::to_string(id) + " refused");
  }
  for (int16_t id : recipe.protectors) {
    const ProtectorRef protector = ld_Protect(folder, id);
    buyPart(build, *protector, "protector", id);
    if (!d->addProtector(protector, prompter))
      build.faults.push_back("protector " + std::to_string(id) + " refused");
  }
  Owner pilot;
  pilot.skillPlay = skillPlay;
  resetDollParam(*d, pilot);

  for (size_t k = 0; k < recipe.patterns.size(); ++k) {
    auto logic = std::make_shared<Logic>();
    logic->name = recipe.patterns[k].name;
    for (int16_t id : recipe.patterns[k].actions)
      logic->addAction(workshopAction(*d, id), prompter);
    build.memoryUsed += logic->Memory;
    d->setLogics(logic, static_cast<int>(k));
  }
  d->programed = true;
  if (build.price > kNoviceBudget)
    build.faults.push_back("costs " + std::to_string(build.price) + " Rl");
  if (build.memoryUsed > d->Memory)
    build.faults.push_back("patterns need " + std::to_string(build.memoryUsed) + " memory");
  build.doll = d;
  return build;
}

}  // namespace velko::sim
