#include "state/run_state.h"

#include <gtest/gtest.h>

#include "platform/run_error.h"

namespace answerbook {
namespace {

TEST(ScriptLines, HoldIndicesZeroTo5000AndNothingElse) {
  ScriptLines lines;
  lines.set(5000, "last");
  EXPECT_EQ(lines.at(5000), "last");
  EXPECT_EQ(lines.at(0), "");
  for (long long bad : {-1LL, 5001LL}) {
    try {
      lines.at(bad);
      ADD_FAILURE() << bad;
    } catch (const RunError& e) {
      EXPECT_EQ(e.number(), err::kSubscriptOutOfRange);
    }
    EXPECT_THROW(lines.set(bad, "x"), RunError);
  }
}

TEST(RunState, StartsEmpty) {
  const RunState s;
  EXPECT_FALSE(s.awaitingResponse.has_value());
  EXPECT_FALSE(s.isAwaitingResponse());
  EXPECT_EQ(s.scriptIndex, 0);
  EXPECT_EQ(s.codeNbr, 0);
  EXPECT_EQ(s.presentationMode, 0);
  EXPECT_TRUE(s.cumulativeText.empty());
  EXPECT_TRUE(s.querySuffix.empty());
}

}  // namespace
}  // namespace answerbook
