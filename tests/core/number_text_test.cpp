#include "core/number_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "tests/core/core_test_util.h"

namespace ravlo {
namespace {

using Msgs = std::vector<std::string>;

std::string int64Msg(const std::string& text) {
  return std::string(kInt64CheckCaption) + "|(int64StrMaxCheck)\n文字列< " + text +
         " >は int64 の有効値を超えた。";
}

struct ReadRow {
  const char* text;
  Bunsuu64 expected;
  Msgs messages;
};

void runReads(const std::vector<ReadRow>& rows) {
  for (const auto& r : rows) {
    SCOPED_TRACE(r.text);
    RecordingSink sink;
    NumberText nt(sink);
    EXPECT_EQ(nt.StrToBun(r.text), r.expected);
    EXPECT_EQ(boxTexts(sink), r.messages);
  }
}

TEST(StrToBun, ReadsIntegersFractionsAndMixedNumbersAsWritten) {
  runReads({
      {"2k3b1", {1, 2, 3, 1}, {}},
      {"3b2", {1, 0, 3, 2}, {}},  // denominator first: two thirds
      {"m3b2", {-1, 0, 3, 2}, {}},
      {"(m3b2)", {-1, 0, 3, 2}, {}},
      {"((3))", {1, 0, 1, 3}, {}},
      {"3b0", {1, 0, 3, 0}, {}},  // a zero that keeps sign 1
      {"1b0", {1, 0, 1, 0}, {}},
      {"0", kBunZero, {}},
      {"m0", kBunZero, {}},
      {"7", {1, 0, 1, 7}, {}},
      {"m3", {-1, 0, 1, 3}, {}},
      {"(m3)", {-1, 0, 1, 3}, {}},
      {"p5", {1, 0, 1, 5}, {}},
      {"-4", {-1, 0, 1, 4}, {}},
      {"+4", {1, 0, 1, 4}, {}},
      {"6b4", {1, 0, 6, 4}, {}},  // not reduced
      {"1k3b5", {1, 1, 3, 5}, {}},  // not normalised
      {"007", {1, 0, 1, 7}, {}},
      {"9223372036854775807", {1, 0, 1, std::numeric_limits<int64_t>::max()}, {}},
  });
}

TEST(StrToBun, FailuresGiveTheInvalidValue) {
  runReads({
      {"0b3", kBunInvalid, {}},  // denominator 0
      {"9223372036854775808", kBunInvalid, {int64Msg("9223372036854775808")}},
      {"1b9223372036854775808", kBunInvalid, {int64Msg("9223372036854775808")}},
      {"99999999999999999999k3b1", kBunInvalid, {int64Msg("99999999999999999999")}},
      {"", kBunInvalid, {int64Msg("")}},
      {"m", kBunInvalid, {int64Msg("")}},
      {"3b", kBunInvalid, {int64Msg("")}},
      {"b3", kBunInvalid, {int64Msg("")}},
      {"k3b1", kBunInvalid, {int64Msg("")}},
      {"3b2+1", kBunInvalid, {int64Msg("2+1")}},
      {"x", kBunInvalid, {int64Msg("x")}},
      {"1 2", kBunInvalid, {int64Msg("1 2")}},
      {"(1)+(2)", kBunInvalid, {int64Msg("(1)+(2)")}},
      // Fields carry no sign of their own: no negative part can get into the record.
      {"m-5", kBunInvalid, {}},
      {"3b-2", kBunInvalid, {}},
      {"-9223372036854775808", kBunInvalid, {int64Msg("9223372036854775808")}},
  });
}

TEST(SyoToBun, DecimalsAndRepeatingDecimals) {
  struct Row {
    const char* text;
    Bunsuu64 expected;
  };
  const std::vector<Row> exact = {
      {"1.25", {1, 1, 100, 25}},
      {"m0.5", {-1, 0, 10, 5}},
      {"-0.5", {-1, 0, 10, 5}},
      {"p0.5", {1, 0, 10, 5}},
      {"12.@3", {1, 12, 90, 30}},  // 12 1/3, unreduced
      {"0.05", {1, 0, 100, 5}},
      {"0.0", kBunZero},
      {"m0.000", kBunZero},
      {"3.0", {1, 3, 10, 0}},
      {"0.123456789012345678", {1, 0, 1000000000000000000, 123456789012345678}},
  };
  for (const auto& r : exact) {
    SCOPED_TRACE(r.text);
    RecordingSink sink;
    EXPECT_EQ(SyoToBun(r.text, sink), r.expected);
    EXPECT_TRUE(sink.empty());
  }
  struct ValueRow {
    const char* text;
    int sign;
    int64_t p, q;  // the reduced value p/q
  };
  const std::vector<ValueRow> values = {
      {"0.@3", 1, 1, 3},       {"m0.@3", -1, 1, 3},      {"0.1@6", 1, 1, 6},
      {"m0.1@6", -1, 1, 6},    {"1.@142857", 1, 8, 7},   {"0.@9", 1, 1, 1},
      {"0.1@23", 1, 61, 495},  {"(m0.1@6)", -1, 1, 6},   {"2.@0", 1, 2, 1},
  };
  for (const auto& r : values) {
    SCOPED_TRACE(r.text);
    RecordingSink sink;
    const Bunsuu64 v = BunYaku(BunToKa(StrToBun(r.text, sink), sink));
    EXPECT_EQ(v, (Bunsuu64{static_cast<int8_t>(r.sign), 0, r.q, r.p}));
    EXPECT_TRUE(sink.empty());
  }
}

TEST(SyoToBun, FailuresGiveTheInvalidValue) {
  struct Row {
    const char* text;
    Msgs messages;
  };
  const std::vector<Row> rows = {
      {"0.@", {int64Msg("")}},  // "@" with no digit after it
      {"1.2@", {int64Msg("")}},
      {"1.", {int64Msg("")}},
      {".5", {int64Msg("")}},
      {"1.2.3", {int64Msg("2.3")}},
      {"0.1234567890123456789", {kMulMsg}},  // 10^19 passes the bound
      {"99999999999999999999.5", {int64Msg("99999999999999999999")}},
      {"0.@1234567890123456789", {int64Msg("9999999999999999999")}},
      {"1.+5", {}},
      {"1.-5", {}},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.text);
    RecordingSink sink;
    EXPECT_EQ(StrToBun(r.text, sink), kBunInvalid);
    EXPECT_EQ(boxTexts(sink), r.messages);
  }
}

TEST(JunSToBun, RepeatingPartAlone) {
  RecordingSink sink;
  EXPECT_EQ(JunSToBun("0.1@6", sink), (Bunsuu64{1, 0, 90, 6}));
  EXPECT_EQ(JunSToBun("0.@3", sink), (Bunsuu64{1, 0, 9, 3}));
  EXPECT_EQ(JunSToBun("5.25@142", sink), (Bunsuu64{1, 0, 99900, 142}));
  EXPECT_TRUE(sink.empty());
  // No "@", or "@" before ".": invalid without a message.
  EXPECT_EQ(JunSToBun("0.16", sink), kBunInvalid);
  EXPECT_EQ(JunSToBun("1@3", sink), kBunInvalid);
  EXPECT_EQ(JunSToBun("@3.1", sink), kBunInvalid);
  EXPECT_TRUE(sink.empty());
  EXPECT_EQ(JunSToBun("0.@", sink), kBunInvalid);
  EXPECT_EQ(boxTexts(sink), Msgs{int64Msg("")});
}

TEST(BunToStr, WritesTheCanonicalNumberText) {
  struct Row {
    Bunsuu64 f;
    bool brackets;
    const char* text;
  };
  const std::vector<Row> rows = {
      {{-1, 2, 3, 1}, true, "(m2k3b1)"},
      {{-1, 2, 3, 1}, false, "m2k3b1"},
      {{1, 0, 3, 2}, true, "3b2"},
      {{-1, 1, 2, 1}, true, "(m1k2b1)"},
      {{1, 7, 1, 0}, false, "7"},
      {{1, 0, 1, 7}, false, "1b7"},
      {{-1, 7, 1, 0}, true, "(m7)"},
      {{-1, 7, 1, 0}, false, "m7"},
      {kBunZero, true, "0"},
      {{1, 0, 3, 0}, false, "0"},  // never ‹1b0›
      {{-1, 0, 3, 0}, true, "0"},  // never ‹m0›
      {kBunInvalid, true, "n"},
      {{1, 0, 0, 5}, false, "n"},
      {{1, 9223372036854775807, 9223372036854775807, 9223372036854775806}, false,
       "9223372036854775807k9223372036854775807b9223372036854775806"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.text);
    EXPECT_EQ(BunToStr(r.f, r.brackets), r.text);
  }
}

TEST(BunToStr, ReadsBackToTheSameRecord) {
  RecordingSink sink;
  for (int64_t d = 1; d <= 12; ++d) {
    for (int64_t n = 1; n <= 30; ++n) {
      for (int64_t i : {int64_t{0}, int64_t{3}}) {
        for (int8_t s : {int8_t{1}, int8_t{-1}}) {
          const Bunsuu64 f{s, i, d, n};
          EXPECT_EQ(StrToBun(BunToStr(f, true), sink), f) << BunToStr(f, true);
          EXPECT_EQ(StrToBun(BunToStr(f, false), sink), f) << BunToStr(f, false);
        }
      }
    }
  }
  EXPECT_TRUE(sink.empty());
}

TEST(BunToSyoStr, EighteenPlacesAndTheTerminationFlag) {
  struct Row {
    Bunsuu64 f;
    const char* text;
    int flag;
  };
  constexpr int64_t kL = kInt64Bound;
  const std::vector<Row> rows = {
      {{1, 0, 3, 1}, "0.333333333333333333", 0},
      {{1, 0, 4, 5}, "1.25", 1},
      {{-1, 2, 2, 1}, "m2.5", 1},
      {{1, 0, 3, 2}, "0.666666666666666667", 0},
      {{1, 0, 7, 1}, "0.142857142857142857", 0},
      {{1, 0, 8, 1}, "0.125", 1},
      {{-1, 0, 6, 1}, "m0.166666666666666667", 0},
      {{1, 0, 1, 7}, "7", 1},
      {{1, 3, 4, 0}, "3", 1},
      {kBunZero, "0", 1},
      {{1, 0, 3, 0}, "0", 1},
      {{-1, 0, 3, 0}, "0", 1},
      {{1, 0, 40, 1}, "0.025", 1},
      {{1, 0, 12, 6}, "0.5", 1},  // 6/12 terminates although 12 does not divide a power of 10
      {{1, 0, 1024, 1}, "0.0009765625", 1},
      // Just below 1: rounding to 18 places must not turn the value into "0." or "1.".
      {{1, 0, kL, kL - 1}, "0.999999999999999999", 0},
      {{1, 5, kL, kL - 1}, "5.999999999999999999", 0},
      // Non-zero but below half a unit of the 18th place: the zeros stay.
      {{1, 0, kL, 1}, "0.000000000000000000", 0},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.text);
    RecordingSink sink;
    NumberText nt(sink);
    nt.SyoOwariFlag = 1 - r.flag;  // make sure the call sets it
    EXPECT_EQ(nt.BunToSyoStr(r.f), r.text);
    EXPECT_EQ(nt.SyoOwariFlag, r.flag);
    EXPECT_TRUE(sink.empty());
  }
}

