#pragma once
// The game's window icon. Reading the large icon picture would hold back the title screen's
// first paint, and on X11 a window asks for the icon as it is created: so the icon file is only
// named at start, and read once the title has been painted, or before a box shows earlier.

#include <QString>

namespace velko::ui {

// The icon picture of this start; nothing is read yet.
void setGameIconFile(const QString& fileName);

// Makes the named picture the icon of every window of the game; only the first call reads it.
void useGameIcon();

}  // namespace velko::ui
