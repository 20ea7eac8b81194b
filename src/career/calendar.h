#pragma once
// The career calendar: 24 months from 2013/01/01; a tournament or a work day takes one.

#include <string>

#include "core/game_date.h"
#include "model/owner.h"

namespace velko {

// The months a career lasts.
inline constexpr int kCareerMonths = 24;

GameDate careerStart();
// kCareerMonths after the start: 2015/01/01.
GameDate careerEnd();

// One month on, keeping the day of the month.
void monthStep(GameDate& date);

bool careerIsOver(const GameDate& date);

// The record line of the ending and the record menu: " 3勝 1敗\n優勝 1回\n".
std::string recordText(const Owner& player);

// "最終成績", a line feed and the record.
std::string endingText(const Owner& player);

}  // namespace velko
