#pragma once
// Recording a fight at its seams, and feeding a recording back. The recorder wraps the random
// source (the numbers drawn) and the two controllers (the choices made); the replay hands the
// same numbers and choices to a fresh engine, which plays the same fight.

#include <array>
#include <stdexcept>
#include <string>

#include "battle/fight_controller.h"
#include "core/random.h"
#include "replay/fight_recording.h"

namespace velko {

// A recording that does not fit the fight it drives (too few numbers, a choice of the wrong
// kind or side, a slot the Doll does not hold).
class ReplayMismatch : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The slot of fighter i's Doll holding `pattern`, or kChosePass / kChoseEmpty.
int16_t patternIndex(const BattleState& s, int i, const Logic* pattern);

class RecordingRandom : public Random {
 public:
  RecordingRandom(Random& source, std::vector<double>& draws) : source_(source), draws_(draws) {}
  double next() override;
  void reseedFromClock() override { source_.reseedFromClock(); }

 private:
  Random& source_;
  std::vector<double>& draws_;
};

class RecordingController : public FightController {
 public:
  RecordingController(FightController& inner, std::vector<RecordedChoice>& choices)
      : inner_(inner), choices_(choices) {}
  const Logic* choosePattern(const BattleState& state, int i) override;
  int16_t chooseMove(const BattleState& state, int i, int slot, const Logic& pattern) override;

 private:
  FightController& inner_;
  std::vector<RecordedChoice>& choices_;
};

// One recording at a time: start() with the Dolls as they begin, then the engine runs on
// random() and controller(0/1); finish() stamps the outcome.
class FightRecorder {
 public:
  FightRecorder(Random& source, FightController& fighter0, FightController& fighter1);
  FightRecorder(const FightRecorder&) = delete;
  FightRecorder& operator=(const FightRecorder&) = delete;

  Random& random() { return random_; }
  FightController& controller(int i) { return controllers_.at(i); }

  // Keeps copies of both Dolls as they stand now, and the mode and the point of the turn
  // sequence the fight starts from; forgets the previous fight.
  void start(const BattleState& s, const doll& fighter0, const doll& fighter1);
  // The same without the Dolls, for runs that fight the same Dolls again and again and copy
  // them only into the recordings they keep.
  void start(const BattleState& s);
  void countStep() { ++recording_.steps; }
  void finish(int16_t winner) { recording_.winner = winner; }
  const FightRecording& recording() const { return recording_; }

 private:
  FightRecording recording_;
  RecordingRandom random_;
  std::array<RecordingController, 2> controllers_;
};

class ReplayRandom : public Random {
 public:
  explicit ReplayRandom(const std::vector<double>& draws) : draws_(draws) {}
  double next() override;
  void reseedFromClock() override {}
  size_t used() const { return pos_; }

 private:
  const std::vector<double>& draws_;
  size_t pos_ = 0;
};

class ReplayController : public FightController {
 public:
  explicit ReplayController(const std::vector<RecordedChoice>& choices) : choices_(choices) {}
  const Logic* choosePattern(const BattleState& state, int i) override;
  int16_t chooseMove(const BattleState& state, int i, int slot, const Logic& pattern) override;
  size_t used() const { return pos_; }
  // The last pattern choice handed out, as recorded.
  const RecordedChoice& last() const { return last_; }

 private:
  const RecordedChoice& take(RecordedChoice::Kind kind, int i);

  const std::vector<RecordedChoice>& choices_;
  size_t pos_ = 0;
  RecordedChoice last_;
};

}  // namespace velko
