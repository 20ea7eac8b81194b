#pragma once
// A file of the game's own named on the command line (a double-click in a file manager): a
// Doll file is offered as the duel opponent, a league opens in the league window, an exported
// replay in the fight inspector. The kind is told by the file's ending, as the desktop's MIME
// types tell it; the file's own reader judges the contents.

#include <QString>
#include <optional>

#include "career/career_state.h"

class QWidget;

namespace velko {
class Game;
}

namespace velko::ui {

enum class NamedFileKind { Doll, League, Replay };

// The kind an argument names by its ending (any case), or nothing for anything else.
std::optional<NamedFileKind> namedFileKind(const QString& argument);

// Whether the file needs a career first: the duel opponent and the league are the workshop's;
// a replay only needs the game folder.
bool needsWorkshop(NamedFileKind kind);

// Opens the file over `owner`. Nothing of the player's game changes without a question; a file
// its reader refuses is reported with the reader's message.
void openNamedFile(const QString& file, QWidget& owner, Game& game, CareerServices& services);

}  // namespace velko::ui
