#pragma once
// How long a pilot's or a Doll's name may be. Twelve characters fit every place a name is
// shown (the battle header, the bracket, the pattern dialog, the workshop) at the game's font,
// and at most 24 bytes in the Shift_JIS save files. Lengths count characters, not bytes.

#include <string>

namespace velko {

inline constexpr int kNameMaxChars = 12;

// The number of characters of a UTF-8 text.
int nameLength(const std::string& utf8);
bool nameFits(const std::string& utf8);

// The refusal shown when a typed name is longer.
std::string nameTooLongText();

}  // namespace velko
