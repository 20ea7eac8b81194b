#include "data/save/commit_record.h"

namespace velko {

namespace {

// A plain name inside the folder: never a path, never the folder itself or its parent.
bool isPlainName(const std::string& name) {
  if (name.empty() || name == "." || name == "..") return false;
  for (char c : name) {
    if (c == '/' || c == '\\' || c == '\0' || c == '\r') return false;
  }
  return true;
}

std::optional<CommitEntry> parseEntry(const std::string& line) {
  if (line.size() < 3 || (line[0] != '0' && line[0] != '1') || line[1] != ' ') return std::nullopt;
  CommitEntry entry{line.substr(2), line[0] == '1'};
  if (!isPlainName(entry.name)) return std::nullopt;
  return entry;
}

}  // namespace

std::string commitRecordFirstLine() {
  return "VELKO commit " + std::to_string(kCommitRecordVersion);
}

std::string commitRecordBytes(const std::vector<CommitEntry>& entries) {
  std::string bytes = std::string(commitRecordFirstLine()) + "\n";
  for (const CommitEntry& entry : entries)
    bytes += std::string(entry.hadOld ? "1 " : "0 ") + entry.name + "\n";
  return bytes;
}

std::optional<std::vector<CommitEntry>> parseCommitRecord(const std::string& bytes) {
  // Every line ends with its line feed; a record cut short has no end and is refused.
  if (bytes.empty() || bytes.back() != '\n') return std::nullopt;
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end = bytes.find('\n'); end != std::string::npos; end = bytes.find('\n', start)) {
    lines.push_back(bytes.substr(start, end - start));
    start = end + 1;
  }
  if (lines.size() < 2 || lines[0] != commitRecordFirstLine()) return std::nullopt;
  std::vector<CommitEntry> entries;
  for (size_t i = 1; i < lines.size(); ++i) {
    auto entry = parseEntry(lines[i]);
    if (!entry) return std::nullopt;
    entries.push_back(*entry);
  }
  return entries;
}

}  // namespace velko