TEST(BunToSyoStr, InvalidGivesNAndLeavesTheFlag) {
  RecordingSink sink;
  NumberText nt(sink);
  nt.SyoOwariFlag = 0;
  EXPECT_EQ(nt.BunToSyoStr(kBunInvalid), "n");
  EXPECT_EQ(nt.SyoOwariFlag, 0);
  EXPECT_EQ(boxTexts(sink), Msgs{kDebugMsg});
  sink.clear();
  EXPECT_EQ(nt.BunToSyoStr({1, kInt64Bound, 2, 5}), "n");  // proper form passes the bound
  EXPECT_EQ(boxTexts(sink), Msgs{kSumMsg});
}

TEST(Int64StrMaxCheck, FullInt64RangeDigitsOnly) {
  struct Row {
    const char* text;
    bool ok;
  };
  const std::vector<Row> rows = {
      {"9223372036854775807", true},   {"9223372036854775808", false},
      {"-9223372036854775808", true},  {"-9223372036854775809", false},
      {"+9223372036854775807", true},  {"0", true},
      {"-0", true},                    {"00000000000000000000000001", true},
      {"", false},                     {"-", false},
      {"+", false},                    {" 1", false},
      {"1 ", false},                   {"1e3", false},
      {"0x10", false},                 {"--1", false},
      {"99999999999999999999", false}, {"12a", false},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.text);
    RecordingSink sink;
    NumberText nt(sink);
    EXPECT_EQ(nt.int64StrMaxCheck(r.text, false), r.ok);
    EXPECT_TRUE(sink.empty());
    EXPECT_EQ(nt.int64StrMaxCheck(r.text, true), r.ok);
    EXPECT_EQ(boxTexts(sink), r.ok ? Msgs{} : Msgs{int64Msg(r.text)});
  }
}

