#include "coach/build_planner.h"

#include <algorithm>
#include <cmath>

#include "core/numbers.h"
#include "model/doll_stats.h"
#include "model/owner.h"
#include "shop/shop_kinds.h"
#include "shop/shop_stock.h"
#include "shop/starter_software.h"

namespace velko {

namespace {

constexpr size_t kMostBoosters = 4;  // the Doll's value counts four
constexpr size_t kMostProtectors = 4;

template <typename T, size_t N>
std::vector<int16_t> catalogueIds(const CatalogueTable<T, N>& table, int last) {
  std::vector<int16_t> ids;
  for (int id = 1; id <= last; ++id) {
    const T* part = entry(table, id);
    if (part && !part->name.empty()) ids.push_back(static_cast<int16_t>(id));
  }
  return ids;
}

}  // namespace

std::vector<int16_t> BuildPlanner::idsOfKind(int kindNumber, const PartChoices& choices) const {
  const auto chosen = choices.find(kindNumber);
  if (chosen != choices.end()) return chosen->second;
  switch (kindNumber) {
    case kKindMotor:
      return catalogueIds(tables_.motors, kStockLastId);
    case kKindFrame:
      return catalogueIds(tables_.frames, kFrameStockLastId);
    case kKindBooster:
      return catalogueIds(tables_.boosters, kStockLastId);
    case kKindProtector:
      return catalogueIds(tables_.protectors, kStockLastId);
    default:
      return catalogueIds(tables_.hards, kStockLastId);
  }
}

BuildPlanner::BuildPlanner(const GameFolder& folder) {
  readShopTables(folder, tables_);
  doll starter;
  starter.setSoftM(0, tables_.soft.mobile[kStarterSoftM]);
  starter.setSoftA(0, tables_.soft.attack[kStarterSoftA]);
  starter.setSoftD(0, tables_.soft.defence[kStarterSoftD]);
  starterCosts_ = costsOf(starter);
  softwareValue_ = tables_.soft.mobile[kStarterSoftM]->Rl + tables_.soft.attack[kStarterSoftA]->Rl +
                   tables_.soft.defence[kStarterSoftD]->Rl;
}

const std::vector<PatternShape>& BuildPlanner::patternsFor(int ap, int memory,
                                                           bool jumpPays) const {
  const auto key = std::make_tuple(ap, memory, jumpPays);
  auto found = patterns_.find(key);
  if (found == patterns_.end()) {
    const auto plans = sensiblePatterns(starterCosts_, ap, memory, PatternStyle::Striker, jumpPays);
    found = patterns_.emplace(key, shapesOf(plans)).first;
  }
  return found->second;
}

void BuildPlanner::evaluate(BuildPlan& plan, int16_t skill, const FighterProfile& rival,
                            const PartCount& owned) const {
  plan.price = 0;
  plan.score = 0;
  int full = 0;
  PartCount left = owned;
  // Each part costs its price, or half of it while an owned one is left to take.
  auto pay = [&](int kind, int16_t id, int16_t Rl) {
    full += Rl;
    auto found = left.find({kind, id});
    if (found != left.end() && found->second > 0) {
      --found->second;
      plan.price += toInt16(Rl / 2.0);
    } else {
      plan.price += Rl;
    }
  };
  FighterStats s;
  double weight = 0;
  int cpu = 0;
  int memory = 0;
  if (const Motor* m = entry(tables_.motors, plan.motor)) {
    pay(kKindMotor, plan.motor, m->Rl);
    s.pow = m->pow;
    s.motorHP = m->HP;
    weight += m->weight;
  }
  if (const DollFrame* f = entry(tables_.frames, plan.frame)) {
    pay(kKindFrame, plan.frame, f->Rl);
    s.offence = f->offence;
    s.defence = f->defence;
    s.move += f->move;
    s.jump += f->jump;
    s.spin += f->spin;
    s.frameHP = f->HP;
    weight += f->weight;
  }
  if (const Hard* h = entry(tables_.hards, plan.hard)) {
    pay(kKindHard, plan.hard, h->Rl);
    cpu = h->CPU;
    memory = h->Memory;
  }
  for (int16_t id : plan.boosters) {
    const Booster* b = entry(tables_.boosters, id);
    pay(kKindBooster, id, b->Rl);
    s.move += b->move;
    s.jump += b->jump;
    s.spin += b->spin;
    weight += b->weight;
  }
  for (int16_t id : plan.protectors) {
    const Protector* p = entry(tables_.protectors, id);
    pay(kKindProtector, id, p->Rl);
    s.AC += p->AC;
    weight += p->weight;
  }
  plan.value = full + softwareValue_;
  if (!plan.complete()) return;
  s.weight = weight;
  s.AP = skill / 5 + cpu;
  const bool jumpPays = weight > 0 && std::floor(s.jump / weight) >= 1;
  plan.score = advantage(profileOf(s, patternsFor(s.AP, memory, jumpPays)), rival);
}

// Improves the plan one purchase or exchange at a time, taking the change that adds the most
// strength per Rl, until no change that fits the money and the value adds any.
BuildPlan BuildPlanner::climb(BuildPlan plan, int budget, int maxValue, int16_t skill,
                              const FighterProfile& rival, const PartCount& owned,
                              const PartChoices& choices) const {
  const auto motors = idsOfKind(kKindMotor, choices);
  const auto hards = idsOfKind(kKindHard, choices);
  const auto boosters = idsOfKind(kKindBooster, choices);
  const auto protectors = idsOfKind(kKindProtector, choices);
  evaluate(plan, skill, rival, owned);
  for (int round = 0; round < 40; ++round) {
    BuildPlan best = plan;
    double bestRate = 0;
    auto consider = [&](BuildPlan candidate) {
      evaluate(candidate, skill, rival, owned);
      if (candidate.price > budget || candidate.value > maxValue) return;
      const double gain = candidate.score - plan.score;
      if (gain <= 1e-9) return;
      const int extra = candidate.price - plan.price;
      const double rate = extra <= 0 ? 1e9 + gain : gain / extra;
      if (rate > bestRate) {
        bestRate = rate;
        best = candidate;
      }
    };
    for (int16_t id : motors) {
      BuildPlan c = plan;
      c.motor = id;
      consider(c);
    }
    for (int16_t id : hards) {
      BuildPlan c = plan;
      c.hard = id;
      consider(c);
    }
    // One more of a kind while there is room, or one in place of each worn one.
    auto addOrSwap = [&](std::vector<int16_t> BuildPlan::*list, int16_t id, size_t most) {
      const std::vector<int16_t>& worn = plan.*list;
      if (worn.size() < most) {
        BuildPlan c = plan;
        (c.*list).push_back(id);
        consider(c);
      }
      for (size_t k = 0; k < worn.size(); ++k) {
        BuildPlan c = plan;
        (c.*list)[k] = id;
        consider(c);
      }
    };
    for (int16_t id : boosters) {
      // A Doll carries one booster of each model.
      if (std::find(plan.boosters.begin(), plan.boosters.end(), id) == plan.boosters.end())
        addOrSwap(&BuildPlan::boosters, id, kMostBoosters);
    }
    for (int16_t id : protectors)
      addOrSwap(&BuildPlan::protectors, id, kMostProtectors);
    if (bestRate <= 0) break;
    plan = best;
  }
  return plan;
}

BuildPlan BuildPlanner::best(int budget, int maxValue, int16_t skill, const FighterProfile& rival,
                             int16_t onlyFrame, const PartCount& owned,
                             const PartChoices& choices) const {
  const auto motors = idsOfKind(kKindMotor, choices);
  const auto hards = idsOfKind(kKindHard, choices);
  const auto boosters = idsOfKind(kKindBooster, choices);
  auto cheapest = [](const auto& table, const std::vector<int16_t>& ids) {
    int16_t best = 0;
    for (int16_t id : ids)
      if (best == 0 || table[id]->Rl < table[best]->Rl) best = id;
    return best;
  };
  BuildPlan winner;
  // One climb from the cheapest Doll on each frame; a frame that cannot move on its own starts
  // with the booster that moves it most cheaply.
  for (int16_t frame : idsOfKind(kKindFrame, choices)) {
    if (onlyFrame != 0 && frame != onlyFrame) continue;
    BuildPlan start;
    start.motor = cheapest(tables_.motors, motors);
    start.hard = cheapest(tables_.hards, hards);
    start.frame = frame;
    evaluate(start, skill, rival, owned);
    if (start.score <= 0) {
      BuildPlan moving;
      for (int16_t id : boosters) {
        BuildPlan c = start;
        c.boosters = {id};
        evaluate(c, skill, rival, owned);
        if (c.score > 0 && (moving.score <= 0 || c.price < moving.price)) moving = c;
      }
      if (moving.score > 0) start = moving;
    }
    if (start.score <= 0 || start.price > budget || start.value > maxValue) continue;
    const BuildPlan climbed = climb(start, budget, maxValue, skill, rival, owned, choices);
    if (!winner.complete() || climbed.score > winner.score) winner = climbed;
  }
  return winner;
}

DollRef BuildPlanner::assemble(const BuildPlan& plan, int16_t skill, Prompter& prompter) const {
  auto d = std::make_shared<doll>();
  auto copyOf = [](const auto& part) {
    auto copy = std::make_shared<std::decay_t<decltype(*part)>>(*part);
    return copy;
  };
  d->Motor = copyOf(tables_.motors[plan.motor]);
  d->Motor->maxHP = d->Motor->HP;
  d->frame = copyOf(tables_.frames[plan.frame]);
  d->frame->maxHP = d->frame->HP;
  d->Hard = copyOf(tables_.hards[plan.hard]);
  d->setSoftM(0, tables_.soft.mobile[kStarterSoftM]);
  d->setSoftA(0, tables_.soft.attack[kStarterSoftA]);
  d->setSoftD(0, tables_.soft.defence[kStarterSoftD]);
  for (int16_t id : plan.boosters)
    d->addBooster(copyOf(tables_.boosters[id]));
  for (size_t k = 0; k < plan.protectors.size(); ++k) {
    auto p = tables_.protectors[plan.protectors[k]]->clone();
    p->name = pieceName(p->name, plan.protectors, k);
    d->addProtector(p, prompter);
  }
  Owner pilot;
  pilot.skillPlay = skill;
  resetDollParam(*d, pilot);
  programDoll(*d, sensiblePatternsFor(*d, PatternStyle::Striker), prompter);
  return d;
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

}  // namespace velko
