#include "lab/practice_lab.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "battle/battle.h"
#include "battle/computer_controller.h"
#include "battle/fight_recorder.h"
#include "battle/headless_seams.h"
#include "core/seeded_random.h"
#include "model/fight_clone.h"

namespace velko {

namespace {

constexpr int kEmptyPatternIndex = 6;
constexpr int kProgressEvery = 50;

// A fresh copy at full hit points; refuses a Doll the battle could not set up.
DollRef fighterFrom(const doll& d) {
  if (!d.Motor || !d.frame) throw std::invalid_argument("Dollにモーターとフレームがありません");
  DollRef copy = cloneForFight(d);
  restoreHitPoints(*copy);
  return copy;
}

int hitPoints(const doll& d) {
  return d.Motor->HP + d.frame->HP;
}

// What is left of a Doll, 0 to 1: a loss against an opponent left whole is the worst.
double share(const doll& d) {
  const int most = d.Motor->maxHP + d.frame->maxHP;
  return most > 0 ? static_cast<double>(hitPoints(d)) / most : 0;
}

// Notes which pattern the computer chose for fighter 0, at the seam.
class PatternWatch : public FightController {
 public:
  explicit PatternWatch(FightController& inner) : inner_(inner) {}
  const Logic* choosePattern(const BattleState& s, int i) override {
    const Logic* pattern = inner_.choosePattern(s, i);
    if (i == 0) index_ = tallyIndex(patternIndex(s, 0, pattern));
    return pattern;
  }
  int16_t chooseMove(const BattleState& s, int i, int slot, const Logic& pattern) override {
    return inner_.chooseMove(s, i, slot, pattern);
  }
  // The tally of the pattern chosen since the last call, or -1.
  int take() { return std::exchange(index_, -1); }

 private:
  static int tallyIndex(int16_t slot) {
    if (slot == kChoseEmpty) return kEmptyPatternIndex;
    return slot >= 0 && slot < kEmptyPatternIndex ? slot : -1;
  }

  FightController& inner_;
  int index_ = -1;
};

struct FightTally {
  int16_t winner = kNoWinner;
  int steps = 0;
};

// One fight from the first initiative, its patterns tallied into `patterns`.
FightTally fight(Battle& battle, PatternWatch& watch, FightRecorder* recorder, const DollRef& me,
                 const DollRef& foe, int stepCap, std::array<PatternTally, 7>& patterns) {
  if (recorder) recorder->start(battle.state());
  battle.initFight(me, foe);
  FightTally tally;
  int current = -1;  // the player's pattern now running or last run
  while (!battle.isOver() && tally.steps < stepCap) {
    const int16_t turnStep = battle.state().turnStep;
    const int mine = hitPoints(*me);
    const int theirs = hitPoints(*foe);
    if (recorder) recorder->countStep();
    battle.cmdNext_Click();
    ++tally.steps;
    if (turnStep == kFighter0Acts) {
      current = watch.take();
      if (current >= 0) {
        ++patterns[current].chosen;
        patterns[current].dealt += theirs - hitPoints(*foe);
      }
    } else if (turnStep == kFighter1Acts && current >= 0) {
      patterns[current].taken += mine - hitPoints(*me);
    }
  }
  tally.winner = battle.state().winner;
  if (recorder) recorder->finish(tally.winner);
  return tally;
}

void sortWorstFirst(std::vector<OpponentTally>& opponents) {
  std::stable_sort(
      opponents.begin(), opponents.end(), [](const OpponentTally& a, const OpponentTally& b) {
        // Loss shares compared without division: a.l / a.f > b.l / b.f.
        return static_cast<long>(a.losses) * b.fights > static_cast<long>(b.losses) * a.fights;
      });
}

}  // namespace

PracticeResult runPractice(const doll& player, const std::vector<PracticeOpponent>& opponents,
                           const PracticeOptions& options, const std::atomic<bool>* cancel,
                           const PracticeProgress& progress) {
  if (opponents.empty()) throw std::invalid_argument("練習の相手がいません");
  const DollRef me = fighterFrom(player);
  std::vector<DollRef> foes;
  PracticeResult result;
  for (const PracticeOpponent& o : opponents) {
    foes.push_back(fighterFrom(*o.doll));
    result.opponents.push_back({o.id, o.doll->name, 0, 0, 0});
  }

  SeededRandom dice(options.seed);
  ComputerController computer;
  PatternWatch watch(computer);
  FightRecorder recorder(dice, watch, computer);
  NarrationLog view(false);
  SilentPrompter prompter;
  NoAfterFight afterFight;
  double worstShare = -1;
  int worstSteps = 0;

  for (int k = 0; k < options.fights; ++k) {
    if (cancel && cancel->load()) {
      result.cancelled = true;
      break;
    }
    const size_t o = static_cast<size_t>(k) % foes.size();
    const DollRef& foe = foes[o];
    restoreHitPoints(*me);
    restoreHitPoints(*foe);
    Battle battle(options.record ? recorder.random() : dice, view, prompter, afterFight);
    battle.setController(0, options.record ? recorder.controller(0) : watch);
    battle.setController(1, options.record ? recorder.controller(1) : computer);
    const FightTally t = fight(battle, watch, options.record ? &recorder : nullptr, me, foe,
                               options.stepCap, result.patterns);

    ++result.fights;
    result.steps.add(t.steps);
    OpponentTally& against = result.opponents[o];
    ++against.fights;
    if (t.winner == 0) {
      ++result.wins;
      ++against.wins;
    } else if (t.winner == 1) {
      ++result.losses;
      ++against.losses;
      const double left = share(*foe);
      if (options.record && (left > worstShare || (left == worstShare && t.steps < worstSteps))) {
        worstShare = left;
        worstSteps = t.steps;
        result.worstLoss = recorder.recording();
        result.worstLoss->fighters = {fighterFrom(*me), fighterFrom(*foe)};
      }
    } else {
      ++result.draws;
    }
    if (progress && (result.fights % kProgressEvery == 0 || result.fights == options.fights))
      progress(result.fights, options.fights);
  }
  result.winRate = wilson95(result.wins, result.fights);
  sortWorstFirst(result.opponents);
  return result;
}

}  // namespace velko
