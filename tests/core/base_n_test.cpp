#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

#include "core/base_n.h"
#include "core/base_n_line.h"

namespace ravlo {
namespace {

TEST(BaseN, NsinToJu) {
  struct Row {
    const char* text;
    int n;
    const char* decimal;
  } rows[] = {
      {"FF", 16, "255"},
      {"ff", 16, "n"},
      {"102", 2, "n"},
      {"11", 2, "3"},
      {"0", 2, "0"},
      {"000", 7, "0"},
      {"00000000000000000000000000000000000000000001", 16, "1"},  // leading zeros are fine
      {"7FFFFFFFFFFFFFFF", 16, "9223372036854775807"},
      {"8000000000000000", 16, "n"},  // past int64: refused, not wrapped
      {"FFFFFFFFFFFFFFFFF", 16, "n"},
      {"111111111111111111111111111111111111111111111111111111111111111", 2,
       "9223372036854775807"},
      {"1000000000000000000000000000000000000000000000000000000000000000", 2, "n"},
      {"9223372036854775807", 10, "9223372036854775807"},
      {"9223372036854775808", 10, "n"},
      {"G", 16, "n"},
      {"A", 10, "n"},
      {"9", 9, "n"},
      {"", 10, "n"},
      {"-1", 10, "n"},
      {"+1", 10, "n"},
      {"1 ", 10, "n"},
      {"1", 1, "n"},
      {"1", 17, "n"},
      {"1", 0, "n"},
      {"1", -2, "n"},
  };
  for (const auto& row : rows)
    EXPECT_EQ(NsinToJu(row.text, row.n), row.decimal) << row.text << " base " << row.n;
}

TEST(BaseN, JuToNsin) {
  struct Row {
    const char* text;
    int m;
    const char* digits;
  } rows[] = {
      {"255", 16, "FF"},
      {"5", 16, "5"},
      {"0", 2, "0"},
      {"-1", 2, "n"},
      {"16", 16, "10"},
      {"15", 16, "F"},
      {"10", 10, "10"},
      {"9223372036854775807", 16, "7FFFFFFFFFFFFFFF"},
      {"9223372036854775807", 2,
       "111111111111111111111111111111111111111111111111111111111111111"},
      {"9223372036854775808", 16, "n"},  // does not read as int64
      {"-9223372036854775808", 16, "n"},
      {"12a", 16, "n"},
      {"", 16, "n"},
      {"1.5", 2, "n"},
      {"255", 1, "n"},
      {"255", 17, "n"},
  };
  for (const auto& row : rows)
    EXPECT_EQ(JuToNsin(row.text, row.m), row.digits) << row.text << " base " << row.m;
}

TEST(BaseN, NsinToMsin) {
  EXPECT_EQ(NsinToMsin("777", 8, 2), "111111111");
  EXPECT_EQ(NsinToMsin("12", 3, 5), "10");
  EXPECT_EQ(NsinToMsin("FF", 16, 16), "FF");
  EXPECT_EQ(NsinToMsin("8", 8, 2), "n");
  EXPECT_EQ(NsinToMsin("7", 8, 17), "n");
  EXPECT_EQ(NsinToMsin("7FFFFFFFFFFFFFFF", 16, 2),
            "111111111111111111111111111111111111111111111111111111111111111");
}

TEST(BaseN, EveryBaseRoundTrips) {
  std::mt19937_64 rng(7);
  std::vector<std::int64_t> values = {0, 1, 2, 15, 16, 17, 255, INT64_MAX, INT64_MAX - 1,
                                      std::int64_t{1} << 62};
  for (int i = 0; i < 300; ++i) values.push_back(static_cast<std::int64_t>(rng() >> (1 + i % 63)));
  for (int base = 2; base <= 16; ++base) {
    for (std::int64_t v : values) {
      const std::string decimal = std::to_string(v);
      const std::string digits = JuToNsin(decimal, base);
      ASSERT_NE(digits, "n") << v << " base " << base;
      ASSERT_EQ(NsinToJu(digits, base), decimal) << v << " base " << base;
      ASSERT_EQ(NsinToMsin(digits, base, 10), decimal);
      ASSERT_EQ(NsinToMsin(digits, base, 17 - base + 1 > 16 ? 16 : 17 - base + 1),
                JuToNsin(decimal, 17 - base + 1 > 16 ? 16 : 17 - base + 1));
    }
  }
}

TEST(BaseNLine, Conversions) {
  struct Row {
    const char* text;
    const char* line;
  } rows[] = {
      {"255>(16", "255(10)=FF(16)"},
      {"255>(16)", "255(10)=FF(16)"},
      {"11(2", "11(2)=3(10)"},
      {"11(2)", "11(2)=3(10)"},
      {"12(3>5", "12(3)=10(5)"},
      {"12(3>5)", "12(3)=10(5)"},
      {"777(8>2", "777(8)=111111111(2)"},
      {"FF(16>10", "FF(16)=255(10)"},
      {"0>(2", "0(10)=0(2)"},
      {"9223372036854775807>(16", "9223372036854775807(10)=7FFFFFFFFFFFFFFF(16)"},
  };
  for (const auto& row : rows) {
    RecordingSink sink;
    const NsinLine r = NsinHenkanLine(row.text, sink);
    EXPECT_EQ(r.outcome, NsinLine::Outcome::Converted) << row.text;
    EXPECT_EQ(r.line, row.line) << row.text;
    EXPECT_TRUE(sink.empty()) << row.text;
  }
}

TEST(BaseNLine, FailuresShowTheFormatHelp) {
  for (const char* text : {"12(1", "12(17", "255>(1", "255>(", "255", "2(2", "FF(15", "ff(16",
                           "12(3>1", "12(3>", "(16", ">(16", "8000000000000000(16",
                           "9223372036854775808>(2", "-5>(2", "12(x", "12(+3", "1(2>3>4",
                           "12>(3>5", "+5>(2", "-0>(2", " 5>(2"}) {
    RecordingSink sink;
    const NsinLine r = NsinHenkanLine(text, sink);
    EXPECT_EQ(r.outcome, NsinLine::Outcome::Failed) << text;
    ASSERT_EQ(sink.boxes().size(), 1u) << text;
    EXPECT_EQ(sink.boxes()[0].caption, "ｎ進法の変換！");
    EXPECT_EQ(sink.boxes()[0].text,
              "◇書式◇\n\n　1232(n) ････ｎ進数の1234を10進数にする\n　1232>(n) ････10進数の1234を"
              "ｎ進数にする\n　1232(n>m) ････ｎ進数の1234をｍ進数にする\n　＊最後の ） は省略可");
  }
}

TEST(BaseNLine, EmptyOrAnsweredLinesAreLeftAlone) {
  for (const char* text : {"", "255(10)=FF(16)", "="}) {
    RecordingSink sink;
    EXPECT_EQ(NsinHenkanLine(text, sink).outcome, NsinLine::Outcome::Nothing) << text;
    EXPECT_TRUE(sink.empty());
  }
}

}  // namespace
}  // namespace ravlo
