#include "coach/program_advice.h"

#include <utility>

#include "core/seeded_random.h"
#include "core/silent_prompter.h"
#include "lab/bout.h"
#include "model/action_factories.h"
#include "program/program_draft.h"

namespace velko {

namespace {

constexpr int kTriesPerChange = 20;
// A turn's action points are the Doll's own plus two dice: a pattern dearer than the Doll's
// plus 12 could never run.
constexpr int kBestRoll = 12;

int costOfActions(const std::vector<int16_t>& actions, const ActionCosts& costs, bool memory) {
  int sum = 0;
  for (int16_t id : actions)
    sum += memory ? costs.Memory[id] : costs.AP[id];
  return sum;
}

void priced(std::vector<PatternPlan>& patterns, const ActionCosts& costs) {
  for (PatternPlan& p : patterns) {
    p.AP = costOfActions(p.actions, costs, false);
    p.Memory = costOfActions(p.actions, costs, true);
  }
}

// Patterns 0-5 of the Doll as plans; empty ones are left out.
std::vector<PatternPlan> registered(const doll& d) {
  std::vector<PatternPlan> plans;
  for (int p = 0; p < kDraftPatterns; ++p) {
    const LogicRef& logic = d.getLogic(p);
    if (!logic) continue;
    PatternPlan plan{logic->name, {}, 0, 0};
    for (int k = 0; k < Logic::kSlots; ++k) {
      const int16_t id = logic->getActions(k)->ID;
      if (isAction(id)) plan.actions.push_back(id);
    }
    if (!plan.actions.empty()) plans.push_back(std::move(plan));
  }
  return plans;
}

int pick(Random& rnd, int n) {
  return static_cast<int>(rnd.next() * n);
}

// One pattern changed at random: an action replaced, one added or one taken out.
std::vector<PatternPlan> changed(std::vector<PatternPlan> patterns, Random& rnd) {
  PatternPlan& p = patterns[pick(rnd, static_cast<int>(patterns.size()))];
  const auto action = static_cast<int16_t>(kMove + pick(rnd, kHazusi));
  const int size = static_cast<int>(p.actions.size());
  switch (pick(rnd, 3)) {
    case 0:
      p.actions[pick(rnd, size)] = action;
      break;
    case 1:
      p.actions.insert(p.actions.begin() + pick(rnd, size + 1), action);
      break;
    default:
      if (size > 1) p.actions.erase(p.actions.begin() + pick(rnd, size));
      break;
  }
  return patterns;
}

}  // namespace

std::vector<PatternPlan> registeredPatterns(const doll& d) {
  std::vector<PatternPlan> plans = registered(d);
  priced(plans, costsOf(d));
  return plans;
}

bool patternsFit(const doll& d, const std::vector<PatternPlan>& patterns) {
  const ActionCosts costs = costsOf(d);
  if (patterns.size() > static_cast<size_t>(kDraftPatterns)) return false;
  int memory = 0;
  for (const PatternPlan& p : patterns) {
    if (p.actions.empty() || p.actions.size() > kPatternActions) return false;
    for (int16_t id : p.actions)
      if (!isAction(id)) return false;
    if (costOfActions(p.actions, costs, false) > d.AP + kBestRoll) return false;
    memory += costOfActions(p.actions, costs, true);
  }
  return memory <= d.Memory;
}

DollRef programmedCopy(const doll& d, const std::vector<PatternPlan>& patterns) {
  DollRef copy = fighterFrom(d);
  SilentPrompter quiet;
  for (int p = 0; p < kDraftPatterns; ++p) {
    auto logic = std::make_shared<Logic>();
    if (static_cast<size_t>(p) < patterns.size()) {
      logic->name = patterns[p].name;
      for (int16_t id : patterns[p].actions)
        logic->addAction(workshopAction(*copy, id), quiet);
    }
    copy->setLogics(logic, p);
  }
  copy->programed = true;
  return copy;
}

std::vector<PatternActions> editorPatterns(const std::vector<PatternPlan>& patterns) {
  std::vector<PatternActions> out;
  for (const PatternPlan& p : patterns)
    out.push_back({p.name, p.actions});
  return out;
}

ProgramProposal adviseProgram(const doll& d, const std::vector<PracticeOpponent>& opponents,
                              const CoachControl& control) {
  ProgramProposal proposal;
  if (opponents.empty()) return proposal;
  const ActionCosts costs = costsOf(d);
  auto measure = [&](const std::vector<PatternPlan>& patterns, int each, uint64_t seed) {
    return measureWins(*programmedCopy(d, patterns), opponents, each, seed, control.cancel,
                       control.giveUp);
  };

  std::vector<std::vector<PatternPlan>> starts = {registered(d)};
  for (PatternStyle style : {PatternStyle::Striker, PatternStyle::Grappler})
    starts.push_back(sensiblePatternsFor(d, style));
  std::vector<PatternPlan> best;
  WinMeasure bestMeasure;
  for (std::vector<PatternPlan>& start : starts) {
    if (start.empty() || !patternsFit(d, start)) continue;
    const WinMeasure m = measure(start, kStepFightsEach, control.seed);
    if (best.empty() || m.wins > bestMeasure.wins) {
      best = std::move(start);
      bestMeasure = m;
    }
  }
  const int steps = kProgramSteps + 2;
  SeededRandom rnd(control.seed);
  for (int step = 0; step < kProgramSteps && !best.empty(); ++step) {
    if (control.cancelled()) break;
    for (int attempt = 0; attempt < kTriesPerChange; ++attempt) {
      std::vector<PatternPlan> next = changed(best, rnd);
      if (!patternsFit(d, next)) continue;
      const WinMeasure m = measure(next, kStepFightsEach, control.seed);
      if (m.wins > bestMeasure.wins) {
        best = std::move(next);
        bestMeasure = m;
        ++proposal.changesKept;
      }
      break;
    }
    if (control.progress) control.progress(step + 1, steps);
  }
  if (control.cancelled()) {
    proposal.cancelled = true;
    return proposal;
  }
  priced(best, costs);
  proposal.patterns = best;
  // Both figures on fresh dice, so the search's luck does not flatter its own answer.
  proposal.today =
      measureWins(d, opponents, kShownFightsEach, control.seed + 1, control.cancel, control.giveUp);
  if (control.progress) control.progress(steps - 1, steps);
  if (!best.empty()) proposal.proposed = measure(best, kShownFightsEach, control.seed + 1);
  proposal.cancelled = proposal.today.cancelled || proposal.proposed.cancelled;
  if (control.progress) control.progress(steps, steps);
  return proposal;
}

}  // namespace velko
