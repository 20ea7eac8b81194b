#include "sim/sensible_career.h"

#include <map>
#include <utility>

#include "battle/battle_state.h"
#include "coach/build_planner.h"
#include "core/numbers.h"
#include "model/doll_class.h"
#include "shop/shop_kinds.h"
#include "shop/shop_model.h"
#include "sim/ladder.h"
#include "sim/policy_career.h"
#include "sim/registry_roster.h"
#include "sim/sim_random.h"
#include "workshop/assembly.h"

namespace velko::sim {

namespace {

// Kept back for repairs when buying.
constexpr int kRepairReserve = 300;
// A new Doll must be this much stronger than the one the pilot has before it pays to change.
constexpr double kUpgradeGain = 1.1;
// The share of the foe's longest run of blows the pilot fears on its weaker part.
constexpr double kDangerShare = 0.8;
// Expected to beat the class's average opponent: the pilot moves up.
constexpr double kMoveUpAdvantage = 1.0;

int16_t upperLimit(DollClass c) {
  return kDollClasses[static_cast<size_t>(c)].limit;
}

int lowerLimit(DollClass c) {
  if (c == DollClass::Novice) return 0;
  return upperLimit(static_cast<DollClass>(static_cast<int>(c) - 1)) + 1;
}

class SensibleRun : public PolicyCareer {
 public:
  SensibleRun(const GameFolder& folder, Random& rnd, const BuildPlanner& planner,
              const std::array<FighterProfile, kClassCount>& rivals)
      : PolicyCareer(folder, rnd), planner_(planner), rivals_(rivals) {}

 protected:
  void programVisit() override {
    doll& d = state_.playerDoll();
    if (d.getSoftA(0)->name.empty() || d.Hard->name.empty()) return;
    // The editor registers only what fits the memory; six sound patterns always fit the
    // shop's computers, and a pattern that would not is left out.
    std::vector<PatternPlan> plans;
    int memory = 0;
    for (const PatternPlan& p : sensiblePatternsFor(d, PatternStyle::Striker)) {
      if (memory + p.Memory > d.Memory) continue;
      memory += p.Memory;
      plans.push_back(p);
    }
    programDoll(d, plans, prompter_);
  }

  // Gives up before the foe's next action could break the weaker part.
  bool giveUpNow(FightSession& session) override {
    const BattleState& s = session.battle().state();
    if (!s.isTournament() || !s.fighters[0] || !s.fighters[1]) return false;
    // Only the foe's action can break a part; until it is the foe's turn there is time.
    if (s.turnStep != kFighter1Acts) return false;
    const doll& me = *s.fighters[0];
    const doll& foe = *s.fighters[1];
    // Nothing is lost yet at full strength; a fight is never given up before it is fought.
    if (me.Motor->HP == me.Motor->maxHP && me.frame->HP == me.frame->maxHP) return false;
    const double mine = weakestPart(me) / dangerTo(me, foe);
    if (mine > 1) return false;
    // A foe nearer to breaking than the pilot's Doll is worth one more exchange.
    return weakestPart(foe) / dangerTo(foe, me) >= mine;
  }

 private:
  static double weakestPart(const doll& d) { return std::min(d.Motor->HP, d.frame->HP); }

  // What one action of the attacker may take off one part of the target: its longest run of
  // blows, most of them landing on the same part.
  static double dangerTo(const doll& target, const doll& attacker) {
    int most = 0;
    for (const PatternShape& shape : shapesOf(attacker)) {
      int blows = 0;
      for (int16_t id : shape.actions)
        blows += id == kPunch || id == kKick || id == kDrop;
      most = std::max(most, blows);
    }
    const double perBlow = std::max(1.0, 9 + attacker.pow - target.AC);
    return kDangerShare * std::max(1, most) * perBlow;
  }

  int resale() const {
    const Owner& p = *state_.Owners[0];
    int sum = 0;
    auto add = [&](const auto& part) {
      if (part->name.empty()) return;
      sum += part->isNew ? part->Rl : toInt16(part->Rl / 2.0);
    };
    for (int i = 0; i < 4; ++i) {
      add(p.getMotor(i));
      add(p.getFrame(i));
      add(p.getHard(i));
    }
    for (int i = 0; i < Owner::kBoosterSlots; ++i) {
      add(p.getBooster(i));
      add(p.getProtector(i));
    }
    return sum;
  }

  BuildPlan currentPlan() const {
    const doll& d = *state_.Dolls[0];
    BuildPlan plan;
    plan.motor = d.Motor->name.empty() ? 0 : d.Motor->ID;
    plan.frame = d.frame->name.empty() ? 0 : d.frame->ID;
    plan.hard = d.Hard->name.empty() ? 0 : d.Hard->ID;
    for (int i = 0; i < doll::kBoosterSlots; ++i)
      if (!d.getBoost(i)->name.empty()) plan.boosters.push_back(d.getBoost(i)->ID);
    for (int i = 0; i < doll::kProtectorSlots; ++i)
      if (!d.getProtector(i)->name.empty()) plan.protectors.push_back(d.getProtector(i)->ID);
    return plan;
  }

  // The best Doll the money buys in each class; the highest class where it is expected to win.
  void refit() override {
    const int budget = state_.player().Rl + resale() - kRepairReserve;
    const PartCount have = owned();
    BuildPlan choice;
    DollClass aim = DollClass::Novice;
    for (int c = 0; c < kClassCount; ++c) {
      const auto cls = static_cast<DollClass>(c);
      const BuildPlan plan =
          planner_.best(budget, upperLimit(cls), state_.player().skillPlay, rivals_[c], 0, have);
      if (!plan.complete()) continue;
      const bool inClass = plan.value >= lowerLimit(cls);
      if (c == 0 || (inClass && plan.score >= kMoveUpAdvantage)) {
        choice = plan;
        aim = cls;
      }
    }
    if (!choice.complete()) return;
    BuildPlan now = currentPlan();
    planner_.evaluate(now, state_.player().skillPlay, rivals_[static_cast<int>(aim)], have);
    // A champion of its class saves for the next class instead of polishing this one.
    const bool saving =
        aim == currentClass() && record_.classes[static_cast<int>(aim)].championships > 0;
    const bool better = !now.complete() || (!saving && choice.score > now.score * kUpgradeGain);
    if (!better || partsOf(choice) == partsOf(now)) return;
    changeTo(choice);
  }

  const BuildPlanner& planner_;
  const std::array<FighterProfile, kClassCount>& rivals_;
};

}  // namespace

std::vector<SensibleCareer> playSensibleCareers(const GameFolder& game, int runs, uint64_t seed) {
  const BuildPlanner planner(game);
  const auto rivals = rivalsOf(loadRoster(game, RegistrySource::Factory));
  SeededRandom rnd(seed);
  std::vector<SensibleCareer> careers;
  for (int run = 0; run < runs; ++run) {
    SensibleRun career(game, rnd, planner, rivals);
    careers.push_back(career.play());
  }
  return careers;
}

}  // namespace velko::sim
