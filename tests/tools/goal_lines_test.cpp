// The weekly goals editor without its window: lines as the field counts them, the ten-goal
// limit.
#include <gtest/gtest.h>

#include "tools/model/goal_lines.h"

namespace ravlo::test {
namespace {

using Lines = std::vector<std::string>;

TEST(GoalLines, LinesAsTheFieldCountsThem) {
  EXPECT_EQ(goalLinesOf(""), Lines{});
  EXPECT_EQ(goalLinesOf("a"), Lines{"a"});
  EXPECT_EQ(goalLinesOf("a\n"), Lines{"a"});
  EXPECT_EQ(goalLinesOf("a\r\nb"), (Lines{"a", "b"}));
  EXPECT_EQ(goalLinesOf("a\n\nb\n"), (Lines{"a", "", "b"}));
  EXPECT_EQ(goalLinesOf("\n"), Lines{""});
}

TEST(GoalLines, AnEleventhLineIsRefusedAndTheTextStays) {
  Lines ten;
  for (int i = 1; i <= 10; ++i) ten.push_back("目標" + std::to_string(i));
  GoalLines g(ten);
  const std::string text = g.text();
  EXPECT_EQ(g.lines(), ten);
  // A line break after the tenth makes no goal yet.
  EXPECT_TRUE(g.change(text + "\n"));
  EXPECT_FALSE(g.change(text + "\nx"));
  EXPECT_EQ(g.text(), text + "\n");
  EXPECT_EQ(g.lines(), ten);
  EXPECT_TRUE(g.change("早起き"));
  EXPECT_EQ(g.lines(), Lines{"早起き"});
}

}  // namespace
}  // namespace ravlo::test
