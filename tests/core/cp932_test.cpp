#include "core/cp932.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace ravlo {
namespace {

using namespace std::string_literals;

struct EncodeRow {
  std::string utf8;
  std::string cp932;
  bool lossless;
};

TEST(Cp932, EncodesUtf8) {
  const EncodeRow rows[] = {
      {"", "", true},
      {"abc=1\r\n", "abc=1\r\n", true},
      {"▼計算画面▼", "\x81\xA5\x8C\x76\x8E\x5A\x89\xE6\x96\xCA\x81\xA5", true},
      {"ＭＳ ゴシック", "\x82\x6C\x82\x72\x20\x83\x53\x83\x56\x83\x62\x83\x4E", true},
      {"値", "\x92\x6C", true},
      {"C:\\dir~1", "C:\\dir~1", true},  // backslash and tilde stay ASCII
      {"①～－∥￢", "\x87\x40\x81\x60\x81\x7C\x81\x61\x81\xCA", true},
      {"ｱｶﾞ", "\xB1\xB6\xDE", true},
      {"¥", "\x5C", true},  // look-alike folded into the code page's own character
      {"a\0b"s, "a\0b"s, true},
      {"é", "?", false},
      {"a😀b", "a?b", false},
      {"\xFF", "?", false},
      {"x\xED\xA0\x80y", "x???y", false},  // an encoded surrogate is no UTF-8
      {"\xE3\x81", "??", false},           // cut off at the end
      {"\xC0\x80", "??", false},           // overlong NUL
  };
  for (const auto& row : rows) {
    TextConversion got = utf8ToCp932(row.utf8);
    EXPECT_EQ(got.text, row.cp932) << row.utf8;
    EXPECT_EQ(got.lossless, row.lossless) << row.utf8;
  }
}

struct DecodeRow {
  std::string cp932;
  std::string utf8;
  bool lossless;
};

TEST(Cp932, DecodesBytes) {
  const DecodeRow rows[] = {
      {"", "", true},
      {"\x81\xA5\x8E\xAE\x82\xCC\x95\x5C\x8E\xA6\x81\xA5", "▼式の表示▼", true},
      {"\x5C\x7E", "\\~", true},
      {"\x81\x60\x81\x7C\x81\x61\x81\xCA\x81\x91", "～－∥￢￠", true},
      {"\x87\x40\xB1", "①ｱ", true},
      {"\xF0\x40", "\xEE\x80\x80", true},  // user-defined area to the private use area
      {"\x80", "\xEF\xBF\xBD", false},
      {"\xA0\xFD\xFE\xFF", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD", false},
      {"ab\x81", "ab\xEF\xBF\xBD", false},         // lead byte cut off at the end
      {"\x81\x20=", "\xEF\xBF\xBD =", false},      // bad trail byte: only the lead is lost
      {"a\0\x82\xA0"s, "a\0あ"s, true},
  };
  for (const auto& row : rows) {
    TextConversion got = cp932ToUtf8(row.cp932);
    EXPECT_EQ(got.text, row.utf8);
    EXPECT_EQ(got.lossless, row.lossless);
  }
}

// Every character the code page holds comes back unchanged from its code-page form.
TEST(Cp932, EveryDoubleByteCharacterRoundTrips) {
  int decoded = 0;
  for (int lead = 0x81; lead <= 0xFC; ++lead) {
    if (lead >= 0xA0 && lead <= 0xDF) continue;
    for (int trail = 0x40; trail <= 0xFC; ++trail) {
      if (trail == 0x7F) continue;
      std::string bytes{static_cast<char>(lead), static_cast<char>(trail)};
      TextConversion text = cp932ToUtf8(bytes);
      if (!text.lossless) continue;
      ++decoded;
      ASSERT_TRUE(isValidUtf8(text.text));
      TextConversion back = utf8ToCp932(text.text);
      ASSERT_TRUE(back.lossless) << std::hex << lead << trail;
      EXPECT_EQ(cp932ToUtf8(back.text).text, text.text) << std::hex << lead << trail;
      EXPECT_EQ(displayWidth(text.text), 2u) << std::hex << lead << trail;
    }
  }
  // JIS X 0208, NEC and IBM extensions and the user-defined area: well over 9000 codes.
  EXPECT_GT(decoded, 9000);
}

TEST(Cp932, RandomBytesNeverBreakEitherDirection) {
  std::mt19937 rng(932);
  std::uniform_int_distribution<int> byte(0, 255);
  std::uniform_int_distribution<int> length(0, 64);
  for (int i = 0; i < 2000; ++i) {
    std::string junk;
    for (int n = length(rng); n > 0; --n) junk += static_cast<char>(byte(rng));
    TextConversion text = cp932ToUtf8(junk);
    EXPECT_TRUE(isValidUtf8(text.text));
    TextConversion bytes = utf8ToCp932(junk);
    // Whatever came in, what goes out decodes cleanly.
    EXPECT_TRUE(cp932ToUtf8(bytes.text).lossless);
    displayWidth(junk);
  }
}

TEST(Cp932, Utf8Validity) {
  const std::pair<std::string, bool> rows[] = {
      {"", true},
      {"plain ascii", true},
      {"分数計算器『ラヴロ(RS)』", true},
      {"\xF0\x9F\x98\x80", true},
      {"\xF4\x8F\xBF\xBF", true},   // U+10FFFF
      {"\xF4\x90\x80\x80", false},  // above U+10FFFF
      {"\xC0\x80", false},
      {"\xE0\x80\x80", false},
      {"\xED\xA0\x80", false},
      {"\xF5\x80\x80\x80", false},
      {"\x80", false},
      {"\xE3\x81", false},
      {"\x81\xA5\x8C\x76", false},  // "▼計" in the code page
      {"\xB1\xB2", false},          // half-width katakana in the code page
  };
  for (const auto& [text, valid] : rows) EXPECT_EQ(isValidUtf8(text), valid) << text;
}

TEST(Cp932, DisplayWidthCountsColumnsOfTheCodePageForm) {
  const std::pair<std::string, std::size_t> rows[] = {
      {"", 0},
      {"3b2+1=", 6},
      {"計算", 4},
      {"ｱｲｳﾞ", 4},
      {"ＭＳ ゴシック", 13},
      {"①α", 4},
      {"¥", 1},
      {"é", 1},
      {"한", 2},
      {"😀", 2},
      {"\xFF", 1},
      {"a\xE3\x81", 3},
  };
  for (const auto& [text, width] : rows) EXPECT_EQ(displayWidth(text), width) << text;
}

TEST(Cp932, CodePointCount) {
  EXPECT_EQ(codePointCount(""), 0u);
  EXPECT_EQ(codePointCount("ab"), 2u);
  EXPECT_EQ(codePointCount("▼計算▼"), 4u);
  EXPECT_EQ(codePointCount("a\xFF\xE3\x81"), 4u);
}

}  // namespace
}  // namespace ravlo
