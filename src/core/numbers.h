#pragma once
// The number rules every part of the game shares: 16-bit game values, the rounding of reals
// into them, Int as floor, the "Str" number text and the two clamps of the message module.

#include <cstdint>
#include <stdexcept>
#include <string>

namespace velko {

// A 16-bit result that the rules call an overflow error.
class Overflow16 : public std::overflow_error {
 public:
  explicit Overflow16(double value);
};

// True when v rounds (half to even) into -32768..32767.
bool fitsInt16(double v);

// Round half to even into 16 bits (2.5 -> 2, 3.5 -> 4); throws Overflow16 when out of range.
int16_t toInt16(double v);

// Round half to even, then keep within -32768..32767 instead of overflowing.
int16_t saturate16(double v);

// Int: rounding down (Int(-0.5) is -1).
int intFloor(double v);

// The number text of messages and labels: a blank before a non-negative number.
std::string Str(long n);

// A real in its shortest decimal form with a full stop: 12.5, 40, 0.25.
std::string shortestReal(double value);
// A real as Str writes numbers: " 1.5", "-0.5".
std::string StrReal(double value);

// Limits v to 0..max; the second test compares max with the value given, not the first result.
int16_t clampMax(int16_t v, int16_t max);

// Limits v to min..max.
int16_t clampRange(int16_t v, int16_t min, int16_t max);

}  // namespace velko
