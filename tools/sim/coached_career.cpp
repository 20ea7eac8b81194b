#include "sim/coached_career.h"

#include <algorithm>

#include "battle/action_search.h"
#include "battle/auto_give_up.h"
#include "coach/build_advice.h"
#include "coach/program_advice.h"
#include "model/doll_class.h"
#include "program/program_model.h"
#include "shop/shop_stock.h"
#include "sim/policy_career.h"
#include "sim/registry_roster.h"
#include "sim/sim_random.h"
#include "workshop/assembly.h"

namespace velko::sim {

namespace {

// Kept back for repairs when buying, as the sensible pilot keeps it.
constexpr int kRepairReserve = 300;
// The money (with what selling would bring) must grow this much before the coach is asked
// again about a Doll that is whole.
constexpr int kAskAgainAfter = 400;
// A new Doll must win this much more often than the one the pilot has.
constexpr double kUpgradeGain = 0.05;
// The pilot's automatic give-up; the coach is told of it, so its chances count a fight given
// up as lost.
constexpr AutoGiveUp kGiveUpLine = AutoGiveUp::Below25;
// The pilot enters a tournament only with a Doll the coach gives this chance of winning a bout;
// with less it works the month, which pays about what a lost bout brings and breaks nothing. A
// class's champion moves up once the coach finds a Doll that wins this often there.
constexpr double kEnterChance = 0.6;

bool whole(const doll& d) {
  return !d.Motor->name.empty() && !d.frame->name.empty() && !d.Hard->name.empty();
}

std::vector<PracticeOpponent> opponentsOf(const std::vector<RosterDoll>& roster) {
  std::vector<PracticeOpponent> all;
  for (const RosterDoll& d : roster)
    all.push_back({d.number, d.doll});
  return all;
}

std::vector<PracticeOpponent> classOpponents(const std::vector<PracticeOpponent>& all, int c) {
  std::vector<PracticeOpponent> chosen;
  for (const PracticeOpponent& o : all)
    if (o.doll->value <= kDollClasses[c].limit) chosen.push_back(o);
  return chosen;
}

double rateOf(const WinMeasure& m) {
  return m.fights > 0 ? static_cast<double>(m.wins) / m.fights : 0;
}

class CoachedRun : public PolicyCareer {
 public:
  CoachedRun(const GameFolder& folder, Random& rnd, const BuildPlanner& planner,
             const std::vector<PracticeOpponent>& registry)
      : PolicyCareer(folder, rnd), planner_(planner), registry_(registry) {}

 protected:
  void refit() override {
    const Owner& p = state_.player();
    const doll& d = state_.playerDoll();
    const int reach = p.Rl + resale();
    const bool isWhole = whole(d);
    if (isWhole && reach < askedAt_ + kAskAgainAfter) return;
    askedAt_ = reach;
    int aim = isWhole ? classIndex(d.value) : 0;
    const bool champion = record_.classes[aim].championships > 0;
    if (champion && aim + 1 < static_cast<int>(kDollClasses.size())) {
      const BuildAdvice up = advise(aim + 1);
      if (!up.proposals.empty() && rateOf(up.proposals[0].measure) >= kEnterChance) {
        changeTo(up.proposals[0].plan);
        return;
      }
    }
    const BuildAdvice advice = advise(aim);
    if (advice.proposals.empty()) return;
    const BuildProposal& best = advice.proposals[0];
    if (isWhole && d.programed && rateOf(best.measure) < chanceNow() + kUpgradeGain) return;
    changeTo(best.plan);
  }

  void programVisit() override {
    doll& d = state_.playerDoll();
    if (d.getSoftA(0)->name.empty() || !whole(d)) return;
    const ProgramProposal proposal =
        adviseProgram(d, classOpponents(registry_, classIndex(d.value)));
    ProgramModel editor(d, prompter_, false);
    editor.Form_Load();
    editor.applyPatterns(editorPatterns(proposal.patterns));
    (void)editor.cmdRegist_Click();
    chance_ = -1;
  }

  bool wantsToEnter() override {
    if (chance_ < 0) chance_ = chanceNow();
    return chance_ >= kEnterChance;
  }

  bool giveUpNow(FightSession& session) override {
    const BattleState& s = session.battle().state();
    if (!s.fighters[0] || !s.fighters[1]) return false;
    return autoGiveUpDue(*s.fighters[0], kGiveUpLine);
  }

 private:
  // Today's Doll against its class, measured as the coach measures its proposals.
  double chanceNow() {
    const doll& d = state_.playerDoll();
    return rateOf(measureWins(d, classOpponents(registry_, classIndex(d.value)), kFinalFightsEach,
                              kCoachSeed + 1, nullptr, kGiveUpLine));
  }

  BuildAdvice advise(int classIndex) {
    BuildQuestion q = buildQuestion(state_.player(), planner_.tables(), classIndex, registry_);
    q.money = static_cast<int16_t>(std::max(0, q.money - kRepairReserve));
    CoachControl control;
    control.giveUp = kGiveUpLine;
    return adviseBuilds(planner_, q, control);
  }

