#include "core/text_helpers.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace ravlo {
namespace {

TEST(SyoOwari, TerminatesExactlyForTwosAndFives) {
  struct Row {
    int64_t d;
    bool terminates;
  };
  const std::vector<Row> rows = {
      {1, true},   {2, true},    {4, true},     {5, true},   {40, true},  {12, false},
      {3, false},  {6, false},   {7, false},    {25, true},  {1000, true}, {15, false},
      {0, false},  {-4, false},  {std::numeric_limits<int64_t>::min(), false},
      {std::numeric_limits<int64_t>::max(), false},
      {int64_t{1} << 62, true},  {3814697265625, true},  // 5^18
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.d);
    EXPECT_EQ(SyoOwari(r.d), r.terminates);
  }
}

TEST(KakkoHagasi, PeelsOnlyBracketsThatEncloseEverything) {
  struct Row {
    const char* text;
    int kind;
    const char* expected;
  };
  const std::vector<Row> rows = {
      {"((3))", 0, "3"},
      {"(1)+(2)", 0, "(1)+(2)"},
      {"((1)+(2))", 0, "(1)+(2)"},
      {"(m3b2)", 1, "m3b2"},
      {"[3B1]", 1, "[3B1]"},
      {"[3B1]", 2, "3B1"},
      {"([3B1])", 0, "3B1"},
      {"[(3)]", 0, "(3)"},  // round brackets first, then square
      {"(m3b2)", 2, "(m3b2)"},
      {"()", 0, ""},
      {"(", 0, "("},
      {")(", 0, ")("},
      {"", 0, ""},
      {"(()", 0, "("},
      {"(1))", 0, "(1))"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(std::string(r.text) + " kind " + std::to_string(r.kind));
    EXPECT_EQ(KakkoHagasi(r.text, r.kind), r.expected);
  }
}

TEST(AnswerCutting, QuestionAndLastAnswer) {
  struct Row {
    const char* text;
    const char* cut;
    const char* cutKeep;
    const char* last;
  };
  const std::vector<Row> rows = {
      {"1+1=2=2", "1+1", "1+1=", "2"},
      {"1+1=", "1+1", "1+1=", "1+1="},
      {"1+1", "1+1", "1+1", "1+1"},
      {"3b2+1=1k3b2=3b5&1k3b2", "3b2+1", "3b2+1=", "3b5&1k3b2"},
      {"=5", "", "=", "5"},
      {"", "", "", ""},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.text);
    EXPECT_EQ(SikiCutAns(r.text, false), r.cut);
    EXPECT_EQ(SikiCutAns(r.text, true), r.cutKeep);
    EXPECT_EQ(LastAns(r.text), r.last);
  }
}

TEST(RunRemoval, LeadingAndTrailingRuns) {
  EXPECT_EQ(removeLeadingRun("000120", '0'), "120");
  EXPECT_EQ(removeLeadingRun("0000", '0'), "");
  EXPECT_EQ(removeLeadingRun("", '0'), "");
  EXPECT_EQ(removeLeadingRun("x00", '0'), "x00");
  EXPECT_EQ(removeTrailingRun("1.2500", '0'), "1.25");
  EXPECT_EQ(removeTrailingRun("0000", '0'), "");
  EXPECT_EQ(removeTrailingRun("", '0'), "");
  EXPECT_EQ(removeTrailingRun("==a", '='), "==a");
}

TEST(TailFromLast, FromOrAfterTheLastOccurrence) {
  const auto with = tailFromLast("1+2=3=4", '=', true);
  EXPECT_EQ(with.tail, "=4");
  EXPECT_EQ(with.position, 6u);
  const auto after = tailFromLast("1+2=3=4", '=', false);
  EXPECT_EQ(after.tail, "4");
  EXPECT_EQ(after.position, 6u);
  const auto atEnd = tailFromLast("1+1=", '=', false);
  EXPECT_EQ(atEnd.tail, "");
  EXPECT_EQ(atEnd.position, 4u);
  const auto none = tailFromLast("12", '=', true);
  EXPECT_EQ(none.tail, "");
  EXPECT_EQ(none.position, 0u);
}

TEST(FirstChar, InAndNotInASet) {
  const auto in = firstCharIn("12+3*4", "*+");
  EXPECT_EQ(in.position, 3u);
  EXPECT_EQ(in.character, '+');
  const auto notIn = firstCharIn("1234", "+-");
  EXPECT_EQ(notIn.position, 0u);
  EXPECT_EQ(notIn.character, '\0');
  const auto firstOther = firstCharNotIn("0012", "0");
  EXPECT_EQ(firstOther.position, 3u);
  EXPECT_EQ(firstOther.character, '1');
  EXPECT_EQ(firstCharNotIn("000", "0").position, 0u);
  EXPECT_EQ(firstCharNotIn("", "0").position, 0u);
  EXPECT_EQ(firstCharIn("", "0").position, 0u);
  EXPECT_EQ(firstCharIn("abc", "").position, 0u);
  EXPECT_EQ(firstCharNotIn("abc", "").position, 1u);
}

TEST(CountOccurrences, NonOverlappingFromTheLeft) {
  EXPECT_EQ(countOccurrences("1+2+3", "+"), 2);
  EXPECT_EQ(countOccurrences("aaaa", "aa"), 2);
  EXPECT_EQ(countOccurrences("aaa", "aa"), 1);
  EXPECT_EQ(countOccurrences("abc", ""), 0);
  EXPECT_EQ(countOccurrences("", "a"), 0);
  EXPECT_EQ(countOccurrences("<=<=", "<="), 2);
}

}  // namespace
}  // namespace ravlo
