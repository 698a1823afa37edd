#include "core/bunsuu64.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "tests/core/core_test_util.h"

namespace ravlo {
namespace {

constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
constexpr int64_t kMin = std::numeric_limits<int64_t>::min();
// kL = 8 × (2^60 − 1).
constexpr int64_t kTwo60m1 = 1152921504606846975;
constexpr int64_t kTwo60 = 1152921504606846976;

using Msgs = std::vector<std::string>;

// ---- the bound tests ----

struct CheckRow {
  const char* name;
  int64_t a;
  int64_t b;
  bool ok;
  Msgs messages;
};

TEST(Int64AddCheck, TestsTheSumOfMagnitudesAgainstTheBound) {
  const std::vector<CheckRow> rows = {
      {"5 and -3 tests 5 + 3", 5, -3, true, {}},
      {"signs differ, magnitudes pass the bound", kL, -1, false, {kSumMsg}},
      {"exactly at the bound", kL - 1, 1, true, {}},
      {"halves at the bound", kL / 2, kL / 2, true, {}},
      {"one above the bound", kL, 1, false, {kSumMsg}},
      {"above the bound although it fits in int64", kL / 2, kL / 2 + 7, false, {kSumMsg}},
      {"negative at the bound", -kL, 0, true, {}},
      {"int64 maximum alone", kMax, 0, false, {kSumMsg}},
      {"int64 minimum alone", kMin, 0, false, {kSumMsg}},
      {"int64 minimum second", 0, kMin, false, {kSumMsg}},
      {"both int64 minimum", kMin, kMin, false, {kSumMsg}},
      {"both int64 maximum", kMax, kMax, false, {kSumMsg}},
      {"zeros", 0, 0, true, {}},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    RecordingSink sink;
    EXPECT_EQ(Int64AddCheck(r.a, r.b, sink), r.ok);
    EXPECT_EQ(boxTexts(sink), r.messages);
  }
}

TEST(Int64MulCheck, TestsTheProductOfMagnitudesAgainstTheBound) {
  const std::vector<CheckRow> rows = {
      {"exactly at the bound", 8, kTwo60m1, true, {}},
      {"exactly at the bound, swapped", kTwo60m1, 8, true, {}},
      {"2^63 is over", 8, kTwo60, false, {kMulMsg}},
      {"above the bound although it fits in int64", 2, kL / 2 + 1, false, {kMulMsg}},
      {"negative factors at the bound", -2, -(kL / 2), true, {}},
      {"zero first factor", 0, 5, false, {kZeroMsg}},
      {"zero second factor", 5, 0, true, {}},
      {"both zero", 0, 0, false, {kZeroMsg}},
      {"bound times one", kL, 1, true, {}},
      {"just below sqrt(2^63)", 3037000499, 3037000499, true, {}},
      {"just above sqrt(2^63)", 3037000500, 3037000500, false, {kMulMsg}},
      {"int64 minimum times one", kMin, 1, false, {kMulMsg}},
      {"one times int64 minimum", 1, kMin, false, {kMulMsg}},
      {"int64 minimum times zero", kMin, 0, true, {}},
      {"both int64 minimum", kMin, kMin, false, {kMulMsg}},
      {"int64 maximum times -1", kMax, -1, false, {kMulMsg}},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    RecordingSink sink;
    EXPECT_EQ(Int64MulCheck(r.a, r.b, sink), r.ok);
    EXPECT_EQ(boxTexts(sink), r.messages);
  }
}

TEST(Int64Gcd, EuclidOnMagnitudesWithoutDividingByZero) {
  struct Row {
    int64_t a, b, gcd;
  };
  const std::vector<Row> rows = {
      {12, 18, 6},   {18, 12, 6},   {-12, 18, 6},      {12, -18, 6},    {7, 0, 7},
      {0, 7, 7},     {0, 0, 0},     {-7, 0, 7},        {1, kMax, 1},    {kMax, kMax, kMax},
      {kMin, 2, 2},  {kMin, 6, 2},  {kMin, kMin, kMin}, {kMin, 0, kMin}, {kL, 1000, 200},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(std::to_string(r.a) + "," + std::to_string(r.b));
    EXPECT_EQ(Int64Gcd(r.a, r.b), r.gcd);
  }
}

TEST(Int64Lcm, ProductTestedMinusOneOnFailure) {
  struct Row {
    const char* name;
    int64_t a, b, lcm;
    Msgs messages;
  };
  const std::vector<Row> rows = {
      {"plain", 4, 6, 12, {}},
      {"negative argument", -4, 6, 12, {}},
      {"zero first", 0, 5, -1, {kZeroMsg}},
      {"zero second", 5, 0, 0, {}},
      {"both zero", 0, 0, -1, {kZeroMsg}},
      {"bound with a divisor", kL, 3, kL, {}},
      {"twice the bound", kL, 16, -1, {kMulMsg}},
      {"int64 minimum", kMin, 3, -1, {kMulMsg}},
      {"coprime near the root", 3037000500, 3037000501, -1, {kMulMsg}},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    RecordingSink sink;
    EXPECT_EQ(Int64Lcm(r.a, r.b, sink), r.lcm);
    EXPECT_EQ(boxTexts(sink), r.messages);
  }
}

// ---- records and normal forms ----

TEST(BunMake, RejectsNegativePartsAndNonPositiveDenominators) {
  struct Row {
    int sign;
    int64_t i, d, n;
    Bunsuu64 expected;
  };
  const std::vector<Row> rows = {
      {1, 2, 3, 1, {1, 2, 3, 1}},   {-1, 0, 3, 2, {-1, 0, 3, 2}},   {0, 0, 1, 0, kBunZero},
      {1, -1, 3, 1, kBunInvalid},   {1, 0, 0, 1, kBunInvalid},       {1, 0, -3, 1, kBunInvalid},
      {1, 0, 3, -1, kBunInvalid},   {7, 0, 3, 1, {7, 0, 3, 1}},      {1, 0, kMin, 1, kBunInvalid},
      {1, kMax, kMax, kMax, {1, kMax, kMax, kMax}},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(BunMake(r.sign, r.i, r.d, r.n), r.expected);
  }
  EXPECT_FALSE(kBunInvalid.valid());
  EXPECT_TRUE(kBunZero.valid());
  EXPECT_EQ(kBunOne, (Bunsuu64{1, 0, 1, 1}));
}

struct UnaryRow {
  const char* name;
  Bunsuu64 in;
  Bunsuu64 out;
  Msgs messages;
};

TEST(BunToTai, ProperFormWithCheckedIntegerPart) {
  const std::vector<UnaryRow> rows = {
      {"7/3", {1, 0, 3, 7}, {1, 2, 3, 1}, {}},
      {"-7/3", {-1, 0, 3, 7}, {-1, 2, 3, 1}, {}},
      {"already proper", {1, 2, 3, 1}, {1, 2, 3, 1}, {}},
      {"whole number 6/3", {1, 1, 3, 6}, {1, 3, 3, 0}, {}},
      {"zero numerator kept", {1, 4, 5, 0}, {1, 4, 5, 0}, {}},
      {"invalid shows Debug", kBunInvalid, kBunInvalid, {kDebugMsg}},
      {"integer part passes the bound", {1, kL, 2, 5}, kBunInvalid, {kSumMsg}},
      {"integer part reaches the bound", {1, kL - 2, 2, 5}, {1, kL, 2, 1}, {}},
      {"int64 maximum parts", {1, kMax, kMax, kMax}, kBunInvalid, {kSumMsg}},
      {"negative numerator", {1, 0, 3, -7}, kBunInvalid, {}},
      {"negative denominator", {1, 0, -3, 7}, kBunInvalid, {}},
      {"int64 minimum numerator", {1, 0, 1, kMin}, kBunInvalid, {}},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    RecordingSink sink;
    EXPECT_EQ(BunToTai(r.in, sink), r.out);
    EXPECT_EQ(boxTexts(sink), r.messages);
  }
}

TEST(BunToKa, ImproperFormWithCheckedNumerator) {
  const std::vector<UnaryRow> rows = {
      {"2 1/3", {1, 2, 3, 1}, {1, 0, 3, 7}, {}},
      {"-2 1/3", {-1, 2, 3, 1}, {-1, 0, 3, 7}, {}},
      {"no integer part", {1, 0, 3, 1}, {1, 0, 3, 1}, {}},
      {"whole number", {1, 5, 1, 0}, {1, 0, 1, 5}, {}},
      {"at the bound", {1, kL / 2, 2, 0}, {1, 0, 2, kL}, {}},
      {"product over the bound", {1, kL, 2, 1}, kBunInvalid, {kMulMsg}},
      {"sum over the bound", {1, kL / 2, 2, 1}, kBunInvalid, {kSumMsg}},
      {"int64 maximum parts", {1, kMax, kMax, kMax}, kBunInvalid, {kMulMsg}},
      {"negative integer part", {1, -2, 3, 1}, kBunInvalid, {}},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    RecordingSink sink;
    EXPECT_EQ(BunToKa(r.in, sink), r.out);
    EXPECT_EQ(boxTexts(sink), r.messages);
  }
}

TEST(BunYakuNegInv, ReduceNegateInvert) {
  RecordingSink sink;
  EXPECT_EQ(BunYaku({1, 2, 6, 4}), (Bunsuu64{1, 2, 3, 2}));
  EXPECT_EQ(BunYaku({-1, 0, 90, 15}), (Bunsuu64{-1, 0, 6, 1}));
  EXPECT_EQ(BunYaku({1, 3, 6, 0}), (Bunsuu64{1, 3, 6, 0}));  // zero numerator: unchanged
  EXPECT_EQ(BunYaku(kBunInvalid), kBunInvalid);
  EXPECT_FALSE(BunYaku({1, 0, 0, 5}).valid());
  EXPECT_EQ(BunYaku({1, 0, kMin, kMin}), (Bunsuu64{1, 0, 1, 1}));

  EXPECT_EQ(BunNeg({1, 2, 3, 1}), (Bunsuu64{-1, 2, 3, 1}));
  EXPECT_EQ(BunNeg({-1, 2, 3, 1}), (Bunsuu64{1, 2, 3, 1}));
  EXPECT_EQ(BunNeg(kBunZero), kBunZero);
  EXPECT_EQ(BunNeg(kBunInvalid), kBunInvalid);

  EXPECT_EQ(BunInv({1, 2, 3, 1}, sink), (Bunsuu64{1, 0, 7, 3}));
  EXPECT_EQ(BunInv({-1, 0, 3, 2}, sink), (Bunsuu64{-1, 0, 2, 3}));
  EXPECT_EQ(BunInv(kBunZero, sink), kBunInvalid);
  EXPECT_EQ(BunInv({1, 0, 3, 0}, sink), kBunInvalid);  // a zero that keeps sign 1
  EXPECT_EQ(BunInv(kBunInvalid, sink), kBunInvalid);
  EXPECT_TRUE(sink.empty());  // the caller reports division by zero
}

TEST(BunAbsComp, ComparesMagnitudesExactly) {
  struct Row {
    const char* name;
    Bunsuu64 a, b;
    int c;
  };
  const std::vector<Row> rows = {
      {"1/2 vs 1/3", {1, 0, 2, 1}, {1, 0, 3, 1}, 1},
      {"signs ignored", {-1, 0, 2, 1}, {1, 0, 3, 1}, 1},
      {"smaller", {1, 0, 3, 1}, {-1, 0, 2, 1}, -1},
      {"equal in different forms", {1, 1, 2, 1}, {-1, 0, 4, 6}, 0},
      {"integer parts decide", {1, 2, 3, 1}, {1, 1, 2, 1}, 1},
      {"both zero", kBunZero, kBunZero, 0},
      {"zero vs one", kBunZero, kBunOne, -1},
      {"cross products past int64", {1, 0, kL, kL - 1}, {1, 0, kL - 1, kL - 2}, 1},
      {"cross products past int64, reversed", {1, 0, kL - 1, kL - 2}, {1, 0, kL, kL - 1}, -1},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    RecordingSink sink;
    EXPECT_EQ(BunAbsComp(r.a, r.b, sink), r.c);
    EXPECT_TRUE(sink.empty());
  }
}

// ---- the four operations ----

struct BinaryRow {
  const char* name;
  Bunsuu64 a, b;
  Bunsuu64 expected;
  Msgs messages;
};

void runBinary(const std::vector<BinaryRow>& rows,
               Bunsuu64 (*op)(const Bunsuu64&, const Bunsuu64&, MessageSink&)) {
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    RecordingSink sink;
    EXPECT_EQ(op(r.a, r.b, sink), r.expected);
    EXPECT_EQ(boxTexts(sink), r.messages);
  }
}

TEST(BunAdd, SignedSumsAsTheRecordsCome) {
  runBinary(
      {
          {"1/2 + 1/3 by the lcm", {1, 0, 2, 1}, {1, 0, 3, 1}, {1, 0, 6, 5}, {}},
          {"2 1/3 - 1 1/2 borrows", {1, 2, 3, 1}, {-1, 1, 2, 1}, {1, 0, 6, 5}, {}},
          {"-1/2 + 1/3", {-1, 0, 2, 1}, {1, 0, 3, 1}, {-1, 0, 6, 1}, {}},
          {"1/3 + -1/2", {1, 0, 3, 1}, {-1, 0, 2, 1}, {-1, 0, 6, 1}, {}},
          {"1/2 + -1/2 is zero with sign 0", {1, 0, 2, 1}, {-1, 0, 2, 1}, kBunZero, {}},
          {"both negative", {-1, 0, 2, 1}, {-1, 0, 3, 1}, {-1, 0, 6, 5}, {}},
          {"not normalised: 1/2 + 1/2", {1, 0, 2, 1}, {1, 0, 2, 1}, {1, 0, 2, 2}, {}},
          {"mixed parts added", {1, 1, 4, 3}, {1, 2, 6, 1}, {1, 3, 12, 11}, {}},
          {"zero + zero", kBunZero, kBunZero, kBunZero, {}},
          {"zero + -3", kBunZero, {-1, 0, 1, 3}, {-1, 3, 1, 0}, {}},
          {"3 + zero", {1, 0, 1, 3}, kBunZero, {1, 0, 1, 3}, {}},
          {"whole difference", {1, 5, 1, 0}, {-1, 2, 1, 0}, {1, 3, 1, 0}, {}},
          {"difference with equal fractions", {1, 5, 3, 1}, {-1, 2, 3, 1}, {1, 3, 1, 0}, {}},
          {"difference of fractions only", {1, 0, 3, 2}, {-1, 0, 2, 1}, {1, 0, 6, 1}, {}},
          {"sum exactly at the bound", {1, kL - 5, 1, 0}, {1, 5, 1, 0}, {1, kL, 1, 0}, {}},
          {"sum over the bound", {1, kL - 5, 1, 0}, {1, 6, 1, 0}, kBunInvalid, {kSumMsg}},
          {"numerators exactly at the bound", {1, 0, 1, kL - 5}, {1, 0, 1, 5},
           {1, 0, 1, kL}, {}},
          {"numerators over the bound", {1, 0, 1, kL - 5}, {1, 0, 1, 6}, kBunInvalid,
           {kSumMsg}},
          {"denominator product over the bound", {1, 0, 3037000500, 1}, {1, 0, 3037000500, 1},
           kBunInvalid, {kMulMsg}},
          {"scaled improper numerator over the bound", {1, 0, 2, kL - 1}, {1, 0, 3, 1},
           kBunInvalid, {kMulMsg}},
          {"difference with denominators over the bound", {1, 0, 3037000500, 1},
           {-1, 0, 3037000501, 1}, kBunInvalid, {kMulMsg}},
          {"difference needing a proper form past the bound", {1, kL, 2, 5}, {-1, 0, 1, 1},
           kBunInvalid, {kSumMsg}},
          {"invalid operand stays invalid", kBunInvalid, {1, 0, 1, 3}, kBunInvalid, {}},
          {"invalid + invalid", kBunInvalid, kBunInvalid, kBunInvalid, {}},
          {"malformed parts", {1, 0, 1, kMin}, {1, 0, 1, 3}, kBunInvalid, {}},
      },
      &BunAdd);
}

TEST(BunSub, AddsTheNegation) {
  runBinary(
      {
          {"2 1/3 - 1 1/2", {1, 2, 3, 1}, {1, 1, 2, 1}, {1, 0, 6, 5}, {}},
          {"1/3 - 1/2", {1, 0, 3, 1}, {1, 0, 2, 1}, {-1, 0, 6, 1}, {}},
          {"x - x", {1, 2, 3, 1}, {1, 2, 3, 1}, kBunZero, {}},
          {"-1/2 - 1/3", {-1, 0, 2, 1}, {1, 0, 3, 1}, {-1, 0, 6, 5}, {}},
          {"0 - 7", kBunZero, {1, 0, 1, 7}, {-1, 7, 1, 0}, {}},
          {"minus invalid", {1, 0, 1, 3}, kBunInvalid, kBunInvalid, {}},
      },
      &BunSub);
}

TEST(BunMul, ReducedProductsOfImproperForms) {
  runBinary(
      {
          {"2/3 * 3/4", {1, 0, 3, 2}, {1, 0, 4, 3}, {1, 0, 2, 1}, {}},
          {"-1 1/2 * 2/3", {-1, 1, 2, 1}, {1, 0, 3, 2}, {-1, 0, 1, 1}, {}},
          {"negative times negative", {-1, 0, 2, 1}, {-1, 0, 2, 1}, {1, 0, 4, 1}, {}},
          {"zero factor", kBunZero, {1, 0, 3, 2}, kBunZero, {}},
          {"positive zero * 3 fails the product test", {1, 0, 1, 0}, {1, 0, 1, 3}, kBunInvalid,
           {kZeroMsg}},
          {"product exactly at the bound", {1, 0, 1, 8}, {1, 0, 1, kTwo60m1}, {1, 0, 1, kL}, {}},
          {"product above the bound, fits int64", {1, 0, 1, 2}, {1, 0, 1, kL / 2 + 1},
           kBunInvalid, {kMulMsg}},
          {"product 2^63", {1, 0, 1, 8}, {1, 0, 1, kTwo60}, kBunInvalid, {kMulMsg}},
          {"denominators over the bound", {1, 0, kTwo60, 1}, {1, 0, 9, 1}, kBunInvalid,
           {kMulMsg}},
          {"no cross-cancelling before the test", {1, 0, 1, kTwo60}, {1, 0, kTwo60 / 2, 9},
           kBunInvalid, {kMulMsg}},
          {"improper form over the bound", {1, kL, 2, 1}, {1, 0, 1, 1}, kBunInvalid, {kMulMsg}},
          {"invalid times 3 stays invalid", kBunInvalid, {1, 0, 1, 3}, kBunInvalid, {}},
          {"3 times invalid", {1, 0, 1, 3}, kBunInvalid, kBunInvalid, {}},
      },
      &BunMul);
}

TEST(BunDiv, MultipliesByTheReciprocal) {
  runBinary(
      {
          {"1/2 / 1/4", {1, 0, 2, 1}, {1, 0, 4, 1}, {1, 0, 1, 2}, {}},
          {"2 1/3 / -7", {1, 2, 3, 1}, {-1, 0, 1, 7}, {-1, 0, 3, 1}, {}},
          {"by zero: invalid, reported by the caller", {1, 0, 1, 3}, kBunZero, kBunInvalid, {}},
          {"zero / 5", kBunZero, {1, 0, 1, 5}, kBunZero, {}},
          {"by positive zero", {1, 0, 1, 3}, {1, 0, 4, 0}, kBunInvalid, {}},
      },
      &BunDiv);
}

TEST(BunPow, ExactIntegerPowers) {
  struct Row {
    const char* name;
    Bunsuu64 f;
    int32_t e;
    Bunsuu64 expected;
  };
  constexpr int32_t kMinE = std::numeric_limits<int32_t>::min();
  constexpr int32_t kMaxE = std::numeric_limits<int32_t>::max();
  const std::vector<Row> rows = {
      {"(2/3)^-2", {1, 0, 3, 2}, -2, {1, 0, 4, 9}},
      {"(-2/3)^3", {-1, 0, 3, 2}, 3, {-1, 0, 27, 8}},
      {"(-2/3)^2", {-1, 0, 3, 2}, 2, {1, 0, 9, 4}},
      {"0^0", kBunZero, 0, kBunInvalid},
      {"0^5", kBunZero, 5, kBunZero},
      {"0^-1", kBunZero, -1, kBunZero},
      {"x^0", {-1, 2, 3, 1}, 0, kBunOne},
      {"reduced first: (4/6)^2", {1, 0, 6, 4}, 2, {1, 0, 9, 4}},
      {"mixed base (1 1/2)^2", {1, 1, 2, 1}, 2, {1, 0, 4, 9}},
      {"2^62 is exact", {1, 0, 1, 2}, 62, {1, 0, 1, int64_t{1} << 62}},
      {"2^63 is over", {1, 0, 1, 2}, 63, kBunInvalid},
      {"3^39 is exact", {1, 0, 1, 3}, 39, {1, 0, 1, 4052555153018976267}},
      {"3^40 is over", {1, 0, 1, 3}, 40, kBunInvalid},
      {"10^18 is exact", {1, 0, 1, 10}, 18, {1, 0, 1, 1000000000000000000}},
      {"(1/10)^-18", {1, 0, 10, 1}, -18, {1, 0, 1, 1000000000000000000}},
      {"int64 maximum^1", {1, 0, 1, kMax}, 1, {1, 0, 1, kMax}},
      {"int64 maximum^2", {1, 0, 1, kMax}, 2, kBunInvalid},
      {"1^int32 minimum", kBunOne, kMinE, kBunOne},
      {"(-1)^int32 maximum", {-1, 0, 1, 1}, kMaxE, {-1, 0, 1, 1}},
      {"2^int32 minimum", {1, 0, 1, 2}, kMinE, kBunInvalid},
      {"positive zero^-1 has no value", {1, 0, 1, 0}, -1, kBunInvalid},
      {"invalid^2", kBunInvalid, 2, kBunInvalid},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    RecordingSink sink;
    EXPECT_EQ(BunPow(r.f, r.e, sink), r.expected);
    EXPECT_TRUE(sink.empty());
  }
}

TEST(BunPow, ImproperFormOverTheBoundReportsTheProduct) {
  RecordingSink sink;
  EXPECT_EQ(BunPow({1, kL, 2, 1}, 2, sink), kBunInvalid);
  EXPECT_EQ(boxTexts(sink), Msgs{kMulMsg});
}

TEST(Messages, CaptionsAndTextsAreExact) {
  RecordingSink sink;
  Int64AddCheck(kMax, 1, sink);
  Int64MulCheck(kMax, 2, sink);
  Int64MulCheck(0, 2, sink);
  BunToTai(kBunInvalid, sink);
  const auto boxes = sink.boxes();
  ASSERT_EQ(boxes.size(), 4u);
  EXPECT_EQ(boxes[0].caption, "警告!");
  EXPECT_EQ(boxes[0].text, "和の結果がint64の範囲を超えた。");
  EXPECT_EQ(boxes[1].caption, "警告!");
  EXPECT_EQ(boxes[1].text, "積の結果がint64の範囲を超えた。");
  EXPECT_EQ(boxes[2].caption, "警告!");
  EXPECT_EQ(boxes[2].text, "０でわった。");
  EXPECT_EQ(boxes[3].caption, "Debug");
  EXPECT_EQ(boxes[3].text, "分母＝０ が発生。");
  for (const auto& b : boxes) EXPECT_EQ(b.buttons, BoxButtons::Ok);
}

}  // namespace
}  // namespace ravlo
