#include "career/doll_exchange.h"

#include <system_error>

#include "core/shown_text.h"
#include "data/files/file_bytes.h"
#include "data/save/save_commit.h"
#include "data/share/doll_share.h"

namespace velko {

bool exportPlayerDoll(const GameFolder& folder, const std::filesystem::path& path,
                      const CareerState& state, Prompter& prompter) {
  const std::string text = writeDollShare(*state.Owners[0], *state.Dolls[0]);
  // What a friend could not read back is not written at all.
  const DollImport check = readDollShare(folder, text);
  if (!check.accepted()) {
    prompter.msgBox(shown("このドールは書き出せません\n") + check.error);
    return false;
  }
  // The folder is the player's: only the file and its own temporary are touched.
  if (!replaceFile(path, text)) {
    prompter.msgBox(shown("ファイルを書き出せませんでした\n") + path.string());
    return false;
  }
  prompter.msgBox(fill(shown("%1を書き出しました"), {state.Dolls[0]->name}));
  return true;
}

bool importDuelOpponent(const GameFolder& folder, const std::filesystem::path& path,
                        CareerState& state, Prompter& prompter) {
  std::error_code error;
  const auto size = std::filesystem::file_size(path, error);
  // A file past the limit is refused before it is read into memory.
  if (!error && size > kDollShareMaxBytes) {
    prompter.msgBox(shown("読み込めません\n") + dollShareTooLarge());
    return false;
  }
  std::string bytes;
  if (error || !readBytes(path, bytes)) {
    prompter.msgBox(shown("ファイルが見つかりません"));
    return false;
  }
  const DollImport read = readDollShare(folder, bytes);
  if (!read.accepted()) {
    prompter.msgBox(shown("読み込めません\n") + read.error);
    return false;
  }
  state.Owners[1] = read.pilot;
  state.Dolls[1] = read.doll;
  state.duelistState = kDuelistReady;
  prompter.msgBox(fill(shown("%1の%2を対戦相手にしました"), {read.pilot->name, read.doll->name}));
  return true;
}

}  // namespace velko
