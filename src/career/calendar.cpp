#include "career/calendar.h"

#include "core/numbers.h"

namespace velko {

GameDate careerStart() {
  return GameDate::fromYMD(2013, 1, 1);
}

GameDate careerEnd() {
  return careerStart().addMonths(24);
}

void monthStep(GameDate& date) {
  date = date.addMonths(1);
}

bool careerIsOver(const GameDate& date) {
  return date >= careerEnd();
}

std::string recordText(const Owner& player) {
  return Str(player.recWin) + "勝" + Str(player.recLoose) + "敗\n優勝" + Str(player.recChamp) +
         "回\n";
}

std::string endingText(const Owner& player) {
  return "最終成績\n" + recordText(player);
}

}  // namespace velko
