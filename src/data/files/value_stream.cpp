#include "data/files/value_stream.h"
#include "core/shown_text.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

#include "core/numbers.h"
#include "data/files/data_file_error.h"

namespace velko {

namespace {

bool isBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string trimBlanks(const std::string& s) {
  size_t begin = 0;
  size_t end = s.size();
  while (begin < end && isBlank(s[begin]))
    ++begin;
  while (end > begin && isBlank(s[end - 1]))
    --end;
  return s.substr(begin, end - begin);
}

}  // namespace

std::vector<std::string> splitValues(const std::string& line) {
  std::vector<std::string> values;
  size_t i = 0;
  while (true) {
    while (i < line.size() && isBlank(line[i]))
      ++i;
    std::string value;
    if (i < line.size() && line[i] == '"') {
      const size_t close = line.find('"', i + 1);
      const size_t stop = close == std::string::npos ? line.size() : close;
      value = line.substr(i + 1, stop - i - 1);
      // Anything between the closing quote and the next comma is not part of the value.
      i = line.find(',', stop);
    } else {
      const size_t comma = line.find(',', i);
      value =
          trimBlanks(line.substr(i, comma == std::string::npos ? std::string::npos : comma - i));
      i = comma;
    }
    values.push_back(value);
    if (i == std::string::npos || i >= line.size()) break;
    ++i;  // past the comma
  }
  return values;
}

double leadingNumber(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && isBlank(text[i]))
    ++i;
  std::string number;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) number += text[i++];
  bool point = false;
  while (i < text.size()) {
    const char c = text[i++];
    if (std::isdigit(static_cast<unsigned char>(c))) {
      number += c;
    } else if (c == '.' && !point) {
      point = true;
      number += c;
    } else {
      break;
    }
  }
  return std::strtod(number.c_str(), nullptr);
}

ValueStream::ValueStream(const TextFile& file, size_t firstLine) : file_(file), line_(firstLine) {}

std::string ValueStream::nextValue() {
  if (pos_ >= values_.size()) {
    if (line_ >= file_.lines.size()) {
      valueLine_ = file_.lines.empty() ? 0 : file_.lines.size() - 1;
      fail(shown("レコードの途中でファイルが終わっています"));
    }
    const std::string& line = file_.lines[line_];
    valueLine_ = line_;
    ++line_;
    // A line starting with a full stop is a record header; as data it would be misread.
    if (!line.empty() && line[0] == '.') fail(shown("データの行が「.」で始まっています"));
    values_ = splitValues(line);
    pos_ = 0;
  }
  return values_[pos_++];
}

std::string ValueStream::nextText() {
  return nextValue();
}

double ValueStream::parseNumber(const std::string& text) const {
  if (text.empty()) return 0;
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  const bool plainDecimal = text.find_first_of("xXnN") == std::string::npos;
  if (end == text.c_str() || *end != '\0' || !plainDecimal || !std::isfinite(value)) {
    fail(fill(shown("数値ではありません（%1）"), {text}));
  }
  return value;
}

double ValueStream::nextReal() {
  return parseNumber(nextValue());
}

int16_t ValueStream::nextInt() {
  const std::string text = nextValue();
  const double value = parseNumber(text);
  if (!fitsInt16(value))
    fail(fill(shown("16ビットの範囲（-32768～32767）を超える数値です（%1）"), {text}));
  return toInt16(value);
}

void ValueStream::fail(const std::string& reason) const {
  throw DataFileError(DataFileError::Kind::Malformed, file_.name, valueLine_ + 1, reason);
}

}  // namespace velko
