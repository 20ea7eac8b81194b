#pragma once
// The picture of a whole Doll, chosen by its frame and its colour: the workshop shows it, the
// championship notice shows it beside the text.

#include <string>

#include "model/doll.h"

namespace velko {

// "img/VELKO01S.jpg" ..., or "" for a frame without a picture.
std::string dollPicture(const doll& d);

}  // namespace velko
