#include "model/name_limit.h"
#include "core/shown_text.h"

namespace velko {

int nameLength(const std::string& utf8) {
  int count = 0;
  for (const char c : utf8) {
    // Continuation bytes (10xxxxxx) belong to the character before them.
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
  }
  return count;
}

bool nameFits(const std::string& utf8) {
  return nameLength(utf8) <= kNameMaxChars;
}

std::string nameTooLongText() {
  return fill(shown("名前は%1文字までです"), {std::to_string(kNameMaxChars)});
}

}  // namespace velko
