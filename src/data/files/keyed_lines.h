#pragma once
// The reader of the game's own keyed text files (replays, Doll files, league files): the bytes
// are checked once as strict UTF-8, then read line by line, each line a key and blank-separated
// fields, numbers only as the game writes them. Any fault throws a KeyedLinesError whose
// message names the file and the line.

#include <cstdint>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace velko {

class KeyedLinesError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// UTF-8 as the standard has it: no overlong forms, no surrogates, nothing above U+10FFFF.
bool strictUtf8(std::string_view bytes);
// Where the first byte that breaks it stands, or npos.
size_t firstNonUtf8(std::string_view bytes);

// What a file kind allows beyond plain LF-ended lines of printable text.
struct KeyedFormat {
  std::string file;                // names the file in messages: "リプレイファイル", ...
  bool crBeforeLf = false;         // a CR just before each LF is taken as part of the end
  bool controlCharacters = false;  // tabs and other control bytes inside a line
  bool lastLineFeed = false;       // the last line too must end with a LF
  // Lines of an enclosing file before these bytes: messages count from the file's first line.
  size_t linesBefore = 0;
};

class KeyedLines {
 public:
  // Throws when the bytes are not strict UTF-8 or hold a byte the format refuses.
  KeyedLines(std::string_view bytes, KeyedFormat format);

  [[noreturn]] void fail(const std::string& what) const;

  size_t size() const { return lines_.size(); }
  bool atEnd() const { return pos_ >= lines_.size(); }
  // The number (from 1) of the line read last.
  size_t lineNumber() const { return pos_; }

  std::string_view next();
  // Whether a next line is there and starts with `key` and a blank; reads nothing.
  bool nextIs(std::string_view key) const;
  // Every byte before the next line: what a checksum on that line covers.
  std::string_view before() const;
  // The next line, which must be `key`, a blank and the rest; returns the rest.
  std::string_view keyed(std::string_view key);
  // The next line, which must be exactly `whole`.
  void expect(std::string_view whole);

 private:
  [[noreturn]] void failAt(size_t line, const std::string& what) const;

  std::string_view bytes_;
  KeyedFormat format_;
  std::vector<std::string_view> lines_;
  size_t pos_ = 0;
};

// Each number after a blank, as KeyedFields reads them back: " 1 -2 3".
std::string numberFields(const std::vector<long>& numbers);

// Blank-separated fields of one line; the last may be taken as the rest of the line. A blank
// always has a field after it, if only an empty name: "1 " is not "1".
class KeyedFields {
 public:
  KeyedFields(std::string_view text, const KeyedLines& lines) : text_(text), lines_(lines) {}

  std::string_view word();
  // An integer in [low, high], spelt as the game writes it ("7", not "07", "+7" or "-0").
  template <typename Int>
  Int integer(long low, long high) {
    return static_cast<Int>(checkedInteger(low, high));
  }
  int16_t i16();
  uint64_t u64();
  void i16s(std::initializer_list<int16_t*> fields);
  // A finite real in its shortest exact spelling.
  double number();
  // The rest of the line after one blank, possibly empty.
  std::string rest();
  bool atEnd() const { return !more_; }
  // No field may follow.
  void finish();

 private:
  long checkedInteger(long low, long high);

  std::string_view text_;
  bool more_ = true;
  const KeyedLines& lines_;
};

}  // namespace velko
