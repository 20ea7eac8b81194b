#include "career/calendar.h"

#include "core/numbers.h"
#include "core/shown_text.h"

namespace velko {

GameDate careerStart() {
  return GameDate::fromYMD(2013, 1, 1);
}

GameDate careerEnd() {
  return careerStart().addMonths(kCareerMonths);
}

void monthStep(GameDate& date) {
  date = date.addMonths(1);
}

bool careerIsOver(const GameDate& date) {
  return date >= careerEnd();
}

std::string recordText(const Owner& player) {
  return fill(shown("%1勝%2敗\n優勝%3回\n"),
              {Str(player.recWin), Str(player.recLoose), Str(player.recChamp)});
}

std::string endingText(const Owner& player) {
  return shown("最終成績\n") + recordText(player);
}

}  // namespace velko
