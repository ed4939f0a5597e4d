#include "coding/line_functions.h"

#include <gtest/gtest.h>

#include <random>

#include "platform/fake_platform.h"
#include "platform/run_error.h"

namespace answerbook {
namespace {

std::string bytes(std::initializer_list<int> codes) {
  std::string s;
  for (int c : codes) s += static_cast<char>(c);
  return s;
}

TEST(Code, ReturnsEveryLineUnchanged) {
  for (const std::string line : {"", "  two  blanks  ", "001.  Final Exam", "\xBA\x80\x01"}) {
    for (double n : {0.0, 19.0, 28.0, 2.5}) EXPECT_EQ(code(line, n), line);
  }
}

TEST(Decode, MapsCharactersByTheirCodes) {
  struct Case {
    std::string line;
    double codeNbr;
    std::string result;
  };
  const Case cases[] = {
      {"", 20, ""},
      {"abc", 20, ""},                                  // 66..118 are dropped
      {"A b!", 20, bytes({254, 32, 222})},              // order kept, blank kept
      {"z", 20, bytes({2})},                            // 122 - 20 - 100
      {"w", 19, bytes({0})},
      {bytes({0}), 19, bytes({190})},                   // 0 + 209 - 19
      {bytes({255}), 28, bytes({127})},
      {"A", 20.5, bytes({254})},                        // 253.5 goes to the even 254
      {"A", 21.5, bytes({252})},                        // 252.5 goes to the even 252
  };
  for (const Case& c : cases) EXPECT_EQ(decode(c.line, c.codeNbr), c.result) << c.line;
}

TEST(Decode, ACodeOutside0To255IsError5) {
  for (const auto& [line, n] : std::vector<std::pair<std::string, double>>{{"w", 20}, {"x", 28}, {"A", -100}}) {
    try {
      decode(line, n);
      ADD_FAILURE() << line << " " << n;
    } catch (const RunError& e) {
      EXPECT_EQ(e.number(), err::kInvalidArgument);
    }
  }
}

TEST(RemSpaces, DropsOnlyBlanksAndHyphens) {
  const std::pair<std::string, std::string> cases[] = {
      {"a - b c", "abc"}, {" - ", ""}, {"gr-aph 1", "graph1"}, {"a\tb", "a\tb"}, {"a\xA0\x96" "b", "a\xA0\x96" "b"},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(remSpaces(in), out);
}

TEST(MakeCodeLine, FollowsTheDraws) {
  testing::FakeRandom random;
  random.draws = {0.0625f, 0.25f, 0.5f, 0.5f, 0.0f};
  EXPECT_EQ(makeCodeLine(2, random), bytes({78, 186, 118}));
  EXPECT_EQ(random.taken, 5);

  random.taken = 0;
  EXPECT_EQ(makeCodeLine(0, random), "");
  EXPECT_EQ(makeCodeLine(-3, random), "");
  EXPECT_EQ(random.taken, 0);
}

TEST(MakeCodeLine, StaysWithinItsLengthAndCodeRanges) {
  std::mt19937 engine(7);
  std::uniform_real_distribution<float> uniform(0.0f, 1.0f);
  testing::FakeRandom random;
  for (int n = 19; n <= 28; ++n) {
    for (int round = 0; round < 50; ++round) {
      for (int k = 0; k < 3 * n; ++k) random.draws.push_back(uniform(engine));
      random.draws.push_back(0.99999994f);  // the largest draw below 1
      const std::string line = makeCodeLine(n, random);
      random.draws.clear();
      ASSERT_GE(line.size(), static_cast<std::size_t>(n));
      ASSERT_LE(line.size(), static_cast<std::size_t>(2 * n));
      for (std::size_t i = 0; i < line.size(); ++i) {
        const int c = static_cast<unsigned char>(line[i]);
        ASSERT_TRUE((c >= 66 && c <= 116) || c >= 118) << c;
        if (c <= 116) {
          ASSERT_LT(i + 1, line.size());
          ASSERT_GE(static_cast<unsigned char>(line[i + 1]), 118);
        }
      }
      ASSERT_GE(static_cast<unsigned char>(line.back()), 118);
    }
  }
}

TEST(RoundHalfEven, TakesTheEvenNeighbourOfAHalf) {
  EXPECT_EQ(roundHalfEven(78.5), 78);
  EXPECT_EQ(roundHalfEven(186.5), 186);
  EXPECT_EQ(roundHalfEven(187.5), 188);
  EXPECT_EQ(roundHalfEven(186.4), 186);
  EXPECT_EQ(roundHalfEven(186.6), 187);
}

}  // namespace
}  // namespace answerbook