TEST(AnnoCut, CutsAtTheFirstAmpersandAndKeepsTheRest) {
  RecordingSink sink;
  NumberText nt(sink);
  EXPECT_EQ(nt.AnnoCut("2x+3=7&x＝2"), "2x+3=7");
  EXPECT_EQ(nt.AnnoText, "x＝2");
  EXPECT_EQ(nt.AnnoCut("a&b&c"), "a");
  EXPECT_EQ(nt.AnnoText, "b&c");
  EXPECT_EQ(nt.AnnoCut("1+1=2"), "1+1=2");
  EXPECT_EQ(nt.AnnoText, "");
  EXPECT_EQ(nt.AnnoCut("1=&"), "1=");
  EXPECT_EQ(nt.AnnoText, "");
}

TEST(SikiCutAnsX, AnnotationCutForEquationsAnswerCutOtherwise) {
  RecordingSink sink;
  NumberText nt(sink);
  EXPECT_EQ(nt.SikiCutAnsX("2x+3=7&x＝2", true), "2x+3=7");
  EXPECT_EQ(nt.AnnoText, "x＝2");
  nt.AnnoText = "kept";
  EXPECT_EQ(nt.SikiCutAnsX("3b2+1=1k3b2&1k3b2", true), "3b2+1=");
  EXPECT_EQ(nt.SikiCutAnsX("3b2+1=1k3b2&1k3b2", false), "3b2+1");
  EXPECT_EQ(nt.AnnoText, "kept");
  EXPECT_EQ(nt.SikiCutAnsX("3b2+1", true), "3b2+1");
}

