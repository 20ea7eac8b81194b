#include "ui/app/named_file.h"

#include <filesystem>

#include "career/game.h"
#include "ui/lab/league_screen.h"
#include "ui/lab/replay_list.h"

namespace velko::ui {

std::optional<NamedFileKind> namedFileKind(const QString& argument) {
  if (argument.endsWith(".velkodoll", Qt::CaseInsensitive)) return NamedFileKind::Doll;
  if (argument.endsWith(".velkoleague", Qt::CaseInsensitive)) return NamedFileKind::League;
  if (argument.endsWith(".velkoreplay", Qt::CaseInsensitive)) return NamedFileKind::Replay;
  return std::nullopt;
}

bool needsWorkshop(NamedFileKind kind) {
  return kind != NamedFileKind::Replay;
}

void openNamedFile(const QString& file, QWidget& owner, Game& game, CareerServices& services) {
  const std::optional<NamedFileKind> kind = namedFileKind(file);
  if (!kind) return;
  const std::filesystem::path path(file.toStdU16String());
  switch (*kind) {
    case NamedFileKind::Doll:
      game.ldDuelFile(path);
      return;
    case NamedFileKind::League: {
      LeagueScreen screen(game.state(), services, &owner);
      if (screen.openLeague(file)) screen.exec();
      return;
    }
    case NamedFileKind::Replay:
      (void)inspectReplayFile(path, services.folder, services.prompter, owner);
      return;
  }
}

}  // namespace velko::ui
