#include "data/files/data_file_error.h"
#include "core/shown_text.h"

namespace velko {

namespace {

std::string describe(const std::string& file, size_t line, const std::string& reason) {
  if (line == 0) return file + ": " + reason;
  return fill(shown("%1 %2行目: %3"), {file, std::to_string(line), reason});
}

}  // namespace

DataFileError::DataFileError(Kind kind, std::string file, size_t line, std::string reason)
    : std::runtime_error(describe(file, line, reason)),
      kind_(kind),
      file_(std::move(file)),
      line_(line),
      reason_(std::move(reason)) {}

}  // namespace velko
