#pragma once
// The career calendar: a plain year/month/day with the only arithmetic the game needs (a month
// step that keeps the day of the month) and the "yyyy/mm/dd" text it shows and saves.

#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace velko {

class GameDate {
 public:
  // Every career starts on 2013/01/01.
  GameDate() = default;

  // Throws std::invalid_argument for a day that does not exist (years 1 to 9999).
  static GameDate fromYMD(int year, int month, int day);

  // Reads "yyyy/mm/dd" (blanks around it allowed, one- or two-digit month and day accepted);
  // nothing for any other text or for a day that does not exist.
  static std::optional<GameDate> parse(std::string_view text);

  // The same day n months later; a day past the end of the target month becomes its last day
  // (01/31 + 1 month = 02/28). Throws std::out_of_range beyond the year 9999.
  GameDate addMonths(int n) const;

  // "yyyy/mm/dd", e.g. "2013/01/01".
  std::string format() const;

  int year() const { return year_; }
  int month() const { return month_; }
  int day() const { return day_; }

  friend auto operator<=>(const GameDate&, const GameDate&) = default;

 private:
  GameDate(int year, int month, int day) : year_(year), month_(month), day_(day) {}

  // Order matters: the comparison goes year, month, day.
  int year_ = 2013;
  int month_ = 1;
  int day_ = 1;
};

}  // namespace velko
