#pragma once
// Texts the player reads, in the player's language. The rules keep their Japanese texts and
// mark them with QT_TRANSLATE_NOOP so the translation tools find them without Qt; a screen
// that plays in another language installs its translation here once, at the start.
// Messages joined from pieces are templates ("%1の攻撃") so another language can order them.

#include <initializer_list>
#include <string>
#include <string_view>

#ifndef QT_TRID_NOOP
#define QT_TRID_NOOP(id) id  // spelled as Qt spells it, so either may come first
#endif

namespace velko {

using TextTranslation = std::string (*)(const char* source);

// Installed before the first text is shown; nullptr keeps the Japanese texts.
void setTextTranslation(TextTranslation translation);

// A marked text in the player's language.
std::string shown(const char* source);
// The same, added to the end of `out` (the narration's way: no text of its own to throw away).
void appendShown(std::string& out, const char* source);

// The template with %1, %2, ... replaced by the arguments, in one pass (an argument holding
// "%2" stays as it is).
std::string fill(const std::string& pattern, std::initializer_list<std::string> arguments);
// The same, added to the end of `out`.
void appendFilled(std::string& out, std::string_view pattern,
                  std::initializer_list<std::string_view> arguments);

}  // namespace velko
