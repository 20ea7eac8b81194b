#include <gtest/gtest.h>

#include <set>

#include "core/dice.h"
#include "core/random.h"
#include "core/text_cp932.h"

namespace velko {
namespace {

TEST(TextCp932, RoundTripsJapaneseAndReportsWhereItFails) {
  const std::string text = "修羅,\"バルキリー\"　ａｂｃ１２３ ①";
  const std::string sjis = utf8ToCp932(text);
  EXPECT_EQ(sjis.substr(0, 4), "\x8f\x43\x97\x85");  // 修羅
  EXPECT_EQ(cp932ToUtf8(sjis), text);

  try {
    cp932ToUtf8("ok\x81");  // a lead byte cut off at the end
    FAIL() << "no error";
  } catch (const EncodingError& e) {
    EXPECT_EQ(e.offset(), 2u);
  }
  EXPECT_THROW(cp932ToUtf8("\xff\xff"), EncodingError);
  EXPECT_THROW(utf8ToCp932("emoji \xF0\x9F\x98\x80"), EncodingError);
  EXPECT_THROW(utf8ToCp932("\xC3"), EncodingError);  // not UTF-8
}

TEST(Dice, FacesFollowIntOfRTimesSides) {
  ScriptedRandom rnd({0.0, 0.9999, 0.5, 1.0 / 6, 0.0, 0.0, 0.999, 0.999});
  EXPECT_EQ(die(rnd), 1);
  EXPECT_EQ(die(rnd), 6);
  EXPECT_EQ(roll2D6(rnd), 4 + 2);  // Int(3) + Int(1) + 2
  EXPECT_EQ(roll2D8(rnd), 2);
  EXPECT_EQ(roll2D8(rnd), 16);

  ScriptedRandom faces;
  faces.pushFace(3);
  faces.pushFace(6);
  faces.pushFace(8, 8);
  faces.pushFace(1, 8);
  EXPECT_EQ(roll2D6(faces), 9);
  EXPECT_EQ(roll2D8(faces), 9);
  EXPECT_THROW(faces.next(), std::logic_error);
}

TEST(ClockRandom, StaysInRangeAndReseedingDoesNotRepeat) {
  ClockRandom rnd;
  std::set<double> seen;
  for (int i = 0; i < 1000; ++i) {
    const double r = rnd.next();
    ASSERT_GE(r, 0.0);
    ASSERT_LT(r, 1.0);
    // Reseeding many times within one clock tick must not restart the same sequence.
    rnd.reseedFromClock();
    seen.insert(r);
  }
  EXPECT_GT(seen.size(), 990u);

  int counts[6] = {};
  ClockRandom fixed(12345);
  for (int i = 0; i < 60000; ++i)
    ++counts[die(fixed) - 1];
  for (int c : counts)
    EXPECT_NEAR(c, 10000, 500);
}

}  // namespace
}  // namespace velko
