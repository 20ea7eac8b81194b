#include "sim/text_width.h"

namespace velko::sim {

namespace {

// Bytes of the UTF-8 character that starts with this byte.
int sequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xf0) return 4;
  if (lead >= 0xe0) return 3;
  return 2;
}

}  // namespace

int displayWidth(const std::string& utf8) {
  int width = 0;
  for (size_t at = 0; at < utf8.size();) {
    const int length = sequenceLength(static_cast<unsigned char>(utf8[at]));
    width += length == 1 ? 1 : 2;
    at += length;
  }
  return width;
}

std::string fitColumns(const std::string& utf8, int width) {
  std::string out;
  int used = 0;
  for (size_t at = 0; at < utf8.size();) {
    const int length = sequenceLength(static_cast<unsigned char>(utf8[at]));
    const int columns = length == 1 ? 1 : 2;
    if (used + columns > width) break;
    out.append(utf8, at, length);
    used += columns;
    at += length;
  }
  out.append(width - used, ' ');
  return out;
}

}  // namespace velko::sim
