#pragma once
// The language of the words painted into a picture (a banner, a sign on a wall): the game's
// own pictures carry Japanese, and the English game opens copies lettered in English.

namespace velko::art {

enum class Lettering { Japanese, English };

// The Japanese or the English wording.
inline const char* lettered(Lettering lettering, const char* japanese, const char* english) {
  return lettering == Lettering::English ? english : japanese;
}

}  // namespace velko::art
