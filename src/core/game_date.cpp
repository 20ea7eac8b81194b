#include "core/game_date.h"

#include <cstdio>
#include <stdexcept>

namespace velko {

namespace {

constexpr int kFirstYear = 1;
constexpr int kLastYear = 9999;

bool isLeap(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month == 2 && isLeap(year)) return 29;
  return kDays[month - 1];
}

bool isValid(int year, int month, int day) {
  if (year < kFirstYear || year > kLastYear) return false;
  if (month < 1 || month > 12) return false;
  return day >= 1 && day <= daysInMonth(year, month);
}

// Reads 1 to maxDigits decimal digits at pos; -1 when there are none or too many.
int readDigits(std::string_view text, size_t& pos, size_t maxDigits) {
  const size_t start = pos;
  int value = 0;
  while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
    value = value * 10 + (text[pos] - '0');
    ++pos;
    if (pos - start > maxDigits) return -1;
  }
  if (pos == start) return -1;
  return value;
}

bool skipSlash(std::string_view text, size_t& pos) {
  if (pos >= text.size() || text[pos] != '/') return false;
  ++pos;
  return true;
}

std::string_view trimBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
    text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
    text.remove_suffix(1);
  return text;
}

}  // namespace

GameDate GameDate::fromYMD(int year, int month, int day) {
  if (!isValid(year, month, day)) throw std::invalid_argument("no such date");
  return GameDate(year, month, day);
}

std::optional<GameDate> GameDate::parse(std::string_view text) {
  text = trimBlanks(text);
  size_t pos = 0;
  const int year = readDigits(text, pos, 4);
  if (year < 0 || !skipSlash(text, pos)) return std::nullopt;
  const int month = readDigits(text, pos, 2);
  if (month < 0 || !skipSlash(text, pos)) return std::nullopt;
  const int day = readDigits(text, pos, 2);
  if (day < 0 || pos != text.size()) return std::nullopt;
  if (!isValid(year, month, day)) return std::nullopt;
  return GameDate(year, month, day);
}

GameDate GameDate::addMonths(int n) const {
  const long months = static_cast<long>(year_) * 12 + (month_ - 1) + n;
  const long year = months / 12;
  const int month = static_cast<int>(months % 12) + 1;
  if (months < 0 || year < kFirstYear || year > kLastYear) {
    throw std::out_of_range("date beyond the calendar");
  }
  const int y = static_cast<int>(year);
  const int lastDay = daysInMonth(y, month);
  return GameDate(y, month, day_ < lastDay ? day_ : lastDay);
}

std::string GameDate::format() const {
  char text[16];
  std::snprintf(text, sizeof text, "%04d/%02d/%02d", year_, month_, day_);
  return text;
}

}  // namespace velko
