#pragma once
// The menu 言語 / Language: the player's choice of language, remembered for the next start.

#include <QMenu>

#include "core/prompter.h"
#include "data/files/game_folder.h"

namespace velko::ui {

void addLanguageMenu(QMenu& parent, Prompter& prompter, const GameFolder& folder);

}  // namespace velko::ui
