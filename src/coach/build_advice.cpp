#include "coach/build_advice.h"

#include <algorithm>
#include <utility>

#include "coach/part_pruning.h"
#include "core/silent_prompter.h"
#include "model/doll_class.h"
#include "shop/shop_kinds.h"

namespace velko {

namespace {

// The planner is asked for the best Doll at these shares of the money, on every frame: a
// cheaper Doll that fights nearly as well leaves money for repairs.
constexpr std::array<double, 4> kBudgetShares = {1.0, 0.85, 0.7, 0.55};

PartCount countOf(const std::vector<OwnedPart>& owned) {
  PartCount count;
  for (const OwnedPart& p : owned)
    ++count[{p.kindNumber, p.id}];
  return count;
}

bool inClass(int16_t value, int classIndex) {
  if (value > kDollClasses[classIndex].limit) return false;
  return classIndex == 0 || value > kDollClasses[classIndex - 1].limit;
}

template <typename Ref>
void addOwned(std::vector<OwnedPart>& out, int kind, const Ref& part, const ShopTables& tables) {
  if (part->name.empty()) return;
  const std::optional<CatalogueEntry> listed = catalogueEntry(tables, kind, part->ID);
  // A part the catalogue no longer holds cannot be sold; it stays out of the advice.
  if (!listed) return;
  out.push_back({kind, part->ID, part->name, part->isNew, listed->Rl});
}

// The few candidates worth fighting, each a different set of parts.
std::vector<BuildPlan> candidatesFor(const BuildPlanner& planner, const BuildQuestion& q) {
  const PartCount owned = countOf(q.owned);
  const PartChoices choices = undominatedParts(planner.tables(), owned);
  std::vector<FighterProfile> profiles;
  for (const PracticeOpponent& o : q.opponents)
    profiles.push_back(profileOf(*o.doll));
  const FighterProfile rival = averageOf(profiles);
  int reach = q.money;
  for (const OwnedPart& p : q.owned)
    reach += p.isNew ? p.Rl : p.Rl / 2;
  std::vector<BuildPlan> plans;
  const auto frames = choices.find(kKindFrame);
  for (int16_t frame : frames->second) {
    for (double share : kBudgetShares) {
      const BuildPlan plan =
          planner.best(static_cast<int>(reach * share), kDollClasses[q.classIndex].limit,
                       q.skillPlay, rival, frame, owned, choices);
      if (!plan.complete()) continue;
      const bool seen = std::any_of(plans.begin(), plans.end(), [&](const BuildPlan& p) {
        return partsOf(p) == partsOf(plan);
      });
      if (!seen) plans.push_back(plan);
    }
  }
  return plans;
}

bool betterMeasure(const BuildProposal& a, const BuildProposal& b) {
  // Wins over fights compared without division; the dearer Doll gives way on a tie.
  const long left = static_cast<long>(a.measure.wins) * b.measure.fights;
  const long right = static_cast<long>(b.measure.wins) * a.measure.fights;
  if (left != right) return left > right;
  return a.moneyAfter > b.moneyAfter;
}

}  // namespace

std::vector<OwnedPart> ownedShopParts(const Owner& owner, const ShopTables& tables) {
  std::vector<OwnedPart> out;
  for (int i = 0; i < Owner::kMotorSlots; ++i)
    addOwned(out, kKindMotor, owner.getMotor(i), tables);
  for (int i = 0; i < Owner::kFrameSlots; ++i)
    addOwned(out, kKindFrame, owner.getFrame(i), tables);
  for (int i = 0; i < Owner::kBoosterSlots; ++i)
    addOwned(out, kKindBooster, owner.getBooster(i), tables);
  for (int i = 0; i < Owner::kProtectorSlots; ++i)
    addOwned(out, kKindProtector, owner.getProtector(i), tables);
  for (int i = 0; i < Owner::kHardSlots; ++i)
    addOwned(out, kKindHard, owner.getHard(i), tables);
  return out;
}

BuildQuestion buildQuestion(const Owner& owner, const ShopTables& tables, int classIndex,
                            const std::vector<PracticeOpponent>& registry) {
  BuildQuestion q;
  q.money = owner.Rl;
  q.skillPlay = owner.skillPlay;
  q.owned = ownedShopParts(owner, tables);
  q.classIndex = std::clamp(classIndex, 0, static_cast<int>(kDollClasses.size()) - 1);
  for (const PracticeOpponent& o : registry) {
    if (o.doll->value <= kDollClasses[q.classIndex].limit) q.opponents.push_back(o);
  }
  return q;
}

TradeList tradesFor(const BuildPlan& plan, const std::vector<OwnedPart>& owned,
                    const ShopTables& tables) {
  PartCount need = partsOf(plan);
  TradeList trades;
  std::vector<bool> kept(owned.size(), false);
  for (bool isNew : {false, true}) {
    for (size_t k = 0; k < owned.size(); ++k) {
      if (owned[k].isNew != isNew) continue;
      int& wanted = need[{owned[k].kindNumber, owned[k].id}];
      if (wanted == 0) continue;
      --wanted;
      kept[k] = true;
    }
  }
  for (size_t k = 0; k < owned.size(); ++k) {
    const OwnedPart& p = owned[k];
    if (!kept[k]) trades.sales.push_back({p.kindNumber, p.id, p.name, p.isNew, p.Rl});
  }
  for (const auto& [key, count] : need) {
    const std::optional<CatalogueEntry> listed = catalogueEntry(tables, key.first, key.second);
    for (int n = 0; n < count && listed; ++n)
      trades.purchases.push_back({key.first, key.second, listed->name, true, listed->Rl});
  }
  return trades;
}

BuildAdvice adviseBuilds(const BuildPlanner& planner, const BuildQuestion& q,
                         const CoachControl& control) {
  BuildAdvice advice;
  if (q.opponents.empty()) return advice;
  SilentPrompter quiet;
  std::vector<BuildProposal> fought;
  const std::vector<BuildPlan> plans = candidatesFor(planner, q);
  const int steps = static_cast<int>(plans.size()) + kBuildProposals;
  int done = 0;
  for (const BuildPlan& plan : plans) {
    BuildProposal p;
    p.plan = plan;
    p.trades = tradesFor(plan, q.owned, planner.tables());
    p.moneyAfter = moneyAfterTrades(q.money, p.trades);
    p.doll = planner.assemble(plan, q.skillPlay, quiet);
    p.value = p.doll->value;
    if (p.moneyAfter < 0 || !inClass(p.value, q.classIndex)) continue;
    p.measure = measureWins(*p.doll, q.opponents, kScreenFightsEach, control.seed, control.cancel,
                            control.giveUp);
    if (p.measure.cancelled || control.cancelled()) {
      advice.cancelled = true;
      return advice;
    }
    ++advice.candidates;
    fought.push_back(std::move(p));
    if (control.progress) control.progress(++done, steps);
  }
  std::stable_sort(fought.begin(), fought.end(), betterMeasure);
  if (fought.size() > static_cast<size_t>(kBuildProposals)) fought.resize(kBuildProposals);
  // The finalists fight again on their own dice, so the figure shown is not the luck that
  // picked them.
  for (BuildProposal& p : fought) {
    p.measure = measureWins(*p.doll, q.opponents, kFinalFightsEach, control.seed + 1,
                            control.cancel, control.giveUp);
    if (p.measure.cancelled || control.cancelled()) {
      advice.cancelled = true;
      return advice;
    }
    if (control.progress) control.progress(++done, steps);
  }
  std::stable_sort(fought.begin(), fought.end(), betterMeasure);
  advice.proposals = std::move(fought);
  if (control.progress) control.progress(steps, steps);
  return advice;
}

}  // namespace velko
