// The save-slot readers on three damaged files (player, Doll, programs): loading as the
// player, as a duel opponent, and the save/load screen's preview. A damaged file must be
// reported, never crash.

#include "battle/headless_seams.h"
#include "core/random.h"
#include "data/save/slot_load.h"
#include "data/save/slot_preview.h"
#include "fuzz_input.h"

using namespace velko;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto files = fuzz::splitInput(data, size, 3);
  fuzz::putFile("save/Playersv1.ini", files[0]);
  fuzz::putFile("save/PlayDollsv1.ini", files[1]);
  fuzz::putFile("save/Logicsv1.ini", files[2]);

  const GameFolder folder(fuzz::fuzzFolder());
  SilentPrompter prompter;
  std::array<std::shared_ptr<Owner>, 2> owners = {std::make_shared<Owner>(),
                                                  std::make_shared<Owner>()};
  std::array<DollRef, 2> dolls = {std::make_shared<doll>(), std::make_shared<doll>()};
  GameDate date;
  bool music = false;
  bool guide = false;
  int16_t duelist = kDuelistNotReady;
  SlotState state{owners, dolls, date, music, guide, duelist};
  (void)Rinload_rtn(folder, 1, prompter);
  (void)load_rtn(folder, 1, state, prompter);
  (void)loadDuelOpponent(folder, 1, state, prompter);
  return 0;
}
