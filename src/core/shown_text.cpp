#include "core/shown_text.h"

#include <span>
#include <vector>

namespace velko {

namespace {

TextTranslation gTranslation = nullptr;

// Every %1..%9 whose argument exists is replaced; anything else is copied as it is.
// The text between markers goes over in one piece: the narration fills a template at nearly
// every line.
template <class Text>
void appendFilledFrom(std::string& out, std::string_view pattern, std::span<const Text> values) {
  size_t copied = 0;
  for (size_t i = pattern.find('%'); i != std::string_view::npos; i = pattern.find('%', i + 1)) {
    if (i + 1 >= pattern.size() || pattern[i + 1] < '1' || pattern[i + 1] > '9') continue;
    const size_t index = static_cast<size_t>(pattern[i + 1] - '1');
    if (index >= values.size()) continue;
    out.append(pattern, copied, i - copied);
    out += values[index];
    copied = i + 2;
    ++i;
  }
  out.append(pattern, copied);
}

}  // namespace

void setTextTranslation(TextTranslation translation) {
  gTranslation = translation;
}

std::string shown(const char* source) {
  if (!gTranslation) return source;
  return gTranslation(source);
}

void appendShown(std::string& out, const char* source) {
  if (!gTranslation) {
    out += source;
    return;
  }
  out += gTranslation(source);
}

std::string fill(const std::string& pattern, std::initializer_list<std::string> arguments) {
  std::string out;
  out.reserve(pattern.size());
  appendFilledFrom(out, pattern, std::span<const std::string>(arguments.begin(), arguments.size()));
  return out;
}

void appendFilled(std::string& out, std::string_view pattern,
                  std::initializer_list<std::string_view> arguments) {
  appendFilledFrom(out, pattern,
                   std::span<const std::string_view>(arguments.begin(), arguments.size()));
}

}  // namespace velko
