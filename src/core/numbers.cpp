#include "core/numbers.h"

#include <charconv>
#include <cmath>

namespace velko {

namespace {

// Halves go to the even neighbour. Worked out by hand rather than through the floating-point
// rounding mode: setting and restoring that mode cost more than the fight's arithmetic.
double roundHalfEven(double v) {
  const double r = std::round(v);  // halves away from zero
  if (std::fabs(v - std::trunc(v)) != 0.5) return r;
  return 2.0 * std::round(v / 2.0);
}

}  // namespace

Overflow16::Overflow16(double value)
    : std::overflow_error("value out of 16-bit range: " + std::to_string(value)) {}

bool fitsInt16(double v) {
  if (std::isnan(v)) return false;
  const double r = roundHalfEven(v);
  return r >= -32768.0 && r <= 32767.0;
}

int16_t toInt16(double v) {
  if (!fitsInt16(v)) throw Overflow16(v);
  return static_cast<int16_t>(roundHalfEven(v));
}

int16_t saturate16(double v) {
  if (std::isnan(v)) return 0;
  const double r = roundHalfEven(v);
  if (r > 32767.0) return 32767;
  if (r < -32768.0) return -32768;
  return static_cast<int16_t>(r);
}

int intFloor(double v) {
  return static_cast<int>(std::floor(v));
}

std::string Str(long n) {
  if (n < 0) return std::to_string(n);
  return " " + std::to_string(n);
}

std::string shortestReal(double value) {
  if (value == 0) return "0";  // never "-0"
  char text[32];
  const auto result = std::to_chars(text, text + sizeof text, value);
  return std::string(text, result.ptr);
}

std::string StrReal(double value) {
  return (value >= 0 ? " " : "") + shortestReal(value);
}

int16_t clampMax(int16_t v, int16_t max) {
  int16_t result = v;
  if (v < 0) result = 0;
  if (max < v) result = max;
  return result;
}

int16_t clampRange(int16_t v, int16_t min, int16_t max) {
  int16_t result = v;
  if (v < min) result = min;
  if (max < v) result = max;
  return result;
}

}  // namespace velko
