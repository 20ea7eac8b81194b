#include "history/history_slot.h"

#include <system_error>

#include "core/shown_text.h"
#include "data/files/file_bytes.h"
#include "history/history_file.h"

namespace velko {

std::filesystem::path historyFilePath(const GameFolder& folder, int16_t n) {
  return folder.path("\\save\\Historysv" + std::to_string(n) + ".history");
}

PendingFile historyPendingFile(const GameFolder& folder, int16_t n, const CareerHistory& history) {
  return {historyFilePath(folder, n), writeHistory(history)};
}

CareerHistory loadSlotHistory(const GameFolder& folder, int16_t n, const GameDate& date,
                              Prompter& prompter) {
  const std::filesystem::path path = historyFilePath(folder, n);
  std::error_code absent;
  if (!std::filesystem::exists(path, absent)) return startHistory(date);
  const std::string name = path.filename().string();
  const std::string restart = shown("戦績はこの月から記録し直します");
  // A file far too large is refused by its size before it is read.
  const auto size = std::filesystem::file_size(path, absent);
  std::string bytes;
  if (!absent && size > kHistoryMaxBytes) bytes.assign(kHistoryMaxBytes + 1, '\n');
  if (bytes.empty() && !readBytes(path, bytes)) {
    prompter.msgBox(fill(shown("%1を読めません"), {name}) + "\n" + restart);
    return startHistory(date);
  }
  HistoryRead read = readHistory(bytes, name);
  if (read.accepted() && read.history.months.back().month != careerMonth(date)) {
    read.error = fill(shown("%1の最後の月がセーブデータの日付と合いません"), {name});
  }
  if (!read.accepted()) {
    prompter.msgBox(read.error + "\n" + restart);
    return startHistory(date);
  }
  return read.history;
}

}  // namespace velko
