#pragma once
// The fight record as the workshop's record menu shows it.

#include <string>

#include "core/prompter.h"
#include "model/owner.h"

namespace velko {

// "過去の成績", then wins "勝" and losses "敗", then "優勝", tournament wins and "回", each
// line ended by a line feed and each number with a blank before it.
std::string fightRecordText(const Owner& owner);

// The record menu (mnRec_Click): the text above in the game's message dialog.
void mnRec_Click(const Owner& owner, Prompter& prompter);

}  // namespace velko
