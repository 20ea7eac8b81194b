#include "replay/fight_recorder.h"

#include "battle/action_search.h"
#include "model/fight_clone.h"

namespace velko {

int16_t patternIndex(const BattleState& s, int i, const Logic* pattern) {
  if (pattern == nullptr) return kChosePass;
  const doll& d = s.fighter(i);
  for (int slot = 0; slot < doll::kLogicSlots; ++slot) {
    if (d.getLogic(slot).get() == pattern) return static_cast<int16_t>(slot);
  }
  // Only the computer hands out a pattern the Doll does not hold: the empty one.
  return kChoseEmpty;
}

double RecordingRandom::next() {
  const double r = source_.next();
  draws_.push_back(r);
  return r;
}

const Logic* RecordingController::choosePattern(const BattleState& state, int i) {
  const Logic* pattern = inner_.choosePattern(state, i);
  choices_.push_back(
      {RecordedChoice::Kind::Pattern, static_cast<int8_t>(i), patternIndex(state, i, pattern)});
  return pattern;
}

int16_t RecordingController::chooseMove(const BattleState& state, int i, int slot,
                                        const Logic& pattern) {
  const int16_t direction = inner_.chooseMove(state, i, slot, pattern);
  choices_.push_back({RecordedChoice::Kind::Move, static_cast<int8_t>(i), direction});
  return direction;
}

FightRecorder::FightRecorder(Random& source, FightController& fighter0, FightController& fighter1)
    : random_(source, recording_.draws),
      controllers_{RecordingController(fighter0, recording_.choices),
                   RecordingController(fighter1, recording_.choices)} {}

void FightRecorder::start(const BattleState& s, const doll& fighter0, const doll& fighter1) {
  start(s);
  recording_.fighters = {cloneForFight(fighter0), cloneForFight(fighter1)};
}

void FightRecorder::start(const BattleState& s) {
  recording_.mode = s.Mode;
  recording_.turnStep = s.turnStep;
  recording_.sente = s.sente;
  recording_.playAP = s.playAP;
  recording_.fighters = {};
  recording_.draws.clear();
  recording_.choices.clear();
  recording_.steps = 0;
  recording_.winner = kNoWinner;
}

double ReplayRandom::next() {
  if (pos_ >= draws_.size()) throw ReplayMismatch("the recording has no more dice");
  return draws_[pos_++];
}

const RecordedChoice& ReplayController::take(RecordedChoice::Kind kind, int i) {
  if (pos_ >= choices_.size()) throw ReplayMismatch("the recording has no more choices");
  const RecordedChoice& choice = choices_[pos_++];
  if (choice.kind != kind || choice.fighter != i)
    throw ReplayMismatch("the recording's choices do not fit the fight");
  return choice;
}

const Logic* ReplayController::choosePattern(const BattleState& state, int i) {
  last_ = take(RecordedChoice::Kind::Pattern, i);
  if (last_.value == kChosePass) return nullptr;
  if (last_.value == kChoseEmpty) return &emptyPattern();
  if (last_.value < 0 || last_.value >= doll::kLogicSlots)
    throw ReplayMismatch("the recording names a pattern slot that does not exist");
  const Logic* pattern = state.fighter(i).getLogic(last_.value).get();
  if (pattern == nullptr) throw ReplayMismatch("the recording names an empty pattern slot");
  return pattern;
}

int16_t ReplayController::chooseMove(const BattleState&, int i, int, const Logic&) {
  return take(RecordedChoice::Kind::Move, i).value;
}

}  // namespace velko
