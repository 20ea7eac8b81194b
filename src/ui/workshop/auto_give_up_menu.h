#pragma once
// The menu システム →「自動ギブアップ」: off, or the share of its maximum below which the
// motor or frame may not fall, as four radio items. A choice changes the running game at once;
// the application remembers it in the preference file.

#include <QMenu>

#include "career/career_state.h"

namespace velko::ui {

// The submenu "mnAutoGiveUp" with the items "mnAutoGiveUpOff", "mnAutoGiveUp25", "…40",
// "…60"; each one triggered sets state.autoGiveUp.
QMenu* addAutoGiveUpMenu(QMenu& parent, CareerState& state);
// Checks the item of the line in force.
void showAutoGiveUp(QMenu& menu, AutoGiveUp line);

}  // namespace velko::ui
