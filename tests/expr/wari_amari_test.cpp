#include "expr/wari_amari.h"

#include <gtest/gtest.h>

#include "tests/param_names.h"

namespace ravlo {
namespace {

struct WariCase {
  const char* expr;
  int places;
  const char* expected;
};

class WariAmariTable : public ::testing::TestWithParam<WariCase> {};

TEST_P(WariAmariTable, GivesQuotientAndRemainder) {
  const WariCase& c = GetParam();
  EXPECT_EQ(WariAmari(c.expr, c.places), c.expected) << c.expr << " places " << c.places;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WariAmariTable,
    ::testing::Values(
        WariCase{"7/2", 0, "3R1"}, WariCase{"7/2", 10, "3.5"}, WariCase{"1/3", 2, "0.33R0.01"},
        WariCase{"6/2", 10, "3"}, WariCase{"1/3", 0, "0R1"}, WariCase{"0/5", 3, "0"},
        WariCase{"2/3", 10, "0.6666666666R0.0000000002"},
        // The remainder keeps every decimal of the dividend.
        WariCase{"1.2345/1", 0, "1R0.2345"}, WariCase{"10/0.3", 1, "33.3R0.01"},
        WariCase{"7.5/2.5", 4, "3"},
        // Past double precision the digits stay exact.
        WariCase{"9999999999999999999/1", 3, "9999999999999999999"},
        WariCase{"9999999999999999999/7", 0, "1428571428571428571R2"},
        WariCase{"1/0.999999999999999999", 2, "1R0.000000000000000001"},
        // A negative place count is taken as none.
        WariCase{"7/2", -1, "3R1"}),
    ravlo::test_names::RowName<&WariCase::expr>{});

INSTANTIATE_TEST_SUITE_P(
    NotAPlainDivision, WariAmariTable,
    ::testing::Values(WariCase{"1/0", 10, "n"}, WariCase{"1/0.0", 10, "n"},
                      WariCase{"12", 10, "n"}, WariCase{"m7/2", 0, "n"},
                      WariCase{"7/m2", 0, "n"}, WariCase{"1+2/3", 0, "n"},
                      WariCase{"6/2/3", 0, "n"}, WariCase{"3b2/2", 0, "n"},
                      WariCase{"1.@3/2", 0, "n"}, WariCase{"1./2", 0, "n"},
                      WariCase{".5/2", 0, "n"}, WariCase{"/2", 0, "n"}, WariCase{"2/", 0, "n"},
                      WariCase{"1.2.3/2", 0, "n"}, WariCase{"", 0, "n"},
                      // Figures beyond the working range fall back to the normal answer.
                      WariCase{"99999999999999999999999999999999999999999/1", 0, "n"},
                      WariCase{"1/3", 40, "n"}),
    ravlo::test_names::RowName<&WariCase::expr>{});

}  // namespace
}  // namespace ravlo
