#include "battle/auto_give_up.h"

#include "model/doll.h"

namespace velko {

namespace {

// Whole numbers only: a part at exactly its share is still above the line.
bool below(int hp, int maxHp, int percent) {
  if (maxHp <= 0) return false;
  return hp * 100 < maxHp * percent;
}

}  // namespace

bool autoGiveUpDue(const doll& d, AutoGiveUp line) {
  const int percent = static_cast<int>(line);
  if (percent == 0) return false;
  if (d.Motor && below(d.Motor->HP, d.Motor->maxHP, percent)) return true;
  if (d.frame && below(d.frame->HP, d.frame->maxHP, percent)) return true;
  return false;
}

std::string_view autoGiveUpWord(AutoGiveUp line) {
  switch (line) {
    case AutoGiveUp::Below25:
      return "25";
    case AutoGiveUp::Below40:
      return "40";
    case AutoGiveUp::Below60:
      return "60";
    case AutoGiveUp::Off:
      break;
  }
  return "off";
}

std::optional<AutoGiveUp> autoGiveUpFromWord(std::string_view word) {
  for (AutoGiveUp line :
       {AutoGiveUp::Off, AutoGiveUp::Below25, AutoGiveUp::Below40, AutoGiveUp::Below60}) {
    if (autoGiveUpWord(line) == word) return line;
  }
  return std::nullopt;
}

}  // namespace velko
