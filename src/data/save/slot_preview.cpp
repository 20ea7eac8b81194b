#include "data/save/slot_preview.h"

#include "data/files/data_file_error.h"
#include "data/files/text_file.h"
#include "data/files/value_stream.h"
#include "data/save/save_name_line.h"
#include "data/save/slot_number.h"

namespace velko {

namespace {

// Level, experience and money: a line that does not read leaves the money out and the rest of
// the preview as it is, for the load to judge.
std::optional<int16_t> moneyOf(const TextFile& player) {
  try {
    ValueStream in(player, 2);
    (void)in.nextInt();
    (void)in.nextInt();
    return in.nextInt();
  } catch (const DataFileError&) {
    return std::nullopt;
  }
}

}  // namespace

std::optional<SlotPreview> Rinload_rtn(const GameFolder& folder, int16_t n, Prompter& prompter) {
  if (!settleSaveFolder(folder, prompter)) return std::nullopt;
  try {
    const TextFile player = readTextFile(playerFilePath(folder, n), "Playersv");
    const TextFile dollFile = readTextFile(dollFilePath(folder, n), "PlayDollsv");
    if (player.lines.size() < 2 || dollFile.lines.empty()) return std::nullopt;
    // The first line as the file has it: the preview shows what is there, and the load, which
    // reads the date, decides whether the slot can be played.
    return SlotPreview{player.lines[0], decodeNameLine(player.lines[1]),
                       decodeNameLine(dollFile.lines[0]), moneyOf(player)};
  } catch (const DataFileError&) {
    return std::nullopt;
  }
}

}  // namespace velko
