// The real-number calculator: results against the 80-bit library functions, the texts it
// reports, and every refusal with its message.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <ostream>
#include <string>

#include "core/message_sink.h"
#include "tools/model/real_calc.h"

namespace ravlo::test {
namespace {

using F = RealFunc;
using Status = RealCalcResult::Status;

const long double kPai = 3.141592653589793238L;  // the box's pai, read as the box reads it

struct RefRow {
  const char* what;
  F func;
  const char* field;
  std::function<long double()> reference;
  friend void PrintTo(const RefRow& r, std::ostream* os) { *os << r.what; }
};

class AgreesWithLongDouble : public ::testing::TestWithParam<RefRow> {};

// The field shows 18 places: what it reads back as lies within half a unit of the last place
// (plus the rounding of reading it) from the library's value.
TEST_P(AgreesWithLongDouble, ToTheLastDigitShown) {
  const RefRow& row = GetParam();
  RecordingSink sink;
  const RealCalcResult r = RealCalc(row.func, row.field, sink);
  ASSERT_EQ(r.status, Status::Done) << row.what;
  EXPECT_TRUE(sink.empty()) << row.what;
  const long double ref = row.reference();
  const long double shown = std::strtold(r.field.c_str(), nullptr);
  const long double ulp = std::nextafter(std::fabs(ref), HUGE_VALL) - std::fabs(ref);
  EXPECT_LE(std::fabs(shown - ref), 5e-19L + 2 * ulp) << row.what << ": " << r.field;
  EXPECT_LE(r.field.size(), kRealFieldMax) << row.what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, AgreesWithLongDouble,
    ::testing::Values(
        RefRow{"sqrt_2", F::Sqrt, "2", [] { return std::sqrt(2.0L); }},
        RefRow{"sqrt_0", F::Sqrt, "0", [] { return 0.0L; }},
        RefRow{"sqrt_third", F::Sqrt, "1/3", [] { return std::sqrt(1.0L / 3.0L); }},
        RefRow{"sqrt_large", F::Sqrt, "1e30", [] { return std::sqrt(1e30L); }},
        RefRow{"log10_1000", F::Log10, "1000", [] { return 3.0L; }},
        RefRow{"log10_near_0", F::Log10, "1e-4000", [] { return std::log10(1e-4000L); }},
        RefRow{"log10_pai", F::Log10, "pai", [] { return std::log10(kPai); }},
        RefRow{"ln_exp", F::Ln, "exp", [] { return std::log(2.718281828459045235L); }},
        RefRow{"ln_near_0", F::Ln, "0.000000000001", [] { return std::log(1e-12L); }},
        RefRow{"ln_just_above_1", F::Ln, "1.000000000000000001",
               [] { return std::log(1.000000000000000001L); }},
        RefRow{"inv_3", F::Inv, "3", [] { return 1.0L / 3.0L; }},
        RefRow{"inv_negative", F::Inv, "-0.5", [] { return -2.0L; }},
        RefRow{"pow_2_10", F::Pow, "2,10", [] { return 1024.0L; }},
        RefRow{"pow_root", F::Pow, "2,0.5", [] { return std::pow(2.0L, 0.5L); }},
        RefRow{"pow_negative_exponent", F::Pow, "0.5,-3", [] { return 8.0L; }},
        RefRow{"pow_2_100", F::Pow, "2,100", [] { return std::pow(2.0L, 100.0L); }},
        RefRow{"pow_negative_base", F::Pow, "-2,3", [] { return -8.0L; }},
        RefRow{"sin_pai", F::Sin, "pai", [] { return std::sin(kPai); }},
        RefRow{"sin_quarter", F::Sin, "pai/4", [] { return std::sin(kPai / 4); }},
        RefRow{"cos_half_pai", F::Cos, "pai/2", [] { return std::cos(kPai / 2); }},
        RefRow{"cos_large", F::Cos, "1e10", [] { return std::cos(1e10L); }},
        RefRow{"tan_quarter", F::Tan, "pai/4", [] { return std::tan(kPai / 4); }},
        RefRow{"tan_half_pai", F::Tan, "pai/2", [] { return std::tan(kPai / 2); }},
        RefRow{"tan_near_half_pai", F::Tan, "1.5707963267948966",
               [] { return std::tan(1.5707963267948966L); }},
        RefRow{"asin_1", F::ASin, "1", [] { return std::asin(1.0L); }},
        RefRow{"asin_minus_1", F::ASin, "-1", [] { return std::asin(-1.0L); }},
        RefRow{"asin_half", F::ASin, "0.5", [] { return std::asin(0.5L); }},
        RefRow{"acos_minus_1", F::ACos, "-1", [] { return std::acos(-1.0L); }},
        RefRow{"acos_1", F::ACos, "1", [] { return 0.0L; }},
        RefRow{"atan_large", F::ATan, "1e30", [] { return std::atan(1e30L); }},
        RefRow{"atan_minus_1", F::ATan, "-1", [] { return std::atan(-1.0L); }},
        RefRow{"gcd_12_18", F::Gcd, "12,18", [] { return 6.0L; }},
        RefRow{"gcd_truncates", F::Gcd, "12.9, 18.2", [] { return 6.0L; }},
        RefRow{"gcd_19_digits", F::Gcd, "9223372036854775806,9223372036854775806",
               [] { return 9223372036854775806.0L; }},
        RefRow{"lcm_4_6", F::Lcm, "4,6", [] { return 12.0L; }},
        RefRow{"lcm_large", F::Lcm, "3037000499,3037000493",
               [] { return 3037000499.0L * 3037000493.0L; }}),
    [](const auto& row) { return std::string(row.param.what); });

TEST(RealCalc, FieldTextsAreExactWhereTheValueIs) {
  RecordingSink sink;
  for (auto [f, field, shown] :
       {std::tuple{F::Pow, "2,10", "1024"}, std::tuple{F::Gcd, "12,18", "6"},
        std::tuple{F::Sqrt, "2", "1.414213562373095049"}, std::tuple{F::Inv, "4", "0.25"},
        std::tuple{F::Sin, "pai", "0"}, std::tuple{F::Pow, "2,1000", "1.071508607186267321e+301"},
        std::tuple{F::Gcd, "9223372036854775806,9223372036854775806", "9223372036854775806"}}) {
    EXPECT_EQ(RealCalc(f, field, sink).field, shown) << field;
  }
}

TEST(RealCalc, ReportsLabelResultAndRadians) {
  RecordingSink sink;
  EXPECT_EQ(RealCalc(F::Pow, "2,10", sink).report, "2 の 10乗＝1024\nを計算しました。");
  EXPECT_EQ(RealCalc(F::Gcd, "12,18", sink).report, "12 と 18の最大公約数＝6\nを計算しました。");
  EXPECT_EQ(RealCalc(F::Inv, "4", sink).report, "4 の逆数＝0.25\nを計算しました。");
  EXPECT_EQ(RealCalc(F::Sqrt, "pai", sink).report.rfind("√3.141592653589793238＝1.772453850905516", 0), 0u);
  const std::string asin = RealCalc(F::ASin, "1", sink).report;
  EXPECT_EQ(asin.rfind("Arcsin(1)＝1.57079632679489661", 0), 0u) << asin;
  EXPECT_TRUE(asin.ends_with("[rad]\nを計算しました。")) << asin;
  EXPECT_TRUE(RealCalc(F::Sin, "1", sink).report.starts_with("Sin(1[rad])＝0.84147098480789650"));
  EXPECT_TRUE(sink.empty());
}

struct RefusalRow {
  const char* what;
  F func;
  const char* field;
  const char* caption;
  std::string text;
  friend void PrintTo(const RefusalRow& r, std::ostream* os) { *os << r.what; }
};

class Refusals : public ::testing::TestWithParam<RefusalRow> {};

TEST_P(Refusals, ShowTheirMessageAndChangeNothing) {
  const RefusalRow& row = GetParam();
  RecordingSink sink;
  const RealCalcResult r = RealCalc(row.func, row.field, sink);
  EXPECT_EQ(r.status, Status::Failed) << row.what;
  EXPECT_EQ(r.field, "") << row.what;
  ASSERT_EQ(sink.boxes().size(), 1u) << row.what;
  EXPECT_EQ(sink.boxes()[0].caption, row.caption) << row.what;
  EXPECT_EQ(sink.boxes()[0].text, row.text) << row.what;
}

const std::string kBad = "不正な値!\n";

INSTANTIATE_TEST_SUITE_P(
    Table, Refusals,
    ::testing::Values(
        RefusalRow{"inv_of_quotient_by_0", F::Inv, "2/0", "報告！", kBad},
        RefusalRow{"inv_0", F::Inv, "0", "報告！", kBad},
        RefusalRow{"asin_2", F::ASin, "2", "報告！", "(arcsin) -1≦ｘ≦+1 の範囲の値を入力せよ!"},
        RefusalRow{"asin_just_past_minus_1", F::ASin, "-1.000000000000000001", "報告！",
                   "(arcsin) -1≦ｘ≦+1 の範囲の値を入力せよ!"},
        RefusalRow{"acos_minus_2", F::ACos, "-2", "報告！", "(arccos) -1≦ｘ≦+1 の範囲の値を入力せよ!"},
        RefusalRow{"not_a_number", F::Sqrt, "abc", "報告！", kBad},
        RefusalRow{"bad_first_of_pair", F::Pow, "x,2", "報告！", "不正な値!"},
        RefusalRow{"bad_second_of_pair", F::Pow, "2,x", "報告！", kBad},
        RefusalRow{"pair_without_comma", F::Pow, "2", "報告！",
                   "AのN乗を、< A，N >と入力。(Ａ：正の実数 N:実数)"},
        RefusalRow{"sqrt_negative", F::Sqrt, "-1", "報告！", kBad},
        RefusalRow{"log10_0", F::Log10, "0", "報告！", kBad},
        RefusalRow{"ln_negative", F::Ln, "-1", "報告！", kBad},
        RefusalRow{"ln_underflowing_text", F::Ln, "1e-5000", "報告！", kBad},
        RefusalRow{"pow_root_of_negative", F::Pow, "-8,0.5", "報告！", kBad},
        RefusalRow{"pow_overflow", F::Pow, "10,5000", "報告！", kBad},
        RefusalRow{"pow_0_to_negative", F::Pow, "0,-1", "報告！", kBad},
        RefusalRow{"gcd_with_0", F::Gcd, "0,5", "報告！", kBad},
        RefusalRow{"gcd_below_1_after_truncation", F::Gcd, "5,0.9", "報告！", kBad},
        RefusalRow{"gcd_negative", F::Gcd, "-4,6", "報告！", kBad},
        RefusalRow{"lcm_past_int64", F::Lcm, "1e19,2", "報告！", kBad},
        RefusalRow{"lcm_overflow", F::Lcm, "9223372036854775783,9223372036854775643", "警告!",
                   "積の結果がint64の範囲を超えた。"}),
    [](const auto& row) { return std::string(row.param.what); });

TEST(RealCalc, AnEmptyFieldOnlyRefreshes) {
  RecordingSink sink;
  EXPECT_EQ(RealCalc(F::Sqrt, "", sink).status, Status::Nothing);
  EXPECT_TRUE(sink.empty());
}

TEST(RealParse, RealsAndQuotients) {
  const long double inf = HUGE_VALL;
  for (auto [text, value] :
       {std::pair{"1/4", 0.25L}, std::pair{" 2 ", 2.0L}, std::pair{"+3", 3.0L},
        std::pair{".5", 0.5L}, std::pair{"5.", 5.0L}, std::pair{"-1.5e2", -150.0L},
        std::pair{"1/0", inf}, std::pair{"a/2", inf}, std::pair{"1/2/3", inf},
        std::pair{"1e5000", inf}, std::pair{"1e", inf}, std::pair{"", inf}, std::pair{"--1", inf},
        std::pair{"inf", inf}, std::pair{"nan", inf}, std::pair{"0x10", inf},
        std::pair{"1,5", inf}}) {
    EXPECT_EQ(RealParse(text), value) << text;
  }
}

TEST(RealCalc, FuncsByNameAndKey) {
  ASSERT_EQ(realFuncs().size(), 13u);
  const char* names[] = {"sqrt", "log10", "ln",  "inv",  "pow",  "sin", "cos",
                         "tan",  "asin",  "acos", "atan", "gcd", "lcm"};
  const char keys[] = "RDEXNSOTUKJGL";
  for (std::size_t i = 0; i < 13; ++i) {
    EXPECT_EQ(realFuncByCliName(names[i]), realFuncs()[i]) << names[i];
    EXPECT_EQ(realFuncByAltKey(keys[i]), realFuncs()[i]) << keys[i];
  }
  EXPECT_FALSE(realFuncByCliName("exp"));
  EXPECT_FALSE(realFuncByAltKey('A'));
}

}  // namespace
}  // namespace ravlo::test
