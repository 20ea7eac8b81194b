#include "core/game_date.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace velko {
namespace {

TEST(GameDate, MonthStepsKeepTheDayAndTheCareerEndsAfter24Months) {
  const GameDate start;
  EXPECT_EQ(start.format(), "2013/01/01");
  GameDate date = start;
  for (int month = 0; month < 24; ++month)
    date = date.addMonths(1);
  EXPECT_EQ(date, GameDate::fromYMD(2015, 1, 1));
  EXPECT_LT(start.addMonths(23), date);
  EXPECT_EQ(GameDate::fromYMD(2013, 12, 1).addMonths(1).format(), "2014/01/01");
  // A day the next month lacks becomes its last day.
  EXPECT_EQ(GameDate::fromYMD(2013, 1, 31).addMonths(1).format(), "2013/02/28");
  EXPECT_EQ(GameDate::fromYMD(2016, 1, 31).addMonths(1).format(), "2016/02/29");
  EXPECT_EQ(GameDate::fromYMD(2013, 3, 15).addMonths(-3).format(), "2012/12/15");
  EXPECT_THROW(GameDate::fromYMD(9999, 12, 1).addMonths(1), std::out_of_range);
  EXPECT_THROW(GameDate::fromYMD(2013, 2, 29), std::invalid_argument);
  EXPECT_EQ(GameDate::fromYMD(812, 5, 6).format(), "0812/05/06");
}

TEST(GameDate, ParseReadsTheSavedFormAndRefusesGarbage) {
  EXPECT_EQ(GameDate::parse("2014/07/01"), GameDate::fromYMD(2014, 7, 1));
  EXPECT_EQ(GameDate::parse(" 2014/7/1 "), GameDate::fromYMD(2014, 7, 1));
  const GameDate date = GameDate::fromYMD(2014, 11, 30);
  EXPECT_EQ(GameDate::parse(date.format()), date);
  for (const char* garbage :
       {"", "2014", "2014/07", "2014/07/01x", "2014-07-01", "2014/13/01", "2014/02/30",
        "0000/01/01", "20140/01/01", "2014/007/01", "abcd/ef/gh", "2014//01", "/07/01"}) {
    EXPECT_FALSE(GameDate::parse(garbage).has_value()) << garbage;
  }
}

}  // namespace
}  // namespace velko
