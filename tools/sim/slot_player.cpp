#include "sim/slot_player.h"

#include <array>
#include <iostream>
#include <memory>

#include "battle/headless_seams.h"
#include "core/game_date.h"
#include "data/save/slot_load.h"
#include "model/doll_stats.h"
#include "model/owner.h"
#include "sim/sim_random.h"

namespace velko::sim {

namespace {

// The loaders' notices (a missing file, a refused opponent) are worth seeing on a console.
class ConsolePrompter : public SilentPrompter {
 public:
  void notify(const std::string& text) override { std::cerr << text << "\n"; }
  void notifyCaption(const std::string& text, const std::string&) override { notify(text); }
  void msgBox(const std::string& text) override { notify(text); }
};

}  // namespace

DollRef loadSlotDoll(const GameFolder& folder, int16_t svNum) {
  std::array<std::shared_ptr<Owner>, 2> owners{std::make_shared<Owner>(),
                                               std::make_shared<Owner>()};
  std::array<DollRef, 2> dolls{std::make_shared<doll>(), std::make_shared<doll>()};
  GameDate date;
  bool playMusic = false;
  bool guideOn = false;
  int16_t duelistState = kDuelistNotReady;
  SlotState state{owners, dolls, date, playMusic, guideOn, duelistState};
  ConsolePrompter prompter;
  // A slot read only in part has been reported; its Doll is not the one saved.
  if (!load_rtn(folder, svNum, state, prompter)) return nullptr;

  const DollRef d = dolls[0];
  resetDollParam(*d, *owners[0]);
  if (d->Motor->name.empty() || d->frame->name.empty()) return nullptr;
  return d;
}

}  // namespace velko::sim
