#include "data/save/slot_logic_file.h"
#include "core/shown_text.h"

#include "data/catalogue/catalogue_fields.h"
#include "data/files/data_file_error.h"
#include "data/files/value_stream.h"
#include "data/save/save_name_line.h"
#include "data/save/slot_file_values.h"

namespace velko {

namespace {

constexpr size_t kMostRecords = 8;

bool isBlankLine(const std::string& line) {
  return line.find_first_not_of(" \t") == std::string::npos;
}

}  // namespace

std::vector<std::string> logicFileLines(const std::vector<LogicFileRecord>& records) {
  std::vector<std::string> lines;
  for (const LogicFileRecord& r : records) {
    lines.push_back(". " + std::to_string(r.ID));
    lines.push_back(encodeNameLine(r.name));
    lines.push_back(std::to_string(r.AP) + "," + std::to_string(r.Memory));
    lines.push_back(joinIds(r.actions));
  }
  return lines;
}

std::vector<LogicFileRecord> parseLogicFile(const TextFile& file) {
  std::vector<LogicFileRecord> records;
  size_t next = 0;
  while (records.size() < kMostRecords) {
    while (next < file.lines.size() && isBlankLine(file.lines[next]))
      ++next;
    if (next >= file.lines.size()) break;
    const std::string& header = file.lines[next];
    if (!isHeader(header)) {
      throw DataFileError(DataFileError::Kind::Malformed, file.name, next + 1,
                          shown("プログラムの見出し（「.」で始まる行）がありません"));
    }
    LogicFileRecord r;
    r.ID = static_cast<int16_t>(headerId(header));
    // The records keep their places, so the line after a header is the name whatever it
    // begins with (a name may begin with a full stop).
    r.name = decodeNameLine(lineAt(file, next + 1));
    ValueStream in(file, next + 2);
    r.AP = in.nextInt();
    r.Memory = in.nextInt();
    readIds(in, r.actions);
    next = in.nextLine();
    records.push_back(r);
  }
  return records;
}

}  // namespace velko
