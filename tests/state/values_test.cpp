#include "state/values.h"

#include <gtest/gtest.h>

#include "platform/run_error.h"

namespace answerbook {
namespace {

TEST(NumericValue, TakesTheLeadingNumberWithBlanksIgnored) {
  const std::pair<std::string, double> cases[] = {
      {"", 0},      {"abc", 0},   {"001", 1},   {"12abc", 12}, {" 7 ", 7},   {"1 2", 12},
      {"1.5", 1.5}, {"-3", -3},   {".5", 0.5},  {"1e3", 1000}, {"2e", 2},    {"999", 999},
      {"1.2.3", 1.2}, {"+4x", 4}, {"-", 0},     {".", 0},
  };
  for (const auto& [text, value] : cases) EXPECT_DOUBLE_EQ(numericValue(text), value) << text;
}

TEST(ToNumber, AcceptsOnlyAWholeNumberText) {
  const std::pair<std::string, double> good[] = {
      {"2", 2}, {" 2 ", 2}, {"02", 2}, {"2.0", 2}, {"1", 1}, {"-1e3", -1000}, {"\t3", 3}, {"2.", 2},
  };
  for (const auto& [text, value] : good) EXPECT_DOUBLE_EQ(toNumber(text), value) << text;

  for (const std::string bad : {"", " ", "abc", "2abc", "2 2", "--2", ".", "1e999", "two"}) {
    try {
      toNumber(bad);
      ADD_FAILURE() << "no error for '" << bad << "'";
    } catch (const RunError& e) {
      EXPECT_EQ(e.number(), err::kTypeMismatch) << bad;
    }
  }
}

TEST(DecimalText, WritesWholeNumbersAsDigitsAndOthersShortest) {
  EXPECT_EQ(decimalText(2), "2");
  EXPECT_EQ(decimalText(1000), "1000");
  EXPECT_EQ(decimalText(2.5), "2.5");
  EXPECT_EQ(decimalText(-7), "-7");
  EXPECT_EQ(decimalText(0.1 + 0.2), "0.3");
  EXPECT_EQ(decimalText(-0.0), "0");
}

TEST(ThreeCharacterForm, PadsOnlyOneAndTwoCharacters) {
  const std::pair<std::string, std::string> cases[] = {
      {"", ""}, {"7", "007"}, {"12", "012"}, {"99", "099"}, {"999", "999"}, {"1000", "1000"},
      {"ab", "0ab"}, {"1.5", "1.5"},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(threeCharacterForm(in), out);
}

TEST(Lowered, LowersAsciiAndWesternLetters) {
  EXPECT_EQ(lowered("`Routine ABC-xyz"), "`routine abc-xyz");
  EXPECT_EQ(lowered("\xC9\xD7\x8A\x9F"), "\xE9\xD7\x9A\xFF");  // E acute, times sign kept, S caron, Y diaeresis
}

TEST(TextPieces, CutByCharacterPositions) {
  EXPECT_EQ(leftChars("abc", 2), "ab");
  EXPECT_EQ(leftChars("ab", 4), "ab");
  EXPECT_EQ(fromPosition("abcdef", 4), "def");
  EXPECT_EQ(fromPosition("abc", 4), "");
  EXPECT_EQ(fromPosition("abc", 3), "c");
}

}  // namespace
}  // namespace answerbook
