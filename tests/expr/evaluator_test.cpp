#include "expr/evaluator.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/expr/eval_harness.h"
#include "tests/param_names.h"

namespace ravlo::test {
namespace {

const std::string kReport = "ご報告！|";

// A value as reduced "n/d" text, whatever form the record holds.
std::string value(const Bunsuu64& v) { return v.valid() ? toString(ratOf(v)) : "invalid"; }
const std::string kSumOver = "警告!|和の結果がint64の範囲を超えた。";
const std::string kProductOver = "警告!|積の結果がint64の範囲を超えた。";
const std::string kZeroDivide = "報告!!|★ｴﾗｰ << ０による除算 >>";
const std::string kOverflow = "報告！|ｴﾗｰ::ｵｰﾊﾞｰﾌﾛｰ等";

// ---- Values: answer forms code 0 (mixed numbers), without the question ------------------

struct ValueCase {
  const char* expr;
  const char* answer;
};

class SikiCalcValues : public ::testing::TestWithParam<ValueCase> {};

TEST_P(SikiCalcValues, GiveTheMixedForm) {
  const ValueCase& c = GetParam();
  EvalHarness h;
  EXPECT_EQ(h.ev.SikiCalc(c.expr, 0, 0), c.answer) << c.expr;
  EXPECT_EQ(h.ev.CalcStatus, kCalcOk) << c.expr;
  EXPECT_TRUE(h.sink.boxes().empty()) << c.expr << ": " << h.boxes().front();
}

INSTANTIATE_TEST_SUITE_P(
    Precedence, SikiCalcValues,
    ::testing::Values(ValueCase{"1+2*3", "7"}, ValueCase{"2^3^2", "64"},
                      ValueCase{"8/2/2", "2"}, ValueCase{"2-3+4", "3"},
                      ValueCase{"m2^2", "4"}, ValueCase{"2*(1+1)^2", "8"},
                      ValueCase{"(3-5)*2", "m4"}, ValueCase{"2*m3", "m6"},
                      ValueCase{"2(3+1)", "8"}, ValueCase{"(1+1)(2)", "4"},
                      ValueCase{"m(1+1)^2", "m4"}, ValueCase{"2^m1+0", "2b1"},
                      ValueCase{"(3b2)^2", "9b4"}, ValueCase{"(m2)^3", "m8"},
                      ValueCase{"1-2-3", "m4"}, ValueCase{"1+1=5", "2"}),
    ravlo::test_names::RowName<&ValueCase::expr>{});

INSTANTIATE_TEST_SUITE_P(
    Numbers, SikiCalcValues,
    ::testing::Values(ValueCase{"3b2+0", "3b2"}, ValueCase{"2k3b1+0", "2k3b1"},
                      ValueCase{"0.1@6+0", "6b1"}, ValueCase{"0.@3*3", "1"},
                      ValueCase{"1.@142857+0", "1k7b1"}, ValueCase{"m0.@3+0", "m3b1"},
                      ValueCase{"1.25+0", "1k4b1"}, ValueCase{"1b7+0", "7"},
                      ValueCase{"3b2+3b1", "1"}, ValueCase{"2b1-2b1", "0"}),
    ravlo::test_names::RowName<&ValueCase::expr>{});

INSTANTIATE_TEST_SUITE_P(
    SpecialOperators, SikiCalcValues,
    ::testing::Values(ValueCase{"5P2", "20"}, ValueCase{"5C2", "10"}, ValueCase{"5C0", "1"},
                      ValueCase{"5C5", "1"}, ValueCase{"0P0", "1"}, ValueCase{"4!", "24"},
                      ValueCase{"0!", "1"}, ValueCase{"20!", "2432902008176640000"},
                      ValueCase{"(2+4)!", "720"}, ValueCase{"m3!", "m6"},
                      ValueCase{"2-3!", "m4"}, ValueCase{"3!^2", "36"},
                      ValueCase{"2*5P2+5C2", "50"},
                      ValueCase{"[2K3B1]+0", "2k3b1"}, ValueCase{"[(1+2)B(1+1)]+0", "3b2"},
                      ValueCase{"[mK3B1]+0", "m3b1"}, ValueCase{"[3B1]*3", "1"},
                      ValueCase{"[3!B2P1]+0", "3b1"}, ValueCase{"[5]+1", "6"}),
    ravlo::test_names::RowName<&ValueCase::expr>{});

// Behaviour chosen where the rules leave it open or read literally give a wrong number.
INSTANTIATE_TEST_SUITE_P(
    SoundChoices, SikiCalcValues,
    ::testing::Values(
        // The factorial of a nested bracket takes the bracket that its ")" closes.
        ValueCase{"((2+1)*2)!", "720"},
        // A bracket after "!" multiplies, also where the "×" was left out.
        ValueCase{"3!(2)", "12"}, ValueCase{"7(1)!(2)+0", "14"},
        // A sign before a bracket after "/" divides by the negative bracket.
        ValueCase{"3b1/m(2+1)", "m9b1"},
        // A signed number raised to a power keeps its sign through sign merging.
        ValueCase{"3b1-m3^2", "m8k3b2"}, ValueCase{"2b1+m2^2", "4k2b1"},
        // The same for a signed expression fraction, and a powered one needs no brackets.
        ValueCase{"3b1-m[3B1]^2", "9b2"}, ValueCase{"[3B1]^2+0", "9b1"},
        ValueCase{"2-m[3B1]", "2k3b1"},
        // A nested group raised to a power stays one group.
        ValueCase{"(m(3)+1)^2", "4"},
        // A sign before a bracketed factorial stays outside the power.
        ValueCase{"m(1)!^4+0", "m1"},
        // A mixed expression fraction with a zero fraction part keeps its integer part.
        ValueCase{"[2K3B0]+1", "3"},
        // Zeros written as fractions are zero, not a failed product.
        ValueCase{"3b0*3", "0"}, ValueCase{"3b1/(1+3b0)", "3b1"},
        // Bracketed whole numbers, fractions that are whole, and expression fractions take "!".
        ValueCase{"(2.0)!+0", "2"}, ValueCase{"(4b8)!+0", "2"}, ValueCase{"[2B4]!+0", "2"},
        // 1.0 is reduced before its power.
        ValueCase{"1.0^67+0", "1"}),
    ravlo::test_names::RowName<&ValueCase::expr>{});

// ---- Failures: the input text comes back, with the messages in order -----------------

struct FailCase {
  const char* expr;
  int status;
  std::vector<std::string> boxes;
};

class SikiCalcFailures : public ::testing::TestWithParam<FailCase> {};

TEST_P(SikiCalcFailures, ReportAndReturnTheInput) {
  const FailCase& c = GetParam();
  EvalHarness h;
  EXPECT_EQ(h.ev.SikiCalc(c.expr, 6, 1), c.expr);
  EXPECT_EQ(h.ev.CalcStatus, c.status) << c.expr;
  EXPECT_EQ(h.boxes(), c.boxes) << c.expr;
}

INSTANTIATE_TEST_SUITE_P(
    Statuses, SikiCalcFailures,
    ::testing::Values(
        FailCase{"5", -1, {kReport + "演算記号がありません。"}},
        FailCase{"5=", -1, {kReport + "演算記号がありません。"}},
        FailCase{"(3)", -1, {kReport + "演算記号がありません。"}},
        FailCase{"(1+2", -2, {kReport + " ( と ) の数が合わない。"}},
        FailCase{"1+2)", -2, {kReport + " ( と ) の数が合わない。"}},
        FailCase{"2P3", -3, {kReport + "順列・組合せの処理に失敗！"}},
        FailCase{"25C25", -3, {kProductOver, kReport + "順列・組合せの処理に失敗！"}},
        FailCase{"30C15", -3, {kProductOver, kReport + "順列・組合せの処理に失敗！"}},
        FailCase{"21!", -4, {kProductOver, kReport + "階乗の処理に失敗！"}},
        FailCase{"(3b2)!", -4, {kReport + "階乗の処理に失敗！"}},
        FailCase{"(m3)!", -4, {kReport + "階乗の処理に失敗！"}},
        FailCase{"(1-4)!", -4, {kReport + "階乗の処理に失敗！"}},
        FailCase{"[2K3Bm1]+0", -5,
                 {std::string(kBunHCalcCaption) + "|" + kBunHCalcText,
                  kReport + "[ ] 内の処理に失敗！"}},
        FailCase{"[2.5K3B1]+1", -5, {kReport + "[ ] 内の処理に失敗！"}},
        // A whole part with no fraction after it, once 3C1 is computed: no value to lose 2 in.
        FailCase{"[2K3C1]+0", -5, {kReport + "[ ] 内の処理に失敗！"}},
        FailCase{"3/0", -6, {kZeroDivide, kOverflow, kReport + "計算ができない式です。"}},
        FailCase{"0^m1", -6, {kZeroDivide, kOverflow, kReport + "計算ができない式です。"}},
        FailCase{"0^0", -6, {kOverflow, kReport + "計算ができない式です。"}},
        FailCase{"2^64", -6, {kOverflow, kReport + "計算ができない式です。"}},
        // At the outermost level an overflow adds its own report; inside a bracket it does not.
        FailCase{"9223372036854775800+1", -6,
                 {kSumOver, kOverflow, kReport + "計算ができない式です。"}},
        FailCase{"(9223372036854775800+1)*2", -6,
                 {kSumOver, kReport + "計算ができない式です。"}},
        FailCase{"3037000500*3037000500", -6,
                 {kProductOver, kOverflow, kReport + "計算ができない式です。"}},
        // A text the checker refuses shows the checker's report first.
        FailCase{"3b2^2+1", -6,
                 {"ｴﾗｰの報告|文字列>> 3b2^2+1\n\n◇ｴﾗｰ:: (4字目) [28]: 分数の累乗は（ ）でくくる",
                  kReport + "計算ができない式です。"}},
        // Refused as given, though tidying would have glued it into "4*m612k3b1".
        FailCase{"4(m61)[2K3B1]", -6,
                 {"ｴﾗｰの報告|文字列>> 4(m61)[2K3B1]\n\n◇ｴﾗｰ:: (7字目) [8]: ）直後は,｢=｣か演算｢+-*/^｣のみ可",
                  kReport + "計算ができない式です。"}}),
    ravlo::test_names::RowName<&FailCase::expr>{});

TEST(SikiCalc, WithQuestionPrefixesTheQuestionWithoutItsOldAnswer) {
  EvalHarness h;
  EXPECT_EQ(h.ev.SikiCalc("1+1", 0, 1), "1+1=2");
  EXPECT_EQ(h.ev.SikiCalc("1+1=5=7", 0, 1), "1+1=2");
  EXPECT_EQ(h.ev.SikiCalc("2(1+1)", 0, 1), "2(1+1)=4");
}

TEST(SikiCalc, AnEvaluatorIsReusableAfterAFailure) {
  EvalHarness h;
  h.ev.SikiCalc("3/0", 0, 0);
  EXPECT_EQ(h.ev.CalcStatus, kCalcNotComputable);
  EXPECT_EQ(h.ev.SikiCalc("3/4", 0, 0), "4b3");
  EXPECT_EQ(h.ev.CalcStatus, kCalcOk);
}

TEST(SikiCalc, StatusMessagesAreExact) {
  EXPECT_STREQ(calcStatusMessage(-1), "演算記号がありません。");
  EXPECT_STREQ(calcStatusMessage(-2), " ( と ) の数が合わない。");
  EXPECT_STREQ(calcStatusMessage(-3), "順列・組合せの処理に失敗！");
  EXPECT_STREQ(calcStatusMessage(-4), "階乗の処理に失敗！");
  EXPECT_STREQ(calcStatusMessage(-5), "[ ] 内の処理に失敗！");
  EXPECT_STREQ(calcStatusMessage(-6), "計算ができない式です。");
  EXPECT_STREQ(calcStatusMessage(1), "");
}

// ---- The parts -----------------------------------------------------------------------

TEST(SikiEval, ComputesBracketsAndLoneNumbers) {
  EvalHarness h;
  ASSERT_EQ(h.ev.SikiEval("(2+3)"), 1);
  EXPECT_EQ(value(h.ev.EvalResult), "5");
  ASSERT_EQ(h.ev.SikiEval("m3b2"), 1);
  EXPECT_EQ(value(h.ev.EvalResult), "-2/3");
  // A signed bracket handed over directly is a product, "2(" an implied one.
  ASSERT_EQ(h.ev.SikiEval("m(1-2)"), 1);
  EXPECT_EQ(value(h.ev.EvalResult), "1");
  ASSERT_EQ(h.ev.SikiEval("2(1+1)"), 1);
  EXPECT_EQ(value(h.ev.EvalResult), "4");
  EXPECT_TRUE(h.sink.empty());
  EXPECT_EQ(h.ev.SikiEval("0b3"), -4);
  EXPECT_LT(h.ev.SikiEval("1+*2"), 0);
  // The relaxed-sign mode is switched on for the check only.
  EXPECT_FALSE(h.checker.relaxedSigns);
}

TEST(FlatSikiEval, ResultOrStatus) {
  EvalHarness h;
  Bunsuu64 r;
  EXPECT_EQ(h.ev.FlatSikiEval("5", r), -1);
  EXPECT_EQ(h.ev.FlatSikiEval("(1+2", r), -1);
  ASSERT_EQ(h.ev.FlatSikiEval("1+2*3^2", r), 1);
  EXPECT_EQ(value(r), "19");
  ASSERT_EQ(h.ev.FlatSikiEval("(m2)-5", r), 1);
  EXPECT_EQ(value(r), "-7");
  EXPECT_EQ(h.ev.FlatSikiEval("2*9223372036854775800", r), -5);
}

TEST(OpCalc, OperationsAndInvalidOperands) {
  EvalHarness h;
  EXPECT_EQ(value(h.ev.OpCalc("3b1+2b1")), "5/6");
  EXPECT_EQ(value(h.ev.OpCalc("2^m2")), "1/4");
  EXPECT_EQ(value(h.ev.OpCalc("(m2)*m3")), "6");
  EXPECT_TRUE(h.sink.empty());
  // An exponent that is not an integer, or beyond 32 bits, gives the invalid value.
  EXPECT_FALSE(h.ev.OpCalc("2^1.5").valid());
  EXPECT_FALSE(h.ev.OpCalc("2^m2147483648").valid());
  EXPECT_FALSE(h.ev.OpCalc("1^99999999999").valid());
  EXPECT_EQ(value(h.ev.OpCalc("1^2147483647")), "1");
  EXPECT_FALSE(h.ev.OpCalc("x+1").valid());
  h.sink.clear();
  EXPECT_FALSE(h.ev.OpCalc("3/0").valid());
  EXPECT_EQ(h.boxes(), std::vector<std::string>{kZeroDivide});
}

TEST(Factorials, KaijouKeisanToTheBound) {
  EvalHarness h;
  EXPECT_EQ(h.ev.KaijouKeisan(0), 1);
  EXPECT_EQ(h.ev.KaijouKeisan(1), 1);
  EXPECT_EQ(h.ev.KaijouKeisan(5), 120);
  EXPECT_EQ(h.ev.KaijouKeisan(20), 2432902008176640000);
  EXPECT_TRUE(h.sink.empty());
  EXPECT_EQ(h.ev.KaijouKeisan(21), -1);
  EXPECT_EQ(h.boxes(), std::vector<std::string>{kProductOver});
  EXPECT_EQ(h.ev.KaijouKeisan(INT64_MAX), -1);
  EXPECT_EQ(h.ev.KaijouKeisan(-1), -1);
}

struct ArrangementCase {
  int64_t n, r;
  const char* perm;
  const char* comb;
};

class Arrangements : public ::testing::TestWithParam<ArrangementCase> {};

TEST_P(Arrangements, PermutationsAndCombinations) {
  const ArrangementCase& c = GetParam();
  EvalHarness h;
  EXPECT_EQ(h.ev.JunretuKeisan(c.n, c.r), c.perm) << c.n << "P" << c.r;
  EXPECT_EQ(h.ev.KumiawaseKeisan(c.n, c.r), c.comb) << c.n << "C" << c.r;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Arrangements,
    ::testing::Values(ArrangementCase{5, 2, "20", "10"}, ArrangementCase{5, 0, "1", "1"},
                      ArrangementCase{5, 5, "120", "1"}, ArrangementCase{0, 0, "1", "1"},
                      ArrangementCase{2, 3, "n", "n"}, ArrangementCase{20, 20, "2432902008176640000", "1"},
                      // 21C21 fails: its 21! is formed first.
                      ArrangementCase{21, 21, "n", "n"},
                      // 30C15 would fit, but 30P15 does not.
                      ArrangementCase{30, 15, "n", "n"},
                      ArrangementCase{INT64_MAX, 2, "n", "n"},
                      // The bound is a little under the int64 maximum.
                      ArrangementCase{9223372036854775800, 1, "9223372036854775800",
                                      "9223372036854775800"},
                      ArrangementCase{INT64_MAX, 1, "n", "n"}),
    ravlo::test_names::RowName<&ArrangementCase::n>{});

TEST(JunKumiSyori, ReplacesEveryPThenEveryC) {
  EvalHarness h;
  EXPECT_EQ(h.ev.JunKumiSyori("5P2+5C2*2"), "20+10*2");
  EXPECT_EQ(h.ev.JunKumiSyori("5P2P1"), "20");
  EXPECT_EQ(h.ev.JunKumiSyori("[4C2B3P1]"), "[6B3]");
  EXPECT_EQ(h.ev.JunKumiSyori("(5)P2"), "n");  // operands are digit runs
  EXPECT_EQ(h.ev.JunKumiSyori("5P"), "n");
  EXPECT_EQ(h.ev.JunKumiSyori("1.5P2"), "n");  // not a part of a decimal
  EXPECT_EQ(h.ev.JunKumiSyori("3b5P2"), "n");
  EXPECT_EQ(h.ev.JunKumiSyori("99999999999999999999P1"), "n");
}

TEST(KaijouSyori, OperandsOfEveryKind) {
  EvalHarness h;
  EXPECT_EQ(h.ev.KaijouSyori("3!+4!"), "6+24");
  EXPECT_EQ(h.ev.KaijouSyori("2*(1+2)!"), "2*6");
  EXPECT_EQ(h.ev.KaijouSyori("((1+1)*2)!"), "24");
  EXPECT_EQ(h.ev.KaijouSyori("[3B6]!"), "2");
  EXPECT_EQ(h.ev.KaijouSyori("!"), "n");
  EXPECT_EQ(h.ev.KaijouSyori("3b2!"), "n");  // a numerator is no operand of its own
  EXPECT_EQ(h.ev.KaijouSyori("1.5!"), "n");
  EXPECT_EQ(h.ev.KaijouSyori("(1-2)!"), "n");
}

TEST(SikiBunSyori, ValuesAndErrors) {
  EvalHarness h;
  EXPECT_EQ(h.ev.SikiBunSyori("[2K3B1]+1"), "2k3b1+1");
  EXPECT_EQ(h.ev.SikiBunSyori("2*[mK3B1]"), "2*m3b1");
  EXPECT_EQ(h.ev.SikiBunSyori("1-m[mK3B1]"), "1-3b1");
  EXPECT_EQ(h.ev.SikiBunSyori("[3B1]^2"), "(3b1)^2");
  EXPECT_EQ(h.ev.SikiBunSyori("[xB2]+[4B2]"), "[xB2]+2b1");  // kept with a variable
  EXPECT_EQ(h.bunsuuH.BunsuuHErr, 0);
  EXPECT_EQ(h.ev.SikiBunSyori("2]"), "n");
  EXPECT_EQ(h.bunsuuH.BunsuuHErr, 10);
  EXPECT_EQ(h.ev.SikiBunSyori("]+[2B1]"), "n");
  EXPECT_EQ(h.bunsuuH.BunsuuHErr, 10);
  EXPECT_EQ(h.ev.SikiBunSyori("[0B1]"), "n");
  EXPECT_EQ(h.bunsuuH.BunsuuHErr, 11);
  // A text that does not parse is no zero.
  EXPECT_EQ(h.ev.SikiBunSyori("[1.5K2B1]"), "n");
  EXPECT_EQ(h.bunsuuH.BunsuuHErr, 11);
}

TEST(BunHCalc, ValueOfTheFourTexts) {
  EvalHarness h;
  EXPECT_EQ(BunToStr(h.ev.bunHCalc(h.bunsuuH.parse("[2K3B1]")), false), "2k3b1");
  EXPECT_EQ(BunToStr(h.ev.bunHCalc(h.bunsuuH.parse("[(1+2)B(1+1)]")), false), "3b2");
  EXPECT_EQ(BunToStr(h.ev.bunHCalc(h.bunsuuH.parse("[mK3B1]")), false), "m3b1");
  EXPECT_EQ(BunToStr(h.ev.bunHCalc(h.bunsuuH.parse("[m3B1]")), false), "m3b1");
  EXPECT_EQ(BunToStr(h.ev.bunHCalc(h.bunsuuH.parse("[0]")), false), "0");
  EXPECT_EQ(BunToStr(h.ev.bunHCalc(BunsuuH{"m", "1", "2", "1"}), false), "m1k2b1");
  EXPECT_TRUE(h.sink.empty());
  EXPECT_FALSE(h.ev.bunHCalc(BunsuuH{"?", "0", "2", "1"}).valid());
  EXPECT_FALSE(h.ev.bunHCalc(BunsuuH{"+1", "x", "2", "1"}).valid());
  EXPECT_FALSE(h.ev.bunHCalc(h.bunsuuH.parse("[2K3Bm1]")).valid());
  EXPECT_EQ(h.boxes(), std::vector<std::string>{std::string(kBunHCalcCaption) + "|" +
                                                kBunHCalcText});
  // A large integer part gives a large value, never a wrapped one.
  const std::string big = "[9223372036854775800K2B3]+0";
  EXPECT_EQ(h.ev.SikiCalc(big, 0, 0), big);
  EXPECT_EQ(h.ev.CalcStatus, kCalcNotComputable);
}

}  // namespace
}  // namespace ravlo::test