TEST(SuuSyurui, KindOfANumberText) {
  struct Row {
    const char* text;
    int kind;
    bool message;
  };
  const std::vector<Row> rows = {
      {"12", 0, false},     {"m12", 0, false},     {"1.5", 1, false},  {"m0.1@6", 2, false},
      {"3b2", -1, false},   {"1k3b2", -1, false},  {"0b3", -1, false}, {"1.", -1, true},
      {"abc", -1, true},    {"(1.5)", 1, false},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.text);
    RecordingSink sink;
    NumberText nt(sink);
    EXPECT_EQ(nt.SuuSyurui(r.text), r.kind);
    EXPECT_EQ(sink.empty(), !r.message);
  }
}

TEST(YakuKanou, CommonFactorOfNumeratorAndDenominator) {
  struct Row {
    const char* text;
    bool reducible;
  };
  const std::vector<Row> rows = {
      {"6b4", true},  {"3b2", false}, {"2k4b2", true}, {"m9b3", true}, {"7", false},
      {"0", false},   {"3b0", false}, {"1.5", true},   {"0.@3", true}, {"x", false},
      {"9223372036854775806b9223372036854775806", true},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.text);
    NullSink sink;
    NumberText nt(sink);
    EXPECT_EQ(nt.YakuKanou(r.text), r.reducible);
  }
}

}  // namespace
}  // namespace ravlo
