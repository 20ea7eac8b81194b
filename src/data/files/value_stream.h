#pragma once
// The delimited values of the game's text files: a value ends at a comma or at the end of a
// line, blanks around it are skipped, and a value in double quotes may hold commas.

#include <cstdint>
#include <string>
#include <vector>

#include "data/files/text_file.h"

namespace velko {

// Splits one line into its values ("a, \"b,c\" ,3" -> a | b,c | 3); an empty line is one
// empty value.
std::vector<std::string> splitValues(const std::string& line);

// Reads values across lines, starting at a given line.
class ValueStream {
 public:
  ValueStream(const TextFile& file, size_t firstLine);

  std::string nextText();
  // Rounded half to even into 16 bits; an empty value is 0. Out of range or not a number is
  // a DataFileError at the value's line.
  int16_t nextInt();
  double nextReal();

  // The line after the last one a value was taken from.
  size_t nextLine() const { return line_; }

 private:
  std::string nextValue();
  double parseNumber(const std::string& text) const;
  [[noreturn]] void fail(const std::string& reason) const;

  const TextFile& file_;
  size_t line_;
  std::vector<std::string> values_;
  size_t pos_ = 0;
  size_t valueLine_ = 0;
};

// Val: the number at the start of text (blanks skipped, stops at the first character that is
// not part of a number); 0 when there is none.
double leadingNumber(const std::string& text);

}  // namespace velko
