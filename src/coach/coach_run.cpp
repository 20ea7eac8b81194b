#include "coach/coach_run.h"

#include <stdexcept>

#include "battle/computer_controller.h"
#include "core/seeded_random.h"
#include "core/shown_text.h"
#include "lab/bout.h"

namespace velko {

namespace {

// Notes whether the player's Doll (seat 0) ever fell below the give-up line.
class GiveUpWatch : public StepWatch {
 public:
  GiveUpWatch(const doll& me, AutoGiveUp line) : me_(me), line_(line) {}
  void before(const BattleState&) override {}
  void after(const BattleState&) override { crossed_ = crossed_ || autoGiveUpDue(me_, line_); }
  bool crossed() const { return crossed_; }

 private:
  const doll& me_;
  AutoGiveUp line_;
  bool crossed_ = false;
};

}  // namespace

WinMeasure measureWins(const doll& d, const std::vector<PracticeOpponent>& opponents,
                       int fightsEach, uint64_t seed, const std::atomic<bool>* cancel,
                       AutoGiveUp giveUp) {
  if (opponents.empty()) throw std::invalid_argument(shown("練習の相手がいません"));
  const DollRef me = fighterFrom(d);
  std::vector<DollRef> foes;
  for (const PracticeOpponent& o : opponents)
    foes.push_back(fighterFrom(*o.doll));
  SeededRandom dice(seed);
  ComputerController computer;
  BoutRing ring;
  WinMeasure m;
  const int fights = fightsEach * static_cast<int>(foes.size());
  for (int k = 0; k < fights; ++k) {
    if (cancel && cancel->load()) {
      m.cancelled = true;
      break;
    }
    GiveUpWatch watch(*me, giveUp);
    const BoutFight t = ring.fight(me, foes[static_cast<size_t>(k) % foes.size()], dice, computer,
                                   computer, kDefaultStepCap, nullptr, &watch);
    ++m.fights;
    m.wins += t.winner == 0 && !watch.crossed();
  }
  return m;
}

}  // namespace velko
