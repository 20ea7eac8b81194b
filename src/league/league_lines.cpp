#include "league/league_lines.h"

#include <charconv>

namespace velko {

namespace {

// The length of the UTF-8 sequence at `at`, or 0 when it is not a valid one.
size_t sequenceLength(std::string_view s, size_t at) {
  const auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char lead = byte(at);
  if (lead < 0x80) return 1;
  size_t n = 0;
  uint32_t cp = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    n = 2;
    cp = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    n = 3;
    cp = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    n = 4;
    cp = lead & 0x07;
  } else {
    return 0;
  }
  if (at + n > s.size()) return 0;
  for (size_t k = 1; k < n; ++k) {
    if ((byte(at + k) & 0xC0) != 0x80) return 0;
    cp = cp << 6 | (byte(at + k) & 0x3F);
  }
  const uint32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
  if (cp < least[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return n;
}

void checkLine(std::string_view text, size_t line) {
  for (size_t at = 0; at < text.size();) {
    const unsigned char c = static_cast<unsigned char>(text[at]);
    if (c < 0x20 || c == 0x7F) throw LineFault(line, "制御文字があります");
    const size_t n = sequenceLength(text, at);
    if (n == 0) throw LineFault(line, "UTF-8ではないバイトがあります");
    at += n;
  }
}

}  // namespace

std::vector<std::string_view> strictLines(std::string_view bytes) {
  std::vector<std::string_view> lines;
  size_t from = 0;
  while (from < bytes.size()) {
    const size_t end = bytes.find('\n', from);
    if (end == std::string_view::npos)
      throw LineFault(lines.size() + 1, "行が改行で終わっていません");
    const std::string_view text = bytes.substr(from, end - from);
    checkLine(text, lines.size() + 1);
    lines.push_back(text);
    from = end + 1;
  }
  return lines;
}

std::vector<std::string_view> fields(std::string_view text, size_t line) {
  std::vector<std::string_view> out;
  size_t from = 0;
  while (true) {
    const size_t end = text.find(' ', from);
    const std::string_view f = text.substr(from, end == std::string_view::npos ? end : end - from);
    if (f.empty()) throw LineFault(line, "空白の並びが正しくありません");
    out.push_back(f);
    if (end == std::string_view::npos) return out;
    from = end + 1;
  }
}

int64_t strictNumber(std::string_view field, int64_t lowest, int64_t highest, size_t line) {
  int64_t value = 0;
  const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
  if (error != std::errc() || end != field.data() + field.size() || std::to_string(value) != field)
    throw LineFault(line, "数ではありません: " + std::string(field));
  if (value < lowest || value > highest)
    throw LineFault(line, "数が範囲外です: " + std::string(field));
  return value;
}

uint64_t strictUnsigned(std::string_view field, size_t line) {
  uint64_t value = 0;
  const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
  if (error != std::errc() || end != field.data() + field.size() || std::to_string(value) != field)
    throw LineFault(line, "数ではありません: " + std::string(field));
  return value;
}

}  // namespace velko