  int resale() {
    int sum = 0;
    for (const OwnedPart& p : ownedShopParts(state_.player(), planner_.tables()))
      sum += p.isNew ? p.Rl : p.Rl / 2;
    return sum;
  }

  const BuildPlanner& planner_;
  const std::vector<PracticeOpponent>& registry_;
  int askedAt_ = -kAskAgainAfter;
  double chance_ = -1;  // the coach's chance for today's Doll and program; -1 once changed
};

// Runs the pattern with the most AP it can pay for; moves as the computer moves.
class MostAPController : public ComputerController {
 public:
  const Logic* choosePattern(const BattleState& s, int i) override {
    const Logic* chosen = &emptyPattern();
    for (int n = 0; n < 6; ++n) {
      const LogicRef& logic = s.fighter(i).getLogic(n);
      if (!logic || logic->AP > s.playAP || logic->AP <= chosen->AP) continue;
      chosen = logic.get();
    }
    return chosen;
  }
};

class NewcomerRun : public PolicyCareer {
 public:
  NewcomerRun(const GameFolder& folder, Random& rnd) : PolicyCareer(folder, rnd) {}

 protected:
  void refit() override {
    if (whole(state_.playerDoll()) && state_.playerDoll().programed) return;
    game_.cmdShop_Click();
    mountWhatIsOwned();
    game_.init();
    game_.cmdProgram_Click();
    game_.init();
  }

  // The first part of each kind the shop lists that the money pays for, for each kind the
  // pilot has none of.
  void shopVisit() override {
    ShopModel shop(state_, services_);
    shop.Form_Load();
    const PartCount have = owned();
    for (int index = 0; index < 5; ++index) {
      const int kind = index + 1;
      const bool any = std::any_of(have.begin(), have.end(),
                                   [&](const auto& entry) { return entry.first.first == kind; });
      if (any) continue;
      shop.dsp_Parts(index);
      for (int row = 0; row < static_cast<int>(shop.stock.List1.size()); ++row) {
        const int16_t price = shop.getRl(row);
        if (price <= 0 || price > state_.player().Rl) continue;
        shop.List1_Click(row);
        break;
      }
    }
  }

  // Six patterns of random actions, each kept when it can run and the memory still holds it.
  void programVisit() override {
    doll& d = state_.playerDoll();
    if (d.getSoftA(0)->name.empty() || !whole(d)) return;
    std::vector<PatternPlan> patterns;
    for (int p = 0; p < 6; ++p) {
      for (int attempt = 0; attempt < 20; ++attempt) {
        PatternPlan plan{"", {}, 0, 0};
        const int length = 1 + pick(static_cast<int>(kPatternActions));
        for (int k = 0; k < length; ++k)
          plan.actions.push_back(static_cast<int16_t>(kMove + pick(kHazusi)));
        std::vector<PatternPlan> trial = patterns;
        trial.push_back(plan);
        if (!patternsFit(d, trial)) continue;
        patterns = std::move(trial);
        break;
      }
    }
    ProgramModel editor(d, prompter_, false);
    editor.Form_Load();
    editor.applyPatterns(editorPatterns(patterns));
    (void)editor.cmdRegist_Click();
  }

  FightController& playerController() override { return mostAP_; }

 private:
  void mountWhatIsOwned() {
    const Owner& p = state_.player();
    doll& d = state_.playerDoll();
    auto mountFirst = [&](int kind, auto get, bool mounted) {
      if (mounted) return;
      for (int i = 0; i < 4; ++i) {
        if (get(i)->name.empty()) continue;
        ListPart_Click(state_, kind, i, prompter_);
        return;
      }
    };
    mountFirst(
        kMotorKind, [&](int i) { return p.getMotor(i); }, !d.Motor->name.empty());
    mountFirst(
        kFrameKind, [&](int i) { return p.getFrame(i); }, !d.frame->name.empty());
    mountFirst(
        kComputerKind, [&](int i) { return p.getHard(i); }, !d.Hard->name.empty());
    if (d.getBoost(0)->name.empty() && !p.getBooster(0)->name.empty())
      ListPart_Click(state_, kBoosterKind, 0, prompter_);
    if (d.getProtector(0)->name.empty() && !p.getProtector(0)->name.empty())
      ListPart_Click(state_, kProtectorKind, 0, prompter_);
  }

  MostAPController mostAP_;
};

}  // namespace

std::vector<SensibleCareer> playCoachedCareers(const GameFolder& game, int runs, uint64_t seed) {
  const BuildPlanner planner(game);
  const std::vector<PracticeOpponent> registry =
      opponentsOf(loadRoster(game, RegistrySource::Factory));
  SeededRandom rnd(seed);
  std::vector<SensibleCareer> careers;
  for (int run = 0; run < runs; ++run) {
    CoachedRun career(game, rnd, planner, registry);
    careers.push_back(career.play());
  }
  return careers;
}

std::vector<SensibleCareer> playNewcomerCareers(const GameFolder& game, int runs, uint64_t seed) {
  SeededRandom rnd(seed);
  std::vector<SensibleCareer> careers;
  for (int run = 0; run < runs; ++run) {
    NewcomerRun career(game, rnd);
    careers.push_back(career.play());
  }
  return careers;
}

}  // namespace velko::sim
