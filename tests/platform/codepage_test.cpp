#include "platform/codepage.h"

#include <gtest/gtest.h>

namespace answerbook {
namespace {

TEST(Codepage, EveryByteSurvivesTheRoundTripThroughUtf8) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), all);
}

TEST(Codepage, ConvertsTheCharactersThatDifferFromLatin1) {
  struct Case {
    std::string cp1252;
    std::string utf8;
  };
  const Case cases[] = {
      {"abc", "abc"},
      {"\x80", "\u20ac"},          // euro sign
      {"\x93quoted\x94", "\u201cquoted\u201d"},
      {"\x96", "\u2013"},          // en dash
      {"\xe9t\xe9", "\u00e9t\u00e9"},
      {"\x9f", "\u0178"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(cp1252ToUtf8(c.cp1252), c.utf8);
    EXPECT_EQ(utf8ToCp1252(c.utf8), c.cp1252);
  }
}

TEST(Codepage, CharactersTheCodePageLacksBecomeQuestionMarks) {
  EXPECT_EQ(utf8ToCp1252("\u4e2d\u6587"), "??");
  EXPECT_EQ(utf8ToCp1252("a\U0001F600b"), "a?b");  // one mark for one character
  EXPECT_EQ(utf8ToCp1252("\xff\xfe"), "??");       // not UTF-8 at all
  EXPECT_EQ(utf8ToCp1252("x\xe2\x82"), "x??");     // cut short
}

}  // namespace
}  // namespace answerbook
