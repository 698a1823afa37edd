#include "core/bunsuu_h.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/core/core_test_util.h"

namespace ravlo {
namespace {

TEST(BunsuuHParse, SplitsAnExpressionFraction) {
  struct Row {
    const char* text;
    BunsuuH expected;
    int err;
  };
  const std::vector<Row> rows = {
      {"[m2K3B1+1]", {"-1", "2", "3", "1+1"}, 0},
      {"[mK3B1]", {"-1", "0", "3", "1"}, 0},
      {"[-K3B1]", {"-1", "0", "3", "1"}, 0},
      {"[p2K3B1]", {"+1", "2", "3", "1"}, 0},
      {"[+2K3B1]", {"+1", "2", "3", "1"}, 0},
      {"[2K3B1]", {"+1", "2", "3", "1"}, 0},
      {"[(1+2)B(1+1)]", {"+1", "0", "(1+2)", "(1+1)"}, 0},
      {"[3B1B2]", {"+1", "0", "3", "1B2"}, 0},  // the first "B" splits
      {"[5]", {"+1", "5", "1", "0"}, 0},
      {"[0]", {"0", "0", "1", "0"}, 0},
      {"[2K5]", kBunHInvalid, 4},  // a whole part with no fraction: read as 5 it would lose the 2
      {"3B1]", {"+1", "0", "", ""}, 8},     // drops "3" and "]": "B1" → empty denominator
      {"3B1", kBunHInvalid, 1},
      {"", kBunHInvalid, 1},
      {"[xK3B1]", kBunHInvalid, 3},
      {"[-1K3B1]", {"-1", "1", "3", "1"}, 0},  // "-" is the sign, 1 the integer part
      {"[m-1K3B1]", kBunHInvalid, 3},
      {"[99999999999999999999K3B1]", kBunHInvalid, 3},
      {"[3B]", kBunHInvalid, 8},
      {"[B1]", kBunHInvalid, 8},
      {"[]", kBunHInvalid, 8},
      {"[", kBunHInvalid, 8},
      {"]", kBunHInvalid, 8},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.text);
    BunsuuHContext ctx;
    ctx.BunsuuHErr = 99;
    const BunsuuH h = ctx.parse(r.text);
    EXPECT_EQ(ctx.BunsuuHErr, r.err);
    if (r.err == 0) {
      EXPECT_EQ(h, r.expected);
    } else {
      EXPECT_EQ(h, kBunHInvalid);
    }
  }
}

TEST(BunsuuHWrite, BracketedFormOnlyMIsNegative) {
  struct Row {
    BunsuuH h;
    const char* text;
  };
  const std::vector<Row> rows = {
      {{"0", "2", "3", "1"}, "0"},
      {{"m", "2", "3", "1"}, "[m2K3B1]"},
      {{"m", "0", "3", "1"}, "[mK3B1]"},
      {{"+1", "2", "3", "1"}, "[2K3B1]"},
      {{"+1", "0", "3*2", "1*2"}, "[3*2B1*2]"},
      {{"-1", "0", "3", "1"}, "[3B1]"},  // only the sign text "m" is written as negative
      {kBunHOne, "[1B1]"},
      {kBunHZero, "[1B0]"},
      {kBunHInvalid, "0"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.text);
    EXPECT_EQ(r.h.text(), r.text);
  }
}

TEST(BunsuuHSign, ValueOfTheFirstCharacter) {
  struct Row {
    const char* sign;
    int value;
  };
  const std::vector<Row> rows = {
      {"0", 0},   {"+1", 1},  {"p", 1},  {"P", 1},   {"1", 1},    {"-1", -1},
      {"m", -1},  {"M", -1},  {"x", 254}, {"", 254}, {"2", 254},  {"\xff", 254},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.sign);
    EXPECT_EQ(bunHSignValue(r.sign), r.value);
    BunsuuH h;
    h.sign = r.sign;
    EXPECT_EQ(h.signValue(), r.value);
  }
}

TEST(BunsuuHBuild, MissingAndEmptyFields) {
  BunsuuHContext ctx;
  EXPECT_EQ(ctx.build({"+1", "0", "3", "1"}), (BunsuuH{"+1", "0", "3", "1"}));
  EXPECT_EQ(ctx.BunsuuHErr, 0);
  EXPECT_EQ(ctx.build({"+1", "0", "3"}), kBunHInvalid);
  EXPECT_EQ(ctx.BunsuuHErr, 4);
  EXPECT_EQ(ctx.build({}), kBunHInvalid);
  EXPECT_EQ(ctx.BunsuuHErr, 4);
  EXPECT_EQ(ctx.build({"+1", "", "3", "1"}), kBunHInvalid);
  EXPECT_EQ(ctx.BunsuuHErr, 8);
  EXPECT_EQ(ctx.assign("m", "1", "2", "1"), (BunsuuH{"m", "1", "2", "1"}));
  EXPECT_EQ(ctx.BunsuuHErr, 0);
  EXPECT_EQ(ctx.assign("m", "1", "2", ""), kBunHInvalid);
  EXPECT_EQ(ctx.BunsuuHErr, 8);

  EXPECT_EQ(ctx.buildFromSign(-1, "0", "3", "1"), (BunsuuH{"-1", "0", "3", "1"}));
  EXPECT_EQ(ctx.buildFromSign(1, "2", "3", "1"), (BunsuuH{"+1", "2", "3", "1"}));
  EXPECT_EQ(ctx.buildFromSign(0, "0", "1", "0"), (BunsuuH{"0", "0", "1", "0"}));
  EXPECT_EQ(ctx.BunsuuHErr, 0);
  EXPECT_EQ(ctx.buildFromSign(1, "", "3", "1"), kBunHInvalid);
  EXPECT_EQ(ctx.BunsuuHErr, 8);
}

TEST(BunsuuHCopies, AreIndependent) {
  BunsuuH a{"+1", "0", "3", "1"};
  BunsuuH b = a;
  b.numerator += "+1";
  EXPECT_EQ(a.numerator, "1");
  EXPECT_EQ(b.numerator, "1+1");
}

}  // namespace
}  // namespace ravlo
