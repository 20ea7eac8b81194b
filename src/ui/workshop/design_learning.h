#pragma once
// The workshop's entries for learning from fights: the recorded fights, the last fight in the
// inspector, and the practice lab.

#include "career/career_state.h"

class QMenu;
class QWidget;

namespace velko::ui {

void addLearningMenus(QMenu& menu, QWidget& workshop, CareerState& state, CareerServices& services);

// The newest recorded fight in the inspector; says so when there is none or it cannot be read.
void inspectLastFight(QWidget& owner, const GameFolder& folder, Prompter& prompter);

}  // namespace velko::ui
