#pragma once
// Loading a numbered save slot into index 0 (the player) or index 1 (a duel opponent). Each
// part is rebuilt from the catalogue by its ID, so all parts count as used afterwards.
//
// Each reader reads and checks its whole file, and looks up every part, before it changes
// anything: a missing, cut or garbled file (or a missing catalogue file) shows
// "ファイルが見つかりません", leaves that reader's part of the state as it was and makes the
// duel opponent not ready; the following readers still run.

#include <cstdint>

#include "core/prompter.h"
#include "data/files/game_folder.h"
#include "data/save/slot_doll_file.h"
#include "data/save/slot_state.h"

namespace velko {

// Owners(i) becomes a new record with the file's name, level, experience, money, skills and
// record. For index 0 also the game date, the two options and the inventory (all used).
[[nodiscard]] bool loadPlayerRtn(const GameFolder& folder, int16_t svNum, int i, SlotState& state,
                                 Prompter& prompter);

// Dolls(i) becomes a new Doll with the file's parts, name, hit points and programmed flag.
// For index 1 a Doll with a broken motor or frame, or without programs, is refused as an
// opponent with the game's message (the duel opponent becomes not ready).
[[nodiscard]] bool loadDollRtn(const GameFolder& folder, int16_t svNum, int i, SlotState& state,
                               Prompter& prompter);

// Program slots 0.. of Dolls(i) from the file's records. The actions are those of Dolls(i)'s
// own software, so a loaded pattern costs what it costs that Doll (for the player's Doll this
// is the workshop's getAction; a duel opponent keeps its own costs).
[[nodiscard]] bool loadLogicRtn(const GameFolder& folder, int16_t svNum, int i, SlotState& state,
                                Prompter& prompter);

// A new Doll from a Doll file's parts, each rebuilt from the catalogue by its ID (an ID the
// catalogue lacks gives a blank part), with the file's name, hit points and programmed flag.
// Throws DataFileError when a catalogue file is missing or malformed.
DollRef buildDoll(const GameFolder& folder, const DollFile& f, Prompter& prompter);

// The three readers with index 0; afterwards no duel opponent is loaded. A reader that fails
// has told the player; the others still run and what they restored stays. True when all
// three files were read.
[[nodiscard]] bool load_rtn(const GameFolder& folder, int16_t svNum, SlotState& state,
                            Prompter& prompter);

// Another player's slot as the duel opponent (index 1): player record, Doll, the workshop's
// recomputation of that Doll, programs. True when the opponent is ready to fight.
[[nodiscard]] bool loadDuelOpponent(const GameFolder& folder, int16_t svNum, SlotState& state,
                                    Prompter& prompter);

}  // namespace velko
