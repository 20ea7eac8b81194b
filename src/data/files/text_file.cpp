#include "data/files/text_file.h"
#include "core/shown_text.h"

#include <fstream>
#include <iterator>

#include "core/text_cp932.h"
#include "data/files/data_file_error.h"

namespace velko {

std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    size_t stop = end;
    if (stop > start && text[stop - 1] == '\r') --stop;
    lines.push_back(text.substr(start, stop - start));
    start = end + 1;
  }
  return lines;
}

TextFile readTextFile(const std::filesystem::path& path, const std::string& displayName) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) {
    throw DataFileError(DataFileError::Kind::Missing, displayName, 0,
                        shown("ファイルが見つかりません"));
  }
  std::ifstream in(path, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad() || !in.is_open()) {
    throw DataFileError(DataFileError::Kind::Unreadable, displayName, 0,
                        shown("ファイルを読めません"));
  }

  // Line ends are plain ASCII bytes in CP932 (no trail byte is CR or LF), so the bytes can be
  // split first and each line decoded, which tells the line of a bad byte.
  TextFile file{displayName, {}};
  const std::vector<std::string> raw = splitLines(bytes);
  file.lines.reserve(raw.size());
  for (size_t i = 0; i < raw.size(); ++i) {
    try {
      file.lines.push_back(cp932ToUtf8(raw[i]));
    } catch (const EncodingError& e) {
      throw DataFileError(DataFileError::Kind::Unreadable, displayName, i + 1,
                          fill(shown("Shift_JIS (CP932) ではないバイトがあります（%1バイト目）"),
                               {std::to_string(e.offset() + 1)}));
    }
  }
  return file;
}

}  // namespace velko
