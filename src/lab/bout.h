#pragma once
// Fights outside the career, computer against computer, as the practice lab, the league and
// the simulator run them: each on copies of the Dolls at full hit points, so the Dolls given
// stay as they are, and a series between two Dolls with the seats taking turns, so that
// neither side keeps whatever edge fighter 0 or fighter 1 has.

#include <array>
#include <atomic>
#include <cstdint>

#include "battle/battle.h"
#include "battle/headless_seams.h"
#include "core/random.h"
#include "model/doll.h"
#include "replay/fight_recorder.h"

namespace velko {

// A fight that reaches this many steps is called a draw.
inline constexpr int kDefaultStepCap = 1000;

// A copy at full hit points. Throws std::invalid_argument for a Doll without motor or frame,
// which a fight could not set up.
DollRef fighterFrom(const doll& d);

// What is left of a Doll's hit points, 0 to 1: a loss against an opponent left whole is the
// worst.
double hitPointShare(const doll& d);

// Sees every press of the next command, before and after it.
class StepWatch {
 public:
  virtual ~StepWatch() = default;
  virtual void before(const BattleState& s) = 0;
  virtual void after(const BattleState& s) = 0;
};

struct BoutFight {
  int16_t winner = kNoWinner;  // 0, 1, or kNoWinner when the step cap ended it
  int steps = 0;               // presses of the next command
};

// The screen, prompter and after-fight hooks a run of fights shares.
class BoutRing {
 public:
  // One fight from the first initiative: seat0 and seat1 are restored to full hit points and
  // fight on `rnd`, the controllers choosing, until one breaks or `stepCap` presses.
  BoutFight fight(const DollRef& seat0, const DollRef& seat1, Random& rnd, FightController& c0,
                  FightController& c1, int stepCap = kDefaultStepCap,
                  FightRecorder* recorder = nullptr, StepWatch* watch = nullptr);

 private:
  NarrationLog view_{false};
  SilentPrompter prompter_;
  NoAfterFight afterFight_;
};

// Fights between two Dolls, from a's side.
struct BoutTally {
  int fights = 0;
  int winsA = 0;
  int winsB = 0;
  int draws = 0;
  long steps = 0;

  BoutTally& operator+=(const BoutTally& other);
  // The other side's view of the same fights.
  BoutTally swapped() const;
  // A draw counts half a win.
  double scoreA() const;
  double meanSteps() const;
  bool operator==(const BoutTally&) const = default;
};

struct BoutSeries {
  BoutTally tally;
  // The fight (0-based) of each side's worst loss, -1 for none: [0] a lost, [1] b lost.
  std::array<int, 2> worstLoss{-1, -1};
};

// `fights` fights on copies of a and b, a in seat 0 in the even-numbered ones, stopping early
// when `cancel` becomes true.
BoutSeries playSeries(const doll& a, const doll& b, int fights, Random& rnd,
                      int stepCap = kDefaultStepCap, const std::atomic<bool>* cancel = nullptr);

struct RecordedSeriesFight {
  // The Dolls in it are a's and b's copies at full hit points, in their seats of that fight.
  FightRecording recording;
  double winnerShare = 0;  // the winner's share of hit points left at the end
};

// Fight `k` of the series playSeries would play from the same source, recorded.
RecordedSeriesFight recordSeriesFight(const doll& a, const doll& b, int k, Random& rnd,
                                      int stepCap = kDefaultStepCap);

}  // namespace velko
