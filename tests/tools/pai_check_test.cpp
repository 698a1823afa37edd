// The π text: what is refused, with which message, and which character is blamed.
#include <gtest/gtest.h>

#include <ostream>

#include "tools/model/pai_check.h"

#include "tests/param_names.h"

namespace ravlo::test {
namespace {

struct PaiRow {
  const char* text;
  bool ok;
  std::string_view message;
  int position;
  friend void PrintTo(const PaiRow& r, std::ostream* os) { *os << '"' << r.text << '"'; }
};

class PaiTexts : public ::testing::TestWithParam<PaiRow> {};

TEST_P(PaiTexts, AreJudged) {
  const PaiRow& row = GetParam();
  const PaiCheck r = paiStrCheck(row.text);
  EXPECT_EQ(r.ok, row.ok) << row.text;
  EXPECT_EQ(r.message, row.message) << row.text;
  if (!row.ok) {
    EXPECT_EQ(r.position, row.position) << row.text;
  }
  EXPECT_EQ(r.tooLong, row.message == kPaiTooLongText) << row.text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PaiTexts,
    ::testing::Values(
        PaiRow{"3.14", true, "", -1}, PaiRow{"3", true, "", -1}, PaiRow{"", true, "", -1},
        PaiRow{"3.141592653589793238", true, "", -1},      // 20 characters: the most
        PaiRow{"3.1415926535897932384", false, kPaiTooLongText, 20},
        PaiRow{"3.1.", false, kPaiManyPointsText, 3},
        PaiRow{"3..", false, kPaiManyPointsText, 2},
        // The scan stops at "a": the points after it are not counted.
        PaiRow{"3.1.4a.", false, kPaiManyPointsText, 3},
        PaiRow{"3.1a.5.", false, kPaiTrailingPointText, 6},
        PaiRow{".5", false, kPaiLeadingPointText, 0},
        PaiRow{".", false, kPaiLeadingPointText, 0},
        PaiRow{"3.", false, kPaiTrailingPointText, 1},
        PaiRow{"3.1a", false, kPaiNotNumberText, 3},
        PaiRow{"-3", false, kPaiNotNumberText, 0},
        PaiRow{"3 ", false, kPaiNotNumberText, 1},
        // Positions and lengths count characters, not bytes.
        PaiRow{"3.１4", false, kPaiNotNumberText, 2},
        PaiRow{"３．１", false, kPaiNotNumberText, 0},
        PaiRow{"π3.14", false, kPaiNotNumberText, 0}),
    ravlo::test_names::RowName<&PaiRow::text>{});

TEST(PaiText, AFullWidthCharacterCountsTwoTowardsTheLength) {
  std::string ten;
  for (int i = 0; i < 10; ++i) ten += "１";
  EXPECT_FALSE(paiStrCheck(ten).tooLong);
  EXPECT_EQ(paiStrCheck(ten).message, kPaiNotNumberText);
  EXPECT_FALSE(paiStrCheck("3" + ten.substr(3)).tooLong);  // 1 + 2 × 9 = 19
  const PaiCheck r = paiStrCheck(ten + "１");
  EXPECT_TRUE(r.tooLong);
  EXPECT_EQ(r.position, 10);
  EXPECT_TRUE(paiStrCheck("3" + ten).tooLong);  // 21
}

}  // namespace
}  // namespace ravlo::test
