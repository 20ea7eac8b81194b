#include "data/save/slot_file_values.h"
#include "core/shown_text.h"

namespace velko {

std::string joinValues(std::initializer_list<int> values) {
  std::string line;
  for (int v : values) {
    if (!line.empty()) line += ',';
    line += std::to_string(v);
  }
  return line;
}

const std::string& lineAt(const TextFile& file, size_t index) {
  if (index >= file.lines.size()) {
    throw DataFileError(DataFileError::Kind::Malformed, file.name, index + 1,
                        shown("レコードの途中でファイルが終わっています"));
  }
  return file.lines[index];
}

const std::string& nameLineAt(const TextFile& file, size_t index) {
  const std::string& line = lineAt(file, index);
  if (!line.empty() && line[0] == '.') {
    throw DataFileError(DataFileError::Kind::Malformed, file.name, index + 1,
                        shown("名前の行が「.」で始まっています"));
  }
  return line;
}

}  // namespace velko
