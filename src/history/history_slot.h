#pragma once
// The history file that belongs to save slot n: save/Historysv<n>.history, written by the
// slot's own commit with its three files, so a slot and its history never disagree.

#include <cstdint>
#include <filesystem>

#include "core/prompter.h"
#include "data/files/game_folder.h"
#include "data/save/save_commit.h"
#include "history/career_history.h"

namespace velko {

std::filesystem::path historyFilePath(const GameFolder& folder, int16_t n);

// The history as slot n's fourth file, for save_rtn.
PendingFile historyPendingFile(const GameFolder& folder, int16_t n, const CareerHistory& history);

// The slot's history, read as untrusted input. A slot without one (saved before histories
// were kept) starts its history at `date`, the slot's date. A damaged file, or one whose last
// month is not the slot's, is refused with one message naming the file and the line; the
// history then starts again at `date`, and the file is left as it is until the slot is next
// saved.
CareerHistory loadSlotHistory(const GameFolder& folder, int16_t n, const GameDate& date,
                              Prompter& prompter);

}  // namespace velko
