#include "replay/fight_replay.h"

#include "model/fight_clone.h"

namespace velko {

namespace {

DollRef fighterOf(const FightRecording& recording, int i) {
  const DollRef& d = recording.fighters[i];
  if (!d) throw ReplayMismatch("the recording has no Doll for a fighter");
  return cloneForFight(*d);
}

}  // namespace

FightReplay::FightReplay(const FightRecording& recording, FightView& view)
    : recording_(recording),
      random_(recording.draws),
      choices_(recording.choices),
      battle_(random_, view, prompter_, afterFight_) {
  battle_.setController(0, choices_);
  battle_.setController(1, choices_);
  BattleState& s = battle_.state();
  s.Mode = recording.mode;
  s.turnStep = recording.turnStep;
  s.sente = recording.sente;
  s.playAP = recording.playAP;
  battle_.initFight(fighterOf(recording, 0), fighterOf(recording, 1));
}

bool FightReplay::step() {
  if (done()) return false;
  battle_.cmdNext_Click();
  ++steps_;
  return true;
}

ReplayOutcome replayFight(const FightRecording& recording, FightView& view) {
  ReplayOutcome outcome;
  try {
    FightReplay replay(recording, view);
    while (replay.step()) {
    }
    outcome.winner = replay.battle().state().winner;
    outcome.steps = replay.steps();
  } catch (const std::exception& e) {
    // A Doll without motor or frame, or dice and choices that do not fit.
    outcome.error = e.what();
    return outcome;
  }
  if (outcome.steps != recording.steps || outcome.winner != recording.winner) {
    outcome.error = "the fight ended otherwise than recorded";
    return outcome;
  }
  outcome.ok = true;
  return outcome;
}

}  // namespace velko
