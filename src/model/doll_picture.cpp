#include "model/doll_picture.h"

namespace velko {

std::string dollPicture(const doll& d) {
  if (d.frame->image == "01") return "img/VELKO01S.jpg";
  if (d.frame->image == "02") return d.isBlack() ? "img/VELKO0202S.jpg" : "img/VELKO0201S.jpg";
  return "";
}

}  // namespace velko
