#include <gtest/gtest.h>

#include <string>

#include "core/number_theory.h"

namespace ravlo {
namespace {

using Kind = RecordingSink::Kind;

TEST(SoinsuuBunkai, FactorizationTexts) {
  struct Row {
    const char* text;
    const char* factors;
  } rows[] = {
      {"600", "2^3*3*5^2"},
      {"97", "97"},
      {"1", "1"},
      {"2", "2"},
      {"4", "2^2"},
      {"12", "2^2*3"},
      {"18", "2*3^2"},
      {"4611686018427387904", "2^62"},
      {"9223372036854775807", "7^2*73*127*337*92737*649657"},
      {"9223372036854775783", "9223372036854775783"},
      {"+36", "2^2*3^2"},
      {"007", "7"},
  };
  for (const auto& row : rows) {
    RecordingSink sink;
    NumberTheory nt(sink);
    EXPECT_EQ(nt.SoinsuuBunkai(row.text), row.factors) << row.text;
    EXPECT_EQ(nt.SoinsuuStr, row.factors) << row.text;
    EXPECT_TRUE(sink.empty()) << row.text;
  }
}

TEST(SoinsuuBunkai, NonPositiveNumbersAskForAPositiveOne) {
  for (const char* text : {"0", "-5", "-9223372036854775808"}) {
    RecordingSink sink;
    NumberTheory nt(sink);
    EXPECT_EQ(nt.SoinsuuBunkai(text), "n") << text;
    EXPECT_EQ(nt.SoinsuuStr, "n");
    ASSERT_EQ(sink.boxes().size(), 1u) << text;
    EXPECT_EQ(sink.boxes()[0].caption, "お願い!!");
    EXPECT_EQ(sink.boxes()[0].text, "▼素因数分解▼\n\n正の整数(２の63乗以下)を入力して下さい。");
  }
}

TEST(SoinsuuBunkai, UnreadableTextFailsSilently) {
  for (const char* text : {"abc", "", "9223372036854775808", "99999999999999999999", "12 ",
                           " 12", "1.5", "0x10", "+-3", "2^3"}) {
    RecordingSink sink;
    NumberTheory nt(sink);
    nt.SoinsuuStr = "old";
    EXPECT_EQ(nt.SoinsuuBunkai(text), "n") << text;
    EXPECT_EQ(nt.SoinsuuStr, "n") << text;
    EXPECT_TRUE(sink.empty()) << text;
  }
}

TEST(SoinsuuBunkai, KeepsTheNumberGiven) {
  RecordingSink sink;
  NumberTheory nt(sink);
  nt.SoinsuuBunkai("600");
  EXPECT_EQ(nt.SoinsuuN, 600);
  nt.SoinsuuBunkai("-5");
  EXPECT_EQ(nt.SoinsuuN, -5);
}

// 2147483629 * 4294967291: splitting it polls for an interrupt.
constexpr const char* kHardSemiprime = "9223371944512979039";

TEST(SoinsuuBunkai, InterruptGivesNWithoutMessage) {
  RecordingSink sink;
  NumberTheory nt(sink);
  sink.interruptAfter(0);
  EXPECT_EQ(nt.SoinsuuBunkai(kHardSemiprime), "n");
  EXPECT_EQ(nt.SoinsuuStr, "n");
  EXPECT_EQ(sink.pollCount(), 1);
  EXPECT_TRUE(sink.empty());
}

TEST(SoinsuuBunkai, InterruptIgnoredWhenNotAllowed) {
  RecordingSink sink;
  NumberTheory nt(sink);
  nt.SoinsuuAbort = 0;
  sink.interruptAfter(0);
  EXPECT_EQ(nt.SoinsuuBunkai(kHardSemiprime), "2147483629*4294967291");
  EXPECT_EQ(sink.pollCount(), 0);
}

TEST(YakusuuWa, DivisorListsAndSums) {
  struct Row {
    const char* factors;
    int withSelf, perLine;
    const char* text;
    std::int64_t sum;
    int count;
  } rows[] = {
      {"2^2*3", 0, 10, "   1+2+3+4+6|=16", 16, 5},
      {"2^2*3", 1, 10, "   1+2+3+4+6+12|=28", 28, 6},
      {"7", 0, 10, "   1|=1", 1, 1},
      {"7", 1, 10, "   1+7|=8", 8, 2},
      {"1", 0, 10, "   1|=1", 1, 1},
      {"1", 1, 10, "   1|=1", 1, 1},  // 1 is listed once, not as 1+1
      {"2*3", 0, 10, "   1+2+3|=6", 6, 3},
      {"2^3*3*5^2", 0, 10,
       "   1+2+3+4+5+6+8+10+12+15| +20+24+25+30+40+50+60+75+100+120| +150+200+300|=1260", 1260,
       23},
      {"2^3*3*5^2", 0, 5,
       "   1+2+3+4+5| +6+8+10+12+15| +20+24+25+30+40| +50+60+75+100+120| +150+200+300|=1260",
       1260, 23},
      // The break falls after the last divisor: it is dropped with the trailing "+".
      {"2^4", 1, 5, "   1+2+4+8+16|=31", 31, 5},
      {"3^2*5", 0, 5, "   1+3+5+9+15|=33", 33, 5},
      {"2*3^2", 0, 0, "   1+2+3+6+9|=21", 21, 5},  // no line count: no breaks
      {"2*2", 1, 10, "   1+2+4|=7", 7, 3},          // a repeated base counts once
      // Composite bases count as their primes: 6 is listed once.
      {"6*2*3", 1, 10, "   1+2+3+4+6+9+12+18+36|=91", 91, 9},
      {"4^2*2", 0, 10, "   1+2+4+8+16|=31", 31, 5},
      {"2^0*5", 1, 10, "   1+5|=6", 6, 2},
  };
  for (const auto& row : rows) {
    RecordingSink sink;
    NumberTheory nt(sink);
    EXPECT_EQ(nt.YakusuuWa(row.factors, row.withSelf, row.perLine), row.text) << row.factors;
    EXPECT_EQ(nt.YakusuuStr, row.text) << row.factors;
    EXPECT_EQ(nt.YakusuuSum, row.sum) << row.factors;
    EXPECT_EQ(nt.YakusuuKazu, row.count) << row.factors;
    EXPECT_TRUE(sink.empty()) << row.factors;
  }
}

TEST(YakusuuWa, LargestValuesWork) {
  RecordingSink sink;
  NumberTheory nt(sink);
  // 2^62: divisors 1 .. 2^61 without the number itself; their sum is 2^62 - 1.
  const std::string text = nt.YakusuuWa("2^62", 0, 10);
  EXPECT_EQ(nt.YakusuuSum, 4611686018427387903);
  EXPECT_EQ(nt.YakusuuKazu, 62);
  EXPECT_TRUE(text.ends_with("+1152921504606846976+2305843009213693952|=4611686018427387903"))
      << text;
  // The prime near 2^63 and 2^63 - 1 itself.
  EXPECT_EQ(nt.YakusuuWa("9223372036854775783", 1, 10),
            "   1+9223372036854775783|=9223372036854775784");
  nt.YakusuuWa("7^2*73*127*337*92737*649657", 0, 10);
  EXPECT_EQ(nt.YakusuuKazu, 95);
  EXPECT_TRUE(sink.empty());
}

TEST(YakusuuWa, SumBeyondTheLimitFailsWithTheSumMessage) {
  RecordingSink sink;
  NumberTheory nt(sink);
  // 9 * 10^18 is abundant: its proper divisors sum past 2^63.
  EXPECT_EQ(nt.YakusuuWa("2^18*3^2*5^18", 0, 10), "n");
  EXPECT_EQ(nt.YakusuuStr, "n");
  ASSERT_EQ(sink.boxes().size(), 1u);
  EXPECT_EQ(sink.boxes()[0].caption, "警告!");
  EXPECT_EQ(sink.boxes()[0].text, "和の結果がint64の範囲を超えた。");
  // With the number itself, 2^63 - 1 plus its divisors passes the bound as well.
  sink.clear();
  EXPECT_EQ(nt.YakusuuWa("9223372036854775783", 1, 10), "   1+9223372036854775783|=9223372036854775784");
  EXPECT_EQ(nt.YakusuuWa("7^2*73*127*337*92737*649657", 1, 10), "n");
  EXPECT_EQ(sink.boxes().size(), 1u);
}

TEST(YakusuuWa, RefusesBadFactorTexts) {
  for (const char* factors : {"", "2^", "^3", "2**3", "2*", "*2", "2^3^4", "2x3", "-2", "0",
                              "0^0", "2^63", "3^40", "9223372036854775808",
                              "4294967311*4294967357", "2^9223372036854775807", " 2"}) {
    RecordingSink sink;
    NumberTheory nt(sink);
    EXPECT_EQ(nt.YakusuuWa(factors, 1, 10), "n") << factors;
    EXPECT_EQ(nt.YakusuuStr, "n") << factors;
    EXPECT_TRUE(sink.empty()) << factors;
  }
}

TEST(BunToJunS, DecimalTexts) {
  struct Row {
    std::int64_t a, b;
    const char* text;
  } rows[] = {
      {1, 3, "0.@3"},
      {1, 6, "0.1@6"},
      {1, 7, "0.@142857"},
      {3, 8, "0.375"},
      {2, 4, "0.5"},  // reduced first
      {1, 12, "0.08@3"},
      {7, 12, "0.58@3"},
      {1, 19, "0.@052631578947368421"},
      {17, 19, "0.@894736842105263157"},  // the true block, not the rounded 18th place
      {1, 81, "0.@012345679"},
      {1, 262144, "0.000003814697265625"},  // 18 places: the most
      {999999999999999998, 999999999999999999, "0.@999999999999999998"},
      {1, 999999999999999999, "0.@000000000000000001"},
      {1, 90, "0.0@1"},
  };
  for (const auto& row : rows) {
    RecordingSink sink;
    NumberTheory nt(sink);
    EXPECT_EQ(nt.BunToJunS(row.a, row.b), row.text) << row.a << "/" << row.b;
    EXPECT_TRUE(sink.empty()) << row.a << "/" << row.b;
  }
}

TEST(BunToJunS, BlocksPastEighteenPlacesAreReported) {
  struct Row {
    std::int64_t a, b;
  } rows[] = {{1, 38}, {1, 23}, {1, 9223372036854775783}, {5, 97}};
  for (const auto& row : rows) {
    RecordingSink sink;
    NumberTheory nt(sink);
    EXPECT_EQ(nt.BunToJunS(row.a, row.b), "n") << row.a << "/" << row.b;
    ASSERT_EQ(sink.boxes().size(), 1u);
    EXPECT_EQ(sink.boxes()[0].caption, "Report!!");
    EXPECT_EQ(sink.boxes()[0].text,
              "循環幅が18ケタを超えるので、\n\n循環小数の表示ができません。\n\nしくしく･･･ (^_^)");
  }
}

TEST(BunToJunS, DecimalsPastEighteenPlacesAreReported) {
  for (std::int64_t b : {std::int64_t{524288}, std::int64_t{1} << 55, std::int64_t{5} << 40}) {
    RecordingSink sink;
    NumberTheory nt(sink);
    EXPECT_EQ(nt.BunToJunS(1, b), "n") << b;
    ASSERT_EQ(sink.boxes().size(), 1u);
    EXPECT_EQ(sink.boxes()[0].text, kJunkanTerminatingTooLong);
  }
}

TEST(BunToJunS, NotAProperFractionGivesNSilently) {
  struct Row {
    std::int64_t a, b;
  } rows[] = {{2, 1}, {3, 3}, {0, 5}, {-1, 3}, {1, -3}, {1, 0},
              {INT64_MIN, INT64_MAX}, {INT64_MAX, INT64_MAX}};
  for (const auto& row : rows) {
    RecordingSink sink;
    NumberTheory nt(sink);
    EXPECT_EQ(nt.BunToJunS(row.a, row.b), "n") << row.a << "/" << row.b;
    EXPECT_TRUE(sink.empty());
  }
}

}  // namespace
}  // namespace ravlo
