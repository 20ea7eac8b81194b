#include "data/files/keyed_lines.h"
#include "core/shown_text.h"

#include "core/numbers.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <system_error>
#include <utility>

namespace velko {

namespace {

// The length of the sequence a lead byte starts, and the bits it carries; 0 for a byte that
// cannot lead.
int sequenceLength(unsigned char lead, uint32_t& code) {
  if ((lead & 0xe0) == 0xc0) {
    code = lead & 0x1f;
    return 2;
  }
  if ((lead & 0xf0) == 0xe0) {
    code = lead & 0x0f;
    return 3;
  }
  if ((lead & 0xf8) == 0xf0) {
    code = lead & 0x07;
    return 4;
  }
  return 0;
}

bool controlByte(unsigned char c) {
  return c < 0x20 || c == 0x7f;
}

bool hasKey(std::string_view line, std::string_view key) {
  return line.size() > key.size() && line.substr(0, key.size()) == key && line[key.size()] == ' ';
}

// The number (from 1) of the line the byte at `at` stands on.
size_t lineOf(std::string_view bytes, size_t at) {
  return static_cast<size_t>(std::count(bytes.begin(), bytes.begin() + at, '\n')) + 1;
}

// Whether `w` is exactly how the game writes `value`, read into it: an accepted file is exactly
// what the game writes again.
template <typename Int>
bool spelledAsWritten(std::string_view w, Int& value) {
  const auto result = std::from_chars(w.data(), w.data() + w.size(), value);
  return result.ec == std::errc() && result.ptr == w.data() + w.size() &&
         w == std::to_string(value);
}

}  // namespace

size_t firstNonUtf8(std::string_view bytes) {
  size_t i = 0;
  while (i < bytes.size()) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    if (lead < 0x80) {
      ++i;
      continue;
    }
    uint32_t code = 0;
    const int length = sequenceLength(lead, code);
    if (length == 0 || i + length > bytes.size()) return i;
    for (int k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(bytes[i + k]);
      if ((next & 0xc0) != 0x80) return i;
      code = (code << 6) | (next & 0x3f);
    }
    constexpr std::array<uint32_t, 5> kLeast = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kLeast[length] || code > 0x10ffff || (code >= 0xd800 && code <= 0xdfff)) return i;
    i += length;
  }
  return std::string_view::npos;
}

bool strictUtf8(std::string_view bytes) {
  return firstNonUtf8(bytes) == std::string_view::npos;
}

KeyedLines::KeyedLines(std::string_view bytes, KeyedFormat format)
    : bytes_(bytes), format_(std::move(format)) {
  const size_t broken = firstNonUtf8(bytes);
  if (broken != std::string_view::npos)
    failAt(lineOf(bytes, broken), shown("UTF-8の文字でないバイトがあります"));
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find('\n', start);
    if (end == std::string_view::npos) end = bytes.size();
    std::string_view line = bytes.substr(start, end - start);
    if (format_.crBeforeLf && !line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines_.push_back(line);
    start = end + 1;
  }
  if (format_.lastLineFeed && !bytes.empty() && bytes.back() != '\n')
    failAt(lines_.size(), shown("最後の行が改行で終わっていません"));
}

void KeyedLines::fail(const std::string& what) const {
  failAt(pos_, what);
}

void KeyedLines::failAt(size_t line, const std::string& what) const {
  throw KeyedLinesError(
      fill(shown("%1が壊れています（%2行目: %3）"),
           {shown(format_.file.c_str()), std::to_string(line + format_.linesBefore), what}));
}

std::string_view KeyedLines::next() {
  if (atEnd()) {
    ++pos_;
    fail(shown("ファイルが途中で終わっています"));
  }
  const std::string_view line = lines_[pos_++];
  for (char c : line) {
    const auto byte = static_cast<unsigned char>(c);
    // A CR inside a line would be written again as something else.
    if (c == '\r') fail(shown("行の途中に改行文字があります"));
    if (controlByte(byte) && !format_.controlCharacters) fail(shown("制御文字があります"));
  }
  return line;
}

bool KeyedLines::nextIs(std::string_view key) const {
  if (atEnd()) return false;
  return hasKey(lines_[pos_], key);
}

std::string_view KeyedLines::before() const {
  if (atEnd()) return bytes_;
  return bytes_.substr(0, static_cast<size_t>(lines_[pos_].data() - bytes_.data()));
}

std::string_view KeyedLines::keyed(std::string_view key) {
  const std::string_view line = next();
  if (!hasKey(line, key)) fail(fill(shown("「%1」の行がありません"), {std::string(key)}));
  return line.substr(key.size() + 1);
}

void KeyedLines::expect(std::string_view whole) {
  if (next() != whole) fail(fill(shown("「%1」の行がありません"), {std::string(whole)}));
}

std::string numberFields(const std::vector<long>& numbers) {
  std::string text;
  for (long n : numbers)
    text += " " + std::to_string(n);
  return text;
}

std::string_view KeyedFields::word() {
  if (!more_) lines_.fail(shown("値が足りません"));
  const size_t end = text_.find(' ');
  const std::string_view w = text_.substr(0, end);
  more_ = end != std::string_view::npos;
  text_ = more_ ? text_.substr(end + 1) : std::string_view();
  if (w.empty()) lines_.fail(shown("値が足りません"));
  return w;
}

long KeyedFields::checkedInteger(long low, long high) {
  const std::string_view w = word();
  long v = 0;
  if (!spelledAsWritten(w, v) || v < low || v > high)
    lines_.fail(fill(shown("「%1」は範囲内の整数ではありません"), {std::string(w)}));
  return v;
}

uint64_t KeyedFields::u64() {
  const std::string_view w = word();
  uint64_t v = 0;
  if (!spelledAsWritten(w, v))
    lines_.fail(fill(shown("「%1」は範囲内の整数ではありません"), {std::string(w)}));
  return v;
}

int16_t KeyedFields::i16() {
  return integer<int16_t>(-32768, 32767);
}

void KeyedFields::i16s(std::initializer_list<int16_t*> fields) {
  for (int16_t* field : fields)
    *field = i16();
}

double KeyedFields::number() {
  const std::string_view w = word();
  double v = 0;
  const auto result = std::from_chars(w.data(), w.data() + w.size(), v);
  if (result.ec != std::errc() || result.ptr != w.data() + w.size() || !std::isfinite(v) ||
      w != shortestReal(v))
    lines_.fail(fill(shown("「%1」は数ではありません"), {std::string(w)}));
  return v;
}

std::string KeyedFields::rest() {
  if (!more_) lines_.fail(shown("名前がありません"));
  more_ = false;
  const std::string r(text_);
  text_ = {};
  return r;
}

void KeyedFields::finish() {
  if (more_) lines_.fail(shown("余分な値があります"));
}

}  // namespace velko
