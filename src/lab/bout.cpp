#include "lab/bout.h"
#include "core/shown_text.h"

#include <stdexcept>

#include "battle/computer_controller.h"
#include "model/fight_clone.h"

namespace velko {

DollRef fighterFrom(const doll& d) {
  if (!d.Motor || !d.frame)
    throw std::invalid_argument(shown("Dollにモーターとフレームがありません"));
  DollRef copy = cloneForFight(d);
  restoreHitPoints(*copy);
  return copy;
}

double hitPointShare(const doll& d) {
  const int most = d.Motor->maxHP + d.frame->maxHP;
  return most > 0 ? static_cast<double>(d.Motor->HP + d.frame->HP) / most : 0;
}

BoutFight BoutRing::fight(const DollRef& seat0, const DollRef& seat1, Random& rnd,
                          FightController& c0, FightController& c1, int stepCap,
                          FightRecorder* recorder, StepWatch* watch) {
  restoreHitPoints(*seat0);
  restoreHitPoints(*seat1);
  Battle battle(recorder ? recorder->random() : rnd, view_, afterFight_);
  battle.setController(0, recorder ? recorder->controller(0) : c0);
  battle.setController(1, recorder ? recorder->controller(1) : c1);
  if (recorder) recorder->start(battle.state());
  battle.initFight(seat0, seat1);
  BoutFight result;
  while (!battle.isOver() && result.steps < stepCap) {
    if (watch) watch->before(battle.state());
    if (recorder) recorder->countStep();
    battle.cmdNext_Click();
    ++result.steps;
    if (watch) watch->after(battle.state());
  }
  result.winner = battle.state().winner;
  if (recorder) recorder->finish(result.winner);
  return result;
}

BoutTally& BoutTally::operator+=(const BoutTally& other) {
  fights += other.fights;
  winsA += other.winsA;
  winsB += other.winsB;
  draws += other.draws;
  steps += other.steps;
  return *this;
}

BoutTally BoutTally::swapped() const {
  BoutTally other = *this;
  other.winsA = winsB;
  other.winsB = winsA;
  return other;
}

double BoutTally::scoreA() const {
  if (fights == 0) return 0;
  return (winsA + 0.5 * draws) / fights;
}

double BoutTally::meanSteps() const {
  if (fights == 0) return 0;
  return static_cast<double>(steps) / fights;
}

namespace {

// Both sides' copies, and who sits where in fight k.
struct SeriesSeats {
  SeriesSeats(const doll& a, const doll& b) : a(fighterFrom(a)), b(fighterFrom(b)) {}
  static bool aFirst(int k) { return k % 2 == 0; }
  const DollRef& seat(int k, int i) const { return (i == 0) == aFirst(k) ? a : b; }

  DollRef a;
  DollRef b;
};

// How bad a loss was: the winner's share of hit points left, then the fewer steps the worse.
struct LossMark {
  double share = -1;
  int steps = 0;
  bool worseThan(const LossMark& other) const {
    return share > other.share || (share == other.share && steps < other.steps);
  }
};

}  // namespace

BoutSeries playSeries(const doll& a, const doll& b, int fights, Random& rnd, int stepCap,
                      const std::atomic<bool>* cancel) {
  const SeriesSeats seats(a, b);
  BoutRing ring;
  ComputerController computer;
  BoutSeries series;
  std::array<LossMark, 2> worst;
  for (int k = 0; k < fights; ++k) {
    if (cancel && cancel->load(std::memory_order_relaxed)) break;
    const BoutFight f =
        ring.fight(seats.seat(k, 0), seats.seat(k, 1), rnd, computer, computer, stepCap);
    BoutTally& t = series.tally;
    ++t.fights;
    t.steps += f.steps;
    if (f.winner == kNoWinner) {
      ++t.draws;
      continue;
    }
    const bool aWon = (f.winner == 0) == SeriesSeats::aFirst(k);
    ++(aWon ? t.winsA : t.winsB);
    const int loser = aWon ? 1 : 0;
    const LossMark mark{hitPointShare(aWon ? *seats.a : *seats.b), f.steps};
    if (mark.worseThan(worst[loser])) {
      worst[loser] = mark;
      series.worstLoss[loser] = k;
    }
  }
  return series;
}

RecordedSeriesFight recordSeriesFight(const doll& a, const doll& b, int k, Random& rnd,
                                      int stepCap) {
  const SeriesSeats seats(a, b);
  BoutRing ring;
  ComputerController computer;
  for (int before = 0; before < k; ++before)
    ring.fight(seats.seat(before, 0), seats.seat(before, 1), rnd, computer, computer, stepCap);
  FightRecorder recorder(rnd, computer, computer);
  const BoutFight f =
      ring.fight(seats.seat(k, 0), seats.seat(k, 1), rnd, computer, computer, stepCap, &recorder);
  RecordedSeriesFight out{recorder.recording(), 0};
  if (f.winner != kNoWinner) out.winnerShare = hitPointShare(*seats.seat(k, f.winner));
  out.recording.fighters = {fighterFrom(*seats.seat(k, 0)), fighterFrom(*seats.seat(k, 1))};
  return out;
}

}  // namespace velko
