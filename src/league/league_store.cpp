#include "league/league_store.h"

#include "core/shown_text.h"

#include <system_error>

#include "data/files/file_bytes.h"
#include "data/save/save_commit.h"

namespace velko {

namespace {

std::string shownName(const std::filesystem::path& path) {
  return path.filename().string();
}

}  // namespace

LeagueRead openLeagueFile(const std::filesystem::path& path) {
  std::error_code error;
  const auto size = std::filesystem::file_size(path, error);
  // A file past the limit is refused before it is read into memory.
  if (!error && size > kLeagueMaxBytes) return {{}, leagueTooLarge(shownName(path))};
  std::string bytes;
  if (error || !readBytes(path, bytes))
    return {{}, fill(shown("%1: ファイルが読めません"), {shownName(path)})};
  return readLeague(bytes, shownName(path));
}

std::string saveLeagueFile(const std::filesystem::path& path, const League& league) {
  std::error_code error;
  if (std::filesystem::exists(path, error) && !openLeagueFile(path).accepted())
    return fill(shown("%1 はリーグファイルではないので上書きしません"), {shownName(path)});
  // A league past the file's limits (entrants, lines of an entrant) would be saved but never
  // open again: it is refused before anything is written.
  const std::string bytes = writeLeague(league);
  const LeagueRead again = readLeague(bytes, shownName(path));
  if (!again.accepted())
    return fill(shown("このリーグはリーグファイルに収まりません\n%1"), {again.error});
  if (!commitFiles({PendingFile{path, bytes}}))
    return fill(shown("%1 に書き込めませんでした"), {shownName(path)});
  return {};
}

}  // namespace velko
