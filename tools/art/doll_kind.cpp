#include "art/doll_kind.h"

#include <stdexcept>

#include "art/slender_parts.h"
#include "art/warrior_parts.h"

namespace velko::art {

const std::vector<DollKind>& dollKinds() {
  static const WarriorParts warrior;
  static const SlenderParts slender;
  static const std::vector<DollKind> kinds{
      {"01",
       &warrior,
       {QColor(168, 34, 40), QColor(78, 80, 94), QColor(222, 176, 70), QColor(98, 102, 116),
        QColor(62, 64, 76), QColor(110, 255, 170)}},
      {"0201",
       &slender,
       {QColor(228, 232, 240), QColor(46, 122, 222), QColor(240, 196, 90), QColor(100, 106, 124),
        QColor(72, 78, 98), QColor(90, 226, 255)}},
      {"0202",
       &slender,
       {QColor(46, 46, 58), QColor(196, 34, 78), QColor(186, 188, 204), QColor(78, 80, 94),
        QColor(54, 54, 66), QColor(255, 70, 96)}},
  };
  return kinds;
}

const DollKind& dollKind(const std::string& code) {
  for (const DollKind& k : dollKinds()) {
    if (k.code == code) return k;
  }
  throw std::invalid_argument("no Doll picture " + code);
}

}  // namespace velko::art
