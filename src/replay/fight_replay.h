#pragma once
// Playing a recorded fight again through the battle engine: the recorded numbers and choices
// go in at the seams, the view receives what the fight showed, step by step.

#include <string>

#include "battle/battle.h"
#include "battle/headless_seams.h"
#include "replay/fight_recorder.h"

namespace velko {

class FightReplay {
 public:
  // The recording must outlive the replay. Sets the fight up at once (its first end phase).
  FightReplay(const FightRecording& recording, FightView& view);
  FightReplay(const FightReplay&) = delete;
  FightReplay& operator=(const FightReplay&) = delete;

  // One press of the next command, as recorded; false once every recorded step has run.
  // Throws ReplayMismatch when the recording does not fit.
  bool step();
  bool done() const { return steps_ >= recording_.steps || battle_.isOver(); }
  int steps() const { return steps_; }
  const Battle& battle() const { return battle_; }
  size_t drawsUsed() const { return random_.used(); }
  const ReplayController& choices() const { return choices_; }

 private:
  const FightRecording& recording_;
  ReplayRandom random_;
  ReplayController choices_;
  SilentPrompter prompter_;
  NoAfterFight afterFight_;
  Battle battle_;
  int steps_ = 0;
};

struct ReplayOutcome {
  bool ok = false;
  std::string error;  // why the recording could not be played to its end
  int16_t winner = kNoWinner;
  int steps = 0;
};

// Plays the whole recording; ok when it ran and ended as recorded.
ReplayOutcome replayFight(const FightRecording& recording, FightView& view);

}  // namespace velko
