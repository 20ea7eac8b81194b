#pragma once
// Putting the factory opponents in place: on the first start, and on the player's reset.

#include "core/prompter.h"
#include "data/files/game_folder.h"

namespace velko {

// Called when the game starts: makes save/ when it is missing, finishes or undoes a save cut
// short by a crash (settleSaveFolder), and copies each missing registry file from its factory
// file (a registry file that exists is left alone). False when save/ or a registry file is
// still missing afterwards (for example without the factory files), or save/ could not be
// settled; the game then may have no opponents to offer.
[[nodiscard]] bool prepareSaveFolder(const GameFolder& folder);

// Copies both factory files over the registry files, both or neither (their .img copies stay
// as they were). False when they could not be copied; the registry is then as it was.
[[nodiscard]] bool resetRegistry(const GameFolder& folder);

// The reset menu (mnInit_Click): asks with Yes and No, resets on Yes and says it is done.
void mnInit_Click(const GameFolder& folder, Prompter& prompter);

}  // namespace velko
