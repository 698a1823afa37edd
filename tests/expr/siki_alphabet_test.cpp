#include <gtest/gtest.h>

#include <string>

#include "expr/siki_alphabet.h"
#include "expr/single_number.h"
#include "expr/siki_rewrite.h"

namespace ravlo {
namespace {

TEST(DisplayForm, TokenCharactersShowTheirScreenForm) {
  struct Row {
    char c;
    const char* shown;
  };
  const Row rows[] = {
      {'0', "0"}, {'7', "7"},  {'.', "."},  {'u', "…"},  {'p', "＋"}, {'m', "－"},
      {'+', "＋"}, {'-', "－"}, {'*', "×"},  {'/', "÷"},  {'^', "＾"}, {'!', "!"},
      {'P', "P"},  {'C', "C"},  {'(', "("},  {')', ")"},  {'x', "x"},  {'y', "y"},
      {'z', "z"},  {'<', "＜"}, {'>', "＞"}, {':', "："}, {'=', "＝"}, {'R', "あまり"},
      // drawn by the layout, not as text
      {'b', ""}, {'k', ""}, {'@', ""}, {'[', ""}, {']', ""}, {'K', ""}, {'B', ""}, {'&', ""},
      // not in the alphabet
      {'%', ""}, {'$', ""}, {'a', ""}, {'\0', ""}, {'\xff', ""},
  };
  for (const auto& r : rows) EXPECT_EQ(displayForm(r.c), r.shown) << "char " << int(r.c);
}

TEST(Alphabet, MembershipAndOperandSplitters) {
  for (char c : std::string("0123456789bk.@upm+-*/^!PC()[]KBxyz<>:=&R")) {
    EXPECT_TRUE(isSikiChar(c)) << c;
  }
  for (char c : std::string("$%nqarX_ \t\"")) EXPECT_FALSE(isSikiChar(c)) << c;
  EXPECT_FALSE(isSikiChar('\0'));
  EXPECT_FALSE(isSikiChar('\x80'));

  for (char c : std::string("+-*/^=:")) EXPECT_TRUE(isBinaryOperator(c)) << c;
  for (char c : std::string("pmbk.@0!PC()<>&")) EXPECT_FALSE(isBinaryOperator(c)) << c;
  EXPECT_FALSE(isBinaryOperator('\0'));
}

TEST(OpKind, TriesOperatorsInFixedOrderSkippingTheSignPosition) {
  struct Row {
    const char* text;
    int kind;
    std::size_t pos;
  };
  const Row rows[] = {
      {"3+2", 1, 2},   {"m3+2", 1, 3},   {"3-2+1", 1, 4},  // "+" is tried before "-"
      {"3*2-1", 2, 4}, {"3/2*1", 3, 4},  {"6/3", 4, 2},    {"2^3", 5, 2},
      {"5!", 6, 2},    {"5P2", 7, 2},    {"5C2", 8, 2},    {"(3b2)^2", 5, 6},
      {"-3-2", -1, 0},  // only the first occurrence counts, and it is a sign
      {"+3", -1, 0},   {"m3", -1, 0},    {"3b2", -1, 0},   {"1k3b2", -1, 0},
      {"0.1@6", -1, 0}, {"", -1, 0},     {"x", -1, 0},     {"3=", -1, 0},
  };
  for (const auto& r : rows) {
    OpKindResult k = OpKind(r.text);
    EXPECT_EQ(k.kind, r.kind) << r.text;
    EXPECT_EQ(k.pos, r.pos) << r.text;
  }
}

TEST(TanSuuCheck, RecognisesOnePlainNumber) {
  struct Row {
    const char* text;
    bool single;
  };
  const Row rows[] = {
      {"3", true},       {"m3", true},    {"3b2", true},    {"1k3b2", true},
      {"(m3b2)", true},  {"1.5", true},   {"0.1@6", true},  {"m0.5", true},
      {"1k3", false},    {"3b", false},   {".5", false},    {"1.", false},
      {"(3", false},     {"3)", false},   {"3+2", false},   {"(1+2)", false},
      {"m3-", false},    {"5!", false},   {"2^2", false},   {"", true},
      {"b3", true},  // only a trailing bar is refused
  };
  for (const auto& r : rows) EXPECT_EQ(TanSuuCheck(r.text), r.single) << r.text;
}

TEST(KakeruHokan, WritesOutImpliedMultiplication) {
  struct Row {
    const char* in;
    const char* out;
  };
  const Row rows[] = {
      {"2(3+1)", "2*(3+1)"},     {"(1+1)(2)", "(1+1)*(2)"}, {"(1+1)2", "(1+1)*2"},
      {"3b2(1)", "3b2*(1)"},     {"12(3)(4)5", "12*(3)*(4)*5"},
      {"X(2)", "X*(2)"},         {"Y(2)+Z(1)", "Y*(2)+Z*(1)"},
      {"x(2)", "x(2)"},  // lower-case variables are the solver's business
      {"2*(3)", "2*(3)"},        {"((2))", "((2))"},        {"m(3)", "m(3)"},
      {"", ""},                  {"(", "("},                {"3!(2)", "3!*(2)"},
  };
  for (const auto& r : rows) EXPECT_EQ(KakeruHokan(r.in), r.out) << r.in;
}

TEST(SignedBracket, BecomesAProduct) {
  EXPECT_EQ(signedBracketToProduct("m(1+2)"), "m1*(1+2)");
  EXPECT_EQ(signedBracketToProduct("2*p(3)"), "2*(3)");
  EXPECT_EQ(signedBracketToProduct("m(1)-p(2)+m(3)"), "m1*(1)-(2)+m1*(3)");
  EXPECT_EQ(signedBracketToProduct("m3+p4"), "m3+p4");
  EXPECT_EQ(signedBracketToProduct(""), "");
}

}  // namespace
}  // namespace ravlo
