#include "core/numbers.h"

#include <gtest/gtest.h>

namespace velko {
namespace {

TEST(Numbers, RoundHalfToEvenInto16Bits) {
  EXPECT_EQ(toInt16(2.5), 2);
  EXPECT_EQ(toInt16(3.5), 4);
  EXPECT_EQ(toInt16(-2.5), -2);
  EXPECT_EQ(toInt16(12.5), 12);
  EXPECT_EQ(toInt16(13.5), 14);
  EXPECT_EQ(toInt16(2.6), 3);
  EXPECT_EQ(toInt16(32767.4), 32767);
  EXPECT_EQ(toInt16(-32768.5), -32768);  // half to even stays in range
  EXPECT_THROW(toInt16(32767.5), Overflow16);
  EXPECT_THROW(toInt16(40000), Overflow16);
  EXPECT_THROW(toInt16(-32769), Overflow16);
  EXPECT_EQ(saturate16(40000), 32767);
  EXPECT_EQ(saturate16(-40000), -32768);
}

TEST(Numbers, IntIsFloorAndStrPutsABlankBeforeNonNegatives) {
  EXPECT_EQ(intFloor(2.9), 2);
  EXPECT_EQ(intFloor(-0.5), -1);
  EXPECT_EQ(intFloor(-3), -3);
  EXPECT_EQ(Str(0), " 0");
  EXPECT_EQ(Str(42), " 42");
  EXPECT_EQ(Str(-7), "-7");
}

TEST(Numbers, ClampsCompareWithTheValueGiven) {
  EXPECT_EQ(clampMax(-4, 10), 0);
  EXPECT_EQ(clampMax(12, 10), 10);
  EXPECT_EQ(clampMax(7, 10), 7);
  // A negative maximum: the second test still compares with the value given.
  EXPECT_EQ(clampMax(-4, -10), -10);
  EXPECT_EQ(clampMax(-12, -10), 0);
  EXPECT_EQ(clampRange(5, 1, 4), 4);
  EXPECT_EQ(clampRange(0, 1, 4), 1);
  EXPECT_EQ(clampRange(3, 1, 4), 3);
}

}  // namespace
}  // namespace velko
