#include "lab/practice_lab.h"
#include "core/shown_text.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "battle/computer_controller.h"
#include "core/seeded_random.h"
#include "lab/bout.h"
#include "replay/fight_recorder.h"

namespace velko {

namespace {

constexpr int kEmptyPatternIndex = 6;
constexpr int kProgressEvery = 50;

int hitPoints(const doll& d) {
  return d.Motor->HP + d.frame->HP;
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

// Adds each step of fighter 0's patterns to their tallies: the damage the opponent took while
// one ran, and the damage fighter 0 took before its next.
class PatternTallies : public StepWatch {
 public:
  PatternTallies(PatternWatch& watch, const doll& me, const doll& foe,
                 std::array<PatternTally, 7>& patterns)
      : watch_(watch), me_(me), foe_(foe), patterns_(patterns) {}
  void before(const BattleState& s) override {
    turnStep_ = s.turnStep;
    mine_ = hitPoints(me_);
    theirs_ = hitPoints(foe_);
  }
  void after(const BattleState&) override {
    if (turnStep_ == kFighter0Acts) {
      current_ = watch_.take();
      if (current_ >= 0) {
        ++patterns_[current_].chosen;
        patterns_[current_].dealt += theirs_ - hitPoints(foe_);
      }
    } else if (turnStep_ == kFighter1Acts && current_ >= 0) {
      patterns_[current_].taken += mine_ - hitPoints(me_);
    }
  }

 private:
  PatternWatch& watch_;
  const doll& me_;
  const doll& foe_;
  std::array<PatternTally, 7>& patterns_;
  int16_t turnStep_ = kTurnStart;
  int mine_ = 0;
  int theirs_ = 0;
  int current_ = -1;  // the player's pattern now running or last run
};

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
  if (opponents.empty()) throw std::invalid_argument(shown("練習の相手がいません"));
  const DollRef me = fighterFrom(player);
  std::vector<DollRef> foes;
  PracticeResult result;
  result.seed = options.seed;
  for (const PracticeOpponent& o : opponents) {
    foes.push_back(fighterFrom(*o.doll));
    result.opponents.push_back({o.id, o.doll->name, 0, 0, 0});
  }

  SeededRandom dice(options.seed);
  ComputerController computer;
  PatternWatch watch(computer);
  FightRecorder recorder(dice, watch, computer);
  BoutRing ring;
  double worstShare = -1;
  int worstSteps = 0;

  for (int k = 0; k < options.fights; ++k) {
    if (cancel && cancel->load()) {
      result.cancelled = true;
      break;
    }
    const size_t o = static_cast<size_t>(k) % foes.size();
    const DollRef& foe = foes[o];
    PatternTallies tallies(watch, *me, *foe, result.patterns);
    const BoutFight t = ring.fight(me, foe, dice, watch, computer, options.stepCap,
                                   options.record ? &recorder : nullptr, &tallies);

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
      const double left = hitPointShare(*foe);
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
