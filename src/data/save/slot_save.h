#pragma once
// Saving a game into a numbered slot: three files under save/, every part by its catalogue ID.

#include <cstdint>

#include "core/prompter.h"
#include "data/files/game_folder.h"
#include "data/save/save_commit.h"
#include "data/save/slot_state.h"

namespace velko {

// The content of one file of slot svNum, from Owners(0) with the date and the options, from
// Dolls(0), and from Dolls(0)'s program slots 0-6. Throws EncodingError when a name holds a
// character that CP932 cannot hold.
PendingFile savePlayerRtn(const GameFolder& folder, int16_t svNum, const SlotState& state);
PendingFile saveDollRtn(const GameFolder& folder, int16_t svNum, const SlotState& state);
PendingFile saveLogicRtn(const GameFolder& folder, int16_t svNum, const SlotState& state);

// Writes the three files of slot svNum together, with `companions` (files of save/ that belong
// to the slot, such as its history), so a failure leaves the slot as it was. On failure the
// player is told in a plain message box and the result is false (the game must then not count
// as saved).
[[nodiscard]] bool save_rtn(const GameFolder& folder, int16_t svNum, const SlotState& state,
                            Prompter& prompter, const std::vector<PendingFile>& companions = {});

}  // namespace velko
