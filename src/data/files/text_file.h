#pragma once
// Reading one of the game's CP932 text files into UTF-8 lines. Carriage return with line
// feed and line feed alone both end a line.

#include <filesystem>
#include <string>
#include <vector>

namespace velko {

struct TextFile {
  std::string name;  // as shown in messages, e.g. "ini/Motor.ini"
  std::vector<std::string> lines;
};

// Throws DataFileError: Missing when the file is absent, Unreadable when it cannot be read or
// holds bytes that are not CP932 (with the line).
TextFile readTextFile(const std::filesystem::path& path, const std::string& displayName);

// Splits text into lines at LF, dropping a CR before it; a last line without an end counts.
std::vector<std::string> splitLines(const std::string& text);

}  // namespace velko
