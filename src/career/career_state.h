#pragma once
// What a running game shares between the workshop and the screens it opens: the two Dolls and
// player records (index 0 the player, index 1 a duel opponent), the options, the calendar and
// the saved and duel-opponent flags; and the services the rules use to ask, tell and play.

#include <array>
#include <cstdint>
#include <memory>

#include "battle/auto_give_up.h"
#include "core/game_date.h"
#include "core/music_player.h"
#include "core/prompter.h"
#include "core/random.h"
#include "data/files/game_folder.h"
#include "data/save/slot_state.h"
#include "history/career_history.h"
#include "model/doll.h"
#include "model/owner.h"

namespace velko {

struct CareerState {
  explicit CareerState(Random& rnd);

  std::array<std::shared_ptr<Owner>, 2> Owners;
  std::array<DollRef, 2> Dolls;
  bool newGame = true;
  bool guideOn = true;
  bool guideDesign = true;  // the workshop's guide has not been dismissed
  bool guideDialog = true;  // the pattern dialog's guide has not been dismissed
  bool playMusic = true;
  // The player's last BGM choice; the screens keep it between runs. A new game starts with it.
  bool musicChoice = true;
  bool adviceOn = true;        // the chances before a tournament; kept for this run of the game
  bool entryNoteTold = false;  // what a lost tournament bout costs, told once
  // The player's automatic give-up, and whether it was offered at a first tournament entry;
  // the screens keep both between runs.
  AutoGiveUp autoGiveUp = AutoGiveUp::Off;
  bool autoGiveUpOffered = false;
  GameDate gameDate;
  bool saved = true;
  int16_t duelistState = kDuelistNotReady;
  // Month by month, what this career was; saved with the slot.
  CareerHistory history;

  // The references the save-slot routines work on.
  SlotState slotState();

  Owner& player() { return *Owners[0]; }
  doll& playerDoll() { return *Dolls[0]; }
};

struct CareerServices {
  GameFolder folder;
  Random& rnd;
  Prompter& prompter;
  MusicPlayer& music;
};

}  // namespace velko
