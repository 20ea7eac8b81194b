#pragma once
// A strict line reader for the league file: the bytes must be UTF-8 (no overlong forms, no
// surrogates), each line ended by a single line feed, with no control characters; numbers
// are spelled as the game writes them (no leading zeros, no plus sign, no "-0"). A fault is
// thrown as a LineFault carrying the line's number.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace velko {

class LineFault : public std::runtime_error {
 public:
  LineFault(size_t line, const std::string& reason) : std::runtime_error(reason), line_(line) {}
  size_t line() const { return line_; }  // 1-based

 private:
  size_t line_;
};

// The lines of `bytes`, without their line feeds. Throws LineFault.
std::vector<std::string_view> strictLines(std::string_view bytes);

// A line's fields, split at single blanks; `line` numbers the faults.
std::vector<std::string_view> fields(std::string_view text, size_t line);

// A decimal integer within lowest..highest, spelled as written by std::to_string.
int64_t strictNumber(std::string_view field, int64_t lowest, int64_t highest, size_t line);
uint64_t strictUnsigned(std::string_view field, size_t line);

}  // namespace velko
