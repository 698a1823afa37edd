#include "app/model/ordinary_notation.h"

#include <gtest/gtest.h>

#include <string>

namespace ravlo {
namespace {

struct NotationCase {
  const char* name;
  const char* siki;
  const char* text;
};

class Notation : public ::testing::TestWithParam<NotationCase> {};

TEST_P(Notation, WritesTheLineAsADocumentDoes) {
  EXPECT_EQ(OrdinaryNotation(GetParam().siki), GetParam().text) << GetParam().siki;
}

// U+0307 after a digit puts a dot over it.
#define DOT "\xCC\x87"

INSTANTIATE_TEST_SUITE_P(
    Lines, Notation,
    ::testing::Values(
        NotationCase{"FractionAndMixedNumber", "3b2+1=1k3b2", "2/3+1=1 2/3"},
        NotationCase{"EveryAnswerForm", "3b1+2=2k3b1=3b7=2.33333333333333333u",
                     "1/3+2=2 1/3=7/3=2.33333333333333333…"},
        NotationCase{"ProductAndQuotient", "3b2*4b3/2=4b1", "2/3×3/4÷2=1/4"},
        NotationCase{"Decimal", "1/8=8b1=0.125", "1÷8=1/8=0.125"},
        NotationCase{"OneRepeatingDigit", "0.1@6=6b1", "0.16" DOT "=1/6"},
        NotationCase{"LongerPeriod", "1.@142857=1k7b1", "1.1" DOT "42857" DOT "=1 1/7"},
        NotationCase{"Signs", "m3+2=m1", "-3+2=-1"},
        NotationCase{"BracketedNegative", "2*(m1k2b1)=m3", "2×(-1 1/2)=-3"},
        NotationCase{"PlusSign", "p3-1=2", "+3-1=2"},
        NotationCase{"PowerOfAFraction", "(3b2)^2=9b4", "(2/3)²=4/9"},
        NotationCase{"NegativeExponent", "2^m1=2b1", "2⁻¹=1/2"},
        NotationCase{"Factorization", "600=2^3*3*5^2", "600=2³×3×5²"},
        NotationCase{"ExpressionFractions", "[3*4B4*4]+[4*3B9*3]",
                     "(4×4)/(3×4)+(9×3)/(4×3)"},
        NotationCase{"ExpressionFractionOfNumbers", "[5B2]=5b2", "2/5=2/5"},
        NotationCase{"ExpressionFractionWithWholePart", "[2K3B1+1]", "2 (1+1)/3"},
        NotationCase{"SignedExpressionFraction", "[mK3B1]", "-1/3"},
        NotationCase{"ExpressionFractionWithoutBar", "[3+1", "[3+1]"},
        NotationCase{"Ratio", "4:6=2:3&2:3", "4:6=2:3"},
        NotationCase{"AnswerColumnLeftOut", "3b2+1=1k3b2&1k3b2", "2/3+1=1 2/3"},
        NotationCase{"Remainder", "7/2=3R1", "7÷2=3あまり1"},
        NotationCase{"Equation", "2x+3=7&x＝2", "2x+3=7 → x=2"},
        NotationCase{"FractionSolution", "3x=2&x＝3b2", "3x=2 → x=2/3"},
        NotationCase{"Inequality", "2x<=4&x≦2", "2x≦4 → x≦2"},
        NotationCase{"NoSingleSolution", "0x=1&x＝(不能)", "0x=1 → x=(不能)"},
        NotationCase{"FactorialAndCombinations", "5!+5P2+5C2=150", "5!+5P2+5C2=150"},
        NotationCase{"BaseN", "255(10)=FF(16)", "255(10)=FF(16)"},
        NotationCase{"Empty", "", ""}),
    [](const ::testing::TestParamInfo<NotationCase>& row) { return row.param.name; });

#undef DOT

}  // namespace
}  // namespace ravlo
