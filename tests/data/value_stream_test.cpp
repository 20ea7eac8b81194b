#include "data/files/value_stream.h"

#include <gtest/gtest.h>

#include "data/files/data_file_error.h"

namespace velko {
namespace {

TEST(ValueStream, SplitsAtCommasKeepsQuotedCommasAndSkipsBlanks) {
  using V = std::vector<std::string>;
  EXPECT_EQ(splitValues("a, \"b,c\" ,3"), (V{"a", "b,c", "3"}));
  EXPECT_EQ(splitValues(""), (V{""}));
  EXPECT_EQ(splitValues("1,,2,"), (V{"1", "", "2", ""}));
  EXPECT_EQ(splitValues("  秋津 遥人  "), (V{"秋津 遥人"}));
  EXPECT_EQ(splitValues("\"unclosed, still"), (V{"unclosed, still"}));

  EXPECT_DOUBLE_EQ(leadingNumber(" 7x"), 7);
  EXPECT_DOUBLE_EQ(leadingNumber("007"), 7);
  EXPECT_DOUBLE_EQ(leadingNumber("12"), 12);
  EXPECT_DOUBLE_EQ(leadingNumber("abc"), 0);
  EXPECT_DOUBLE_EQ(leadingNumber("-3"), -3);
}

TEST(ValueStream, ReadsAcrossLinesAndRejectsWhatIsNotANumber) {
  const TextFile file{"t.ini", {".1", "name, 2.5", "", "0x10", "1e9"}};
  ValueStream in(file, 1);
  EXPECT_EQ(in.nextText(), "name");
  EXPECT_EQ(in.nextInt(), 2);
  EXPECT_EQ(in.nextInt(), 0);  // an empty line is one empty value
  EXPECT_EQ(in.nextLine(), 3u);
  EXPECT_THROW(in.nextInt(), DataFileError);
  EXPECT_THROW(in.nextInt(), DataFileError);
  EXPECT_THROW(in.nextInt(), DataFileError);  // past the end
}

}  // namespace
}  // namespace velko
