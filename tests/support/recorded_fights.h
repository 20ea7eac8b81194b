#pragma once
// Fights recorded at their seams for the replay tests: Dolls and patterns drawn from a seed,
// a fighter 0 that chooses at random (passing now and then, backing away with odd numbers),
// and the computer for fighter 1.

#include <memory>
#include <string>
#include <vector>

#include "battle/battle.h"
#include "battle/computer_controller.h"
#include "battle/headless_seams.h"
#include "core/seeded_random.h"
#include "model/fight_clone.h"
#include "replay/fight_recorder.h"

namespace velko::testing {

inline int pick(Random& rnd, int low, int high) {
  return low + static_cast<int>(rnd.next() * (high - low + 1));
}

// Patterns with every action, some with a gap after which actions are never run, names with
// blanks and full-width characters.
inline DollRef randomDoll(Random& rnd, const std::string& name) {
  auto d = std::make_shared<doll>();
  d->name = name;
  d->ID = static_cast<int16_t>(pick(rnd, 0, 99));
  d->image = pick(rnd, 0, 1) ? "01" : "0201";
  d->pow = static_cast<int16_t>(pick(rnd, 0, 20));
  d->offence = static_cast<int16_t>(pick(rnd, 0, 12));
  d->defence = static_cast<int16_t>(pick(rnd, 0, 12));
  d->move = static_cast<int16_t>(pick(rnd, 0, 30));
  d->jump = static_cast<int16_t>(pick(rnd, 0, 30));
  d->spin = static_cast<int16_t>(pick(rnd, 0, 30));
  d->AC = pick(rnd, 0, 40) / 4.0;
  d->AP = static_cast<int16_t>(pick(rnd, 0, 6));
  d->weight = 1.0 + pick(rnd, 0, 100) / 7.0;
  d->value = static_cast<int16_t>(pick(rnd, 500, 5000));
  d->Motor->name = "モーター " + std::to_string(pick(rnd, 1, 9));
  d->Motor->HP = d->Motor->maxHP = static_cast<int16_t>(pick(rnd, 20, 120));
  d->frame->name = "フレーム";
  d->frame->maxHP = static_cast<int16_t>(pick(rnd, 20, 160));
  d->frame->HP = static_cast<int16_t>(d->frame->maxHP - pick(rnd, 0, 10));
  for (int slot = 0; slot < 6; ++slot) {
    auto p = std::make_shared<Logic>();
    p->name = "技 " + std::to_string(slot) + "　型";
    p->AP = static_cast<int16_t>(pick(rnd, 0, 16));
    const int length = pick(rnd, 1, Logic::kSlots);
    const int gap = pick(rnd, 0, 3) == 0 ? pick(rnd, 1, length) : -1;
    for (int a = 0; a < length; ++a) {
      if (a == gap) continue;
      auto action = newAction();
      action->ID = static_cast<int16_t>(pick(rnd, kMove, kHazusi));
      action->name = actionName(action->ID);
      action->AP = static_cast<int16_t>(pick(rnd, 0, 3));
      p->setAction(action, a);
    }
    d->setLogics(p, slot);
  }
  return d;
}

// Chooses any slot 0-6 (an empty slot or one it cannot afford included: the engine runs what
// it is given), or passes; moves any way.
class RandomPlayer : public FightController {
 public:
  explicit RandomPlayer(uint64_t seed) : rnd_(seed) {}
  const Logic* choosePattern(const BattleState& s, int i) override {
    const int n = pick(rnd_, -1, 6);
    if (n < 0) return nullptr;
    return s.fighter(i).getLogic(n).get();
  }
  int16_t chooseMove(const BattleState&, int, int, const Logic&) override {
    return static_cast<int16_t>(pick(rnd_, 0, 3));
  }

 private:
  SeededRandom rnd_;
};

struct RecordedFight {
  FightRecording recording;
  std::vector<std::string> narration;
};

// One fight played and recorded the way the battle screen's session does it.
inline RecordedFight recordFight(const doll& a, const doll& b, int16_t mode, uint64_t seed,
                                 int stepCap = 400) {
  SeededRandom dice(seed);
  RandomPlayer player(seed + 1);
  ComputerController computer;
  FightRecorder recorder(dice, player, computer);
  NarrationLog view(true);
  SilentPrompter prompter;
  NoAfterFight afterFight;
  Battle battle(recorder.random(), view, prompter, afterFight);
  battle.setController(0, recorder.controller(0));
  battle.setController(1, recorder.controller(1));
  battle.state().Mode = mode;
  // A tournament's later bout goes on from wherever the turn sequence of the last one stood.
  if (mode == kModeTournament) {
    const int16_t steps[] = {kTurnStart, kFighter0Acts, kFighter1Acts};
    battle.state().turnStep = steps[seed % 3];
    battle.state().sente = static_cast<int16_t>(seed / 3 % 3);
    battle.state().playAP = static_cast<int16_t>(seed % 17);
  }
  const DollRef first = cloneForFight(a);
  const DollRef second = cloneForFight(b);
  recorder.start(battle.state(), *first, *second);
  battle.initFight(first, second);
  for (int step = 0; step < stepCap && !battle.isOver(); ++step) {
    recorder.countStep();
    battle.cmdNext_Click();
  }
  recorder.finish(battle.state().winner);
  return {recorder.recording(), std::move(view.narration)};
}

}  // namespace velko::testing
