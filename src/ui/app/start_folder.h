#pragma once
// The game folder of this start, from the command line (--game-folder DIR), VELKO_HOME, the
// working directory or the installed layout, with its catalogue checked.

#include <optional>

#include "data/files/game_folder.h"

class QApplication;
class QString;

namespace velko::ui {

// The status a wrong command line ends with, and a start without a display.
inline constexpr int kCommandLineRefused = 2;
inline constexpr int kNoDisplay = 1;

// --help and --version, answered on the standard output before any window exists (they need
// no display), and a wrong command line (an unknown option, a missing value, an argument that
// names no file of the game's own kinds, a second one,
// a language the game does not have) refused on the standard error, and so is a start without a
// display: the status to end with, or nothing when the game is to start.
std::optional<int> answerWithoutDisplay(int argc, char** argv);

// Reads the options, already checked by answerWithoutDisplay. When no usable folder is
// found, says why on the standard error and in a message box, and returns nothing.
// `language` receives the value of --lang (empty without it), `namedFile` the file named on
// the command line as an absolute path (empty without one).
std::optional<GameFolder> startFolder(QApplication& application, QString* language = nullptr,
                                      QString* namedFile = nullptr);

}  // namespace velko::ui
