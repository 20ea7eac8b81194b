#include "sim/sensible_career.h"

#include <map>
#include <utility>

#include "battle/battle_state.h"
#include "model/doll_class.h"
#include "core/numbers.h"
#include "shop/shop_kinds.h"
#include "shop/shop_model.h"
#include "coach/build_planner.h"
#include "sim/career_driver.h"
#include "sim/ladder.h"
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

PartCount partsOf(const BuildPlan& plan) {
  PartCount need;
  ++need[{kKindMotor, plan.motor}];
  ++need[{kKindFrame, plan.frame}];
  ++need[{kKindHard, plan.hard}];
  for (int16_t id : plan.boosters)
    ++need[{kKindBooster, id}];
  for (int16_t id : plan.protectors)
    ++need[{kKindProtector, id}];
  return need;
}

class SensibleRun : public CareerDriver {
 public:
  SensibleRun(const GameFolder& folder, Random& rnd, const BuildPlanner& planner,
              const std::array<FighterProfile, kClassCount>& rivals)
      : CareerDriver(folder, rnd), planner_(planner), rivals_(rivals) {}

  SensibleCareer play() {
    start();
    for (int month = 1; month <= kCareerMonths && !over(); ++month) {
      month_ = month;
      refit();
      if (ready()) {
        enterTournament();
      } else {
        game_.cmdWork_Click();
        ++record_.workDays;
      }
      record_.moneyAtMonthEnd[month - 1] = state_.player().Rl;
      record_.dollValueAtMonthEnd[month - 1] = state_.playerDoll().value;
    }
    const Owner& p = state_.player();
    record_.recWin = p.recWin;
    record_.recLoose = p.recLoose;
    record_.recChamp = p.recChamp;
    return record_;
  }

 protected:
  void shopVisit() override {
    ShopModel shop(state_, services_);
    shop.Form_Load();
    if (!pending_.complete()) return;
    sellWhatThePlanLacks(shop);
    buyWhatIsMissing(shop);
  }

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

  DollClass currentClass() const { return classOf(state_.Dolls[0]->value); }

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
  PartCount owned() const {
    const Owner& p = *state_.Owners[0];
    PartCount count;
    auto add = [&](int kind, const auto& part) {
      if (!part->name.empty()) ++count[{kind, part->ID}];
    };
    for (int i = 0; i < 4; ++i) {
      add(kKindMotor, p.getMotor(i));
      add(kKindFrame, p.getFrame(i));
      add(kKindHard, p.getHard(i));
    }
    for (int i = 0; i < Owner::kBoosterSlots; ++i) {
      add(kKindBooster, p.getBooster(i));
      add(kKindProtector, p.getProtector(i));
    }
    return count;
  }

  void refit() {
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
    pending_ = choice;
    game_.cmdShop_Click();
    mountPlan();
    game_.init();
    game_.cmdProgram_Click();
    game_.init();
    pending_ = BuildPlan{};
  }

  void sellWhatThePlanLacks(ShopModel& shop) {
    PartCount keep = partsOf(pending_);
    for (int list : {kListNew, kListUsed}) {
      for (size_t row = 0; row < shop.ListOwnParts[list].size();) {
        const int code = shop.ListOwnParts[list][row].code;
        const std::pair<int, int16_t> key{kindOfCode(code), idOfCode(code)};
        if (keep[key] > 0) {
          --keep[key];
          ++row;
          continue;
        }
        const size_t before = shop.ListOwnParts[list].size();
        shop.ListOwnParts_Click(list, static_cast<int>(row));
        // A part the shop will not take back stays where it is.
        if (shop.ListOwnParts[list].size() == before) ++row;
      }
    }
  }

  void buyWhatIsMissing(ShopModel& shop) {
    PartCount need = partsOf(pending_);
    for (int list : {kListNew, kListUsed}) {
      for (const OwnedRow& row : shop.ListOwnParts[list]) {
        auto found = need.find({kindOfCode(row.code), idOfCode(row.code)});
        if (found != need.end() && found->second > 0) --found->second;
      }
    }
    for (const auto& [key, count] : need) {
      for (int k = 0; k < count; ++k) {
        shop.dsp_Parts(key.first - 1);
        shop.List1_Click(key.second - 1);
      }
    }
  }

  // Takes everything off, then mounts the planned parts from the inventory.
  void mountPlan() {
    cmdClear_Click(state_);
    const Owner& p = state_.player();
    auto mountFirst = [&](int kind, int16_t id, auto get, int slots) {
      for (int i = 0; i < slots; ++i) {
        if (get(i)->ID == id && !get(i)->name.empty()) {
          ListPart_Click(state_, kind, i, prompter_);
          return;
        }
      }
    };
    mountFirst(
        kMotorKind, pending_.motor, [&](int i) { return p.getMotor(i); }, 4);
    mountFirst(
        kFrameKind, pending_.frame, [&](int i) { return p.getFrame(i); }, 4);
    mountFirst(
        kComputerKind, pending_.hard, [&](int i) { return p.getHard(i); }, 4);
    for (int i = 0; i < Owner::kBoosterSlots; ++i)
      if (!p.getBooster(i)->name.empty()) ListPart_Click(state_, kBoosterKind, i, prompter_);
    for (int i = 0; i < Owner::kProtectorSlots; ++i)
      if (!p.getProtector(i)->name.empty()) ListPart_Click(state_, kProtectorKind, i, prompter_);
  }

  bool ready() const {
    const doll& d = *state_.Dolls[0];
    if (d.Motor->name.empty() || d.frame->name.empty() || d.Hard->name.empty()) return false;
    return d.programed && d.Motor->HP == d.Motor->maxHP && d.frame->HP == d.frame->maxHP;
  }

  void enterTournament() {
    const int c = static_cast<int>(currentClass());
    const Owner& p = state_.player();
    const int champBefore = p.recChamp;
    const int winsBefore = p.recWin;
    const bool hadMotor = !state_.playerDoll().Motor->name.empty();
    const bool hadFrame = !state_.playerDoll().frame->name.empty();
    game_.cmdTornament_Click();
    ClassRecord& r = record_.classes[c];
    if (c == static_cast<int>(DollClass::Novice) && r.entered == 0)
      record_.firstNoviceBout = p.recWin > winsBefore ? 1 : -1;
    ++r.entered;
    r.fightsWon += p.recWin - winsBefore;
    const int lost = (hadMotor && state_.playerDoll().Motor->name.empty()) +
                     (hadFrame && state_.playerDoll().frame->name.empty());
    r.partsDestroyed += lost;
    r.entriesWithLoss += lost > 0;
    if (p.recChamp > champBefore) {
      ++r.championships;
      if (r.firstWinMonth == 0) r.firstWinMonth = month_;
    }
  }

  const BuildPlanner& planner_;
  const std::array<FighterProfile, kClassCount>& rivals_;
  BuildPlan pending_;
  SensibleCareer record_;
  int month_ = 0;
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
