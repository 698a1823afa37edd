// How a typed number becomes a stored constant.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "tools/model/teisuu_value.h"

namespace ravlo::test {
namespace {

using S = TeisuuValue::Status;

struct Row {
  const char* what;
  const char* field;
  int digits;
  S status;
  const char* value;
  friend void PrintTo(const Row& r, std::ostream* os) { *os << r.what; }
};

class StoredForm : public ::testing::TestWithParam<Row> {};

TEST_P(StoredForm, OfTheInputField) {
  const Row& row = GetParam();
  const TeisuuValue v = teisuuValue(row.field, row.digits);
  EXPECT_EQ(v.status, row.status) << row.what;
  EXPECT_EQ(v.value, row.value) << row.what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, StoredForm,
    ::testing::Values(
        Row{"trailing_zero_dropped", "0.50", 18, S::Ok, "0.5"},
        Row{"integer_kept_as_typed", "007", 18, S::Ok, "007"},
        Row{"zero", "0", 18, S::Ok, "0"},
        Row{"zeros", "000", 18, S::Ok, "000"},
        Row{"negative_integer", "-42", 18, S::Ok, "-42"},
        Row{"eighteen_digits", "123456789012345678", 18, S::Ok, "123456789012345678"},
        Row{"nineteen_digits_refused", "1234567890123456789", 18, S::TooManyDigits, ""},
        Row{"past_int64_refused", "99999999999999999999", 18, S::TooManyDigits, ""},
        Row{"pai_18_digits", "pai", 18, S::Ok, "3.14159265358979324"},
        Row{"pai_5_digits", "pai", 5, S::Ok, "3.1416"},
        Row{"exp_3_digits", "exp", 3, S::Ok, "2.72"},
        Row{"point_left_over", "123.0", 18, S::Ok, "123"},
        Row{"negative_decimal", "-0.250", 18, S::Ok, "-0.25"},
        Row{"tiny_is_zero", "0.000000000000000000001", 18, S::Ok, "0"},
        Row{"rounded_before_the_point", "12345.678", 3, S::Ok, "12300"},
        Row{"decimal_with_exponent", "1.5e10", 18, S::Ok, "15000000000"},
        Row{"decimal_past_18_digits", "1.5e25", 18, S::TooManyDigits, ""},
        Row{"two_points", "1.2.3", 18, S::NotReal, ""},
        Row{"letters", "abc", 18, S::NotInteger, ""},
        Row{"fraction", "2/3", 18, S::NotInteger, ""},
        Row{"empty", "", 18, S::Empty, ""}),
    [](const auto& row) { return std::string(row.param.what); });

TEST(TeisuuValue, SignificantDigitsLeaveOutSignPointAndLeadingZeros) {
  for (auto [text, n] : {std::pair{"-0.0050", 2}, std::pair{"007", 1}, std::pair{"100", 3},
                         std::pair{"0", 0}, std::pair{"3.14159265358979324", 18}}) {
    EXPECT_EQ(significantDigits(text), n) << text;
  }
}

}  // namespace
}  // namespace ravlo::test
