#include <gtest/gtest.h>

#include "render/colors.h"
#include "render/token_glyph.h"

namespace ravlo::test {

TEST(TokenGlyph, KindGlyphAndColourOfEachToken) {
  struct Row {
    const char* text;
    int kind;
    const char* glyph;
    Color color;
    bool bold;
    int length;
  };
  const Row rows[] = {
      {"+", 1, "＋", kRed, false, 1},     {"-", 2, "－", kRed, false, 1},
      {"*", 3, "×", kRed, false, 1},      {"/", 4, "÷", kRed, false, 1},
      {"^2", 5, "", kDarkRed, false, 1},  {"(", 7, "(", kBlue, false, 1},
      {")", 8, ")", kBlue, false, 1},     {"p", 9, "＋", kRed, false, 1},
      {"m3", 10, "－", kRed, false, 1},   {"[", 12, "", kPurple, false, 1},
      {"]", 13, "]", kRed, false, 1},     {"u", 14, "…", kBlue, false, 1},
      {"!", 15, "!", kDarkRed, true, 1},  {"P", 16, "P", kDarkRed, true, 1},
      {"C", 17, "C", kDarkRed, true, 1},  {"=", 20, "＝", kBlue, false, 1},
      {"x", 22, "x", kHotLight, true, 1}, {"y", 23, "y", kHotLight, true, 1},
      {"z", 24, "z", kHotLight, true, 1}, {"<", 25, "＜", kBlue, false, 1},
      {"<=", 25, "≦", kBlue, false, 2},   {">", 26, "＞", kBlue, false, 1},
      {">=3", 26, "≧", kBlue, false, 2},  {":", 27, ":", kDarkRed, true, 1},
      {"R", 32, "あまり", kRed, true, 1}, {"7", 0, "", kBlack, false, 1},
      {".5", 0, "", kBlack, false, 1},    {"b", -1, "", kBlack, false, 1},
      {"$", -1, "", kBlack, false, 1},    {"", -1, "", kBlack, false, 1},
  };
  for (const auto& row : rows) {
    TokenInfo t = TokenGlyph(row.text);
    EXPECT_EQ(t.kind, row.kind) << row.text;
    EXPECT_EQ(t.glyph, row.glyph) << row.text;
    EXPECT_EQ(t.color, row.color) << row.text;
    EXPECT_EQ(t.bold, row.bold) << row.text;
    EXPECT_EQ(t.length, row.length) << row.text;
  }
}

TEST(NextSpecial, FindsTheFirstStructuralCharacter) {
  struct Row {
    const char* text;
    int position;
    char character;
  };
  const Row rows[] = {
      {"123", -1, '\0'}, {"", -1, '\0'},    {"12b3", 3, 'b'},  {"1k3b2", 2, 'k'},
      {"0.1@6", 2, '.'}, {"16+", 3, '+'},   {"5R1", 2, 'R'},   {"9]", 2, ']'},
      {"7$", 2, '$'},    {"1&2", -1, '\0'}, {"44|5", -1, '\0'}, {"x", 1, 'x'},
  };
  for (const auto& row : rows) {
    SpecialFound s = NextSpecial(row.text);
    EXPECT_EQ(s.position, row.position) << row.text;
    EXPECT_EQ(s.character, row.character) << row.text;
  }
}

TEST(WidthUnits, CountsDigitWidths) {
  struct Row {
    const char* text;
    int units;
  };
  const Row rows[] = {
      {"", 0},        {"123", 3},   {"1+1", 4},   {"(1+2)", 6},      {"m3", 3},
      {"2*x", 4},     {"5!", 2},    {"3:4", 3},   {"0.@3", 3},       {"2^2", 2},
      {"[3B1]", 2},   {"=", 2},     {"5P2", 3},   {"\xe3\x81\x82", 0},
  };
  for (const auto& row : rows) EXPECT_EQ(WidthUnits(row.text), row.units) << row.text;
}

}  // namespace ravlo::test
