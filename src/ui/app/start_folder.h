#pragma once
// The game folder of this start, from the command line (--game-folder DIR), VELKO_HOME, the
// working directory or the installed layout, with its catalogue checked.

#include <optional>

#include "data/files/game_folder.h"

class QApplication;
class QString;

namespace velko::ui {

// --help and --version, answered on the standard output before any window exists (they need
// no display): the status to end with, or nothing when the game is to start.
std::optional<int> answerWithoutDisplay(int argc, char** argv);

// Reads the options (a wrong one ends the program there). When no usable folder is
// found, says why on the standard error and in a message box, and returns nothing.
// `language` receives the value of --lang (empty without it).
std::optional<GameFolder> startFolder(QApplication& application, QString* language = nullptr);

}  // namespace velko::ui
