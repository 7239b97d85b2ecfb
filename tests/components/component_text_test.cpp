#include "components/component_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace deadhold {
namespace {

using namespace std::string_literals;

// Every field nextToken finds, in order, with the character that ended each one.
struct Scan {
  std::vector<std::string> fields;
  std::string enders;
};

Scan scan(const std::string& text) {
  Scan result;
  std::size_t position = 0;
  for (;;) {
    std::string field;
    position = nextToken(text, position, field);
    if (text[position] == '\0') {
      EXPECT_TRUE(field.empty()) << "a call that reaches the end finds no field";
      return result;
    }
    result.fields.push_back(field);
    result.enders.push_back(text[position]);
  }
}

TEST(NextToken, SeparatorsRunsAndSpaces) {
  const Scan s = scan("Sierra\t\t.308\r\n168\t\n HPBT Match King \n\0"s);
  EXPECT_EQ(s.fields, (std::vector<std::string>{"Sierra", ".308", "168", " HPBT Match King "}));
  EXPECT_EQ(s.enders, "\t\r\t\n");
}

TEST(NextToken, SingleSpaceIsAField) {
  EXPECT_EQ(scan("a\t \tb\n\0"s).fields, (std::vector<std::string>{"a", " ", "b"}));
}

TEST(NextToken, CommentsEndTheFieldAndTheirLine) {
  const Scan s = scan("maker;note\tnot a field\nnext\n;whole line\r\n\t;another\nlast\n\0"s);
  EXPECT_EQ(s.fields, (std::vector<std::string>{"maker", "next", "last"}));
  EXPECT_EQ(s.enders, ";\n\n");
}

TEST(NextToken, CommentReachingTheEndOfTheText) {
  const std::string text = "maker\t; trailing note without line break\0"s;
  std::string field;
  std::size_t position = nextToken(text, 0, field);
  EXPECT_EQ(field, "maker");
  EXPECT_EQ(text[position], '\t');
  std::string next = "untouched";
  position = nextToken(text, position, next);
  EXPECT_EQ(position, text.size() - 1);
  EXPECT_EQ(next, "untouched");
}

TEST(NextToken, ReturnsThePositionOfTheEndingCharacter) {
  const std::string text = "ab\tcd\0"s;
  std::string field;
  EXPECT_EQ(nextToken(text, 0, field), 2u);
  EXPECT_EQ(nextToken(text, 2, field), 5u);
  EXPECT_EQ(field, "cd");
}

TEST(NextToken, ZeroByteEndsTheText) {
  EXPECT_EQ(scan("one\ttwo\n\0three\tfour\n\0"s).fields, (std::vector<std::string>{"one", "two"}));
}

TEST(NextToken, LongFieldIsCutAndTheNextFieldStaysInPlace) {
  const std::string longField(100, 'x');
  const Scan s = scan(longField + "\tnext\n\0"s);
  ASSERT_EQ(s.fields.size(), 2u);
  EXPECT_EQ(s.fields[0], std::string(63, 'x'));
  EXPECT_EQ(s.fields[1], "next");
  EXPECT_EQ(scan(std::string(63, 'y') + "\n\0"s).fields[0].size(), 63u);
}

TEST(ReadComponentFile, RawBytesWithATerminatingZero) {
  const testing::TempFolder folder;
  const std::string bytes = "a\r\nb\tc\0d"s;
  testing::writeBytes(folder / "X.TXT", bytes);
  testing::writeBytes(folder / "EMPTY.TXT", "");
  const auto text = readComponentFile(folder / "X.TXT");
  ASSERT_TRUE(text.has_value());
  EXPECT_EQ(*text, bytes + '\0');
  EXPECT_EQ(readComponentFile(folder / "EMPTY.TXT"), std::optional<std::string>("\0"s));
}

TEST(ReadComponentFile, MissingFileOrFolderGivesNothing) {
  const testing::TempFolder folder;
  EXPECT_FALSE(readComponentFile(folder / "MISSING.TXT").has_value());
  EXPECT_FALSE(readComponentFile(folder.path()).has_value());
}

}  // namespace
}  // namespace deadhold
