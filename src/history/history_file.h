#pragma once
// The history file of a save slot (save/Historysv<n>.history, docs/history-file-format.md):
// versioned UTF-8 text with a checksum, one block per month. The reader takes its bytes as
// untrusted and refuses anything damaged with the file's name and the line.

#include <string>
#include <string_view>

#include "history/career_history.h"

namespace velko {

inline constexpr const char* kHistoryMagic = "VELKO-HISTORY";
inline constexpr int kHistoryVersion = 1;
inline constexpr size_t kHistoryMaxBytes = 4 * 1024 * 1024;

std::string writeHistory(const CareerHistory& history);

struct HistoryRead {
  CareerHistory history;
  std::string error;  // "<file>が壊れています（<line>行目: <reason>）"; empty when accepted
  bool accepted() const { return error.empty(); }
};

// Never throws; `fileName` is what a refusal names.
HistoryRead readHistory(std::string_view bytes, const std::string& fileName);

}  // namespace velko
