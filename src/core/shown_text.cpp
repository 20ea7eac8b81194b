#include "core/shown_text.h"

#include <vector>

namespace velko {

namespace {

TextTranslation gTranslation = nullptr;

}  // namespace

void setTextTranslation(TextTranslation translation) {
  gTranslation = translation;
}

std::string shown(const char* source) {
  if (!gTranslation) return source;
  return gTranslation(source);
}

std::string fill(const std::string& pattern, std::initializer_list<std::string> arguments) {
  const std::vector<std::string> values(arguments);
  std::string out;
  out.reserve(pattern.size());
  for (size_t i = 0; i < pattern.size(); ++i) {
    const bool marker = pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' &&
                        pattern[i + 1] <= '9';
    const size_t index = marker ? static_cast<size_t>(pattern[i + 1] - '1') : values.size();
    if (index >= values.size()) {
      out += pattern[i];
      continue;
    }
    out += values[index];
    ++i;
  }
  return out;
}

}  // namespace velko
