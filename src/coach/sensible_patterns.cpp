#include "coach/sensible_patterns.h"

#include <algorithm>

#include "core/numbers.h"
#include "model/action_factories.h"
#include "program/program_software.h"

namespace velko {

namespace {

// The registry keeps six actions of a pattern.
constexpr size_t kMostActions = 6;

struct Want {
  const char* name;
  std::vector<int16_t> prefix;
  int extra;  // how far above the Doll's action points the pattern may cost
};

int costOf(const ActionCosts& c, const std::vector<int16_t>& actions, bool memory) {
  int sum = 0;
  for (int16_t id : actions)
    sum += memory ? c.Memory[id] : c.AP[id];
  return sum;
}

bool isStrike(int16_t id) {
  return id == kPunch || id == kKick;
}

// The prefix, then punches while they fit; the room left over turns punches into kicks. A
// pattern always ends with at least one blow.
std::vector<int16_t> fillPattern(const ActionCosts& c, const Want& want, int ap) {
  std::vector<int16_t> actions = want.prefix;
  const int target = ap + want.extra;
  int cost = costOf(c, actions, false);
  while (actions.size() < kMostActions && cost + c.AP[kPunch] <= target) {
    actions.push_back(kPunch);
    cost += c.AP[kPunch];
  }
  const int upgrade = c.AP[kKick] - c.AP[kPunch];
  for (int16_t& id : actions) {
    if (id == kPunch && cost + upgrade <= target) {
      id = kKick;
      cost += upgrade;
    }
  }
  if (std::none_of(actions.begin(), actions.end(), isStrike) && actions.size() < kMostActions)
    actions.push_back(kPunch);
  return actions;
}

// Drops the last blow of the longest pattern until all six fit the memory: first from patterns
// that keep another blow, then from any that keeps another action.
void fitMemory(const ActionCosts& c, std::vector<PatternPlan>& plans, int memory) {
  auto total = [&] {
    int sum = 0;
    for (const PatternPlan& p : plans)
      sum += costOf(c, p.actions, true);
    return sum;
  };
  auto longest = [&](bool keepABlow) {
    PatternPlan* found = nullptr;
    for (PatternPlan& p : plans) {
      if (p.actions.size() < 2 || !isStrike(p.actions.back())) continue;
      const auto strikes = std::count_if(p.actions.begin(), p.actions.end(), isStrike);
      if (keepABlow && strikes < 2) continue;
      if (!found || p.actions.size() > found->actions.size()) found = &p;
    }
    return found;
  };
  while (total() > memory) {
    PatternPlan* shorten = longest(true);
    if (!shorten) shorten = longest(false);
    if (!shorten) return;  // as short as they go; the editor would refuse the rest
    shorten->actions.pop_back();
  }
}

// Two patterns alike would waste a slot: the later one trades its last blow.
void makeDistinct(std::vector<PatternPlan>& plans) {
  for (size_t i = 0; i < plans.size(); ++i) {
    for (size_t j = 0; j < i; ++j) {
      if (plans[i].actions != plans[j].actions) continue;
      int16_t& last = plans[i].actions.back();
      last = last == kPunch ? kKick : kPunch;
    }
  }
}

}  // namespace

ActionCosts costsOf(const doll& d) {
  ActionCosts c;
  for (int id = kMove; id <= kHazusi; ++id) {
    const ActionRef a = workshopAction(d, id);
    c.AP[id] = a->AP;
    c.Memory[id] = a->Memory;
  }
  return c;
}

std::vector<PatternPlan> sensiblePatterns(const ActionCosts& costs, int ap, int memory,
                                          PatternStyle style, bool jumpPays) {
  std::vector<int16_t> longAttack;
  if (jumpPays) longAttack.push_back(kJump);
  std::vector<Want> wants = {
      {"ダッシュ連撃", {kMove}, 7},   {"ダッシュパンチ", {kMove}, 3},
      {"連続攻撃", longAttack, 9},    {"ジャブ", {}, 2},
      {"起き上がり蹴り", {kSpin}, 6}, {"振りほどき", {kHazusi}, 5},
  };
  if (style == PatternStyle::Grappler) wants[2] = {"組み投げ", {kKumi, kDrop}, 8};
  std::vector<PatternPlan> plans;
  for (const Want& want : wants)
    plans.push_back({want.name, fillPattern(costs, want, ap)});
  fitMemory(costs, plans, memory);
  makeDistinct(plans);
  // Telling two patterns apart may have turned a punch into a dearer kick.
  fitMemory(costs, plans, memory);
  for (PatternPlan& p : plans) {
    p.AP = costOf(costs, p.actions, false);
    p.Memory = costOf(costs, p.actions, true);
  }
  return plans;
}

std::vector<PatternPlan> sensiblePatternsFor(const doll& d, PatternStyle style) {
  const bool jumpPays = d.weight > 0 && intFloor(d.jump / d.weight) >= 1;
  return sensiblePatterns(costsOf(d), d.AP, d.Memory, style, jumpPays);
}

void programDoll(doll& d, const std::vector<PatternPlan>& plans, Prompter& prompter) {
  // The editor names the software's actions as it opens, whatever the catalogue reader left.
  ProgramSoftware(d).nameActions();
  for (size_t k = 0; k < plans.size(); ++k) {
    auto logic = std::make_shared<Logic>();
    logic->name = plans[k].name;
    for (int16_t id : plans[k].actions)
      logic->addAction(workshopAction(d, id), prompter);
    d.setLogics(logic, static_cast<int>(k));
  }
  d.programed = true;
}

std::string pieceName(const std::string& name, const std::vector<int16_t>& ids, size_t k) {
  const auto before = std::count(ids.begin(), ids.begin() + static_cast<long>(k), ids[k]);
  return before == 0 ? name : name + std::to_string(before);
}

}  // namespace velko
