#include "notebook/model/note_layout.h"

#include <gtest/gtest.h>

#include <string>

namespace ravlo {
namespace {

TEST(NoteLayout, LineSpacingKeysStepWithinFiveToTwentyFive) {
  EXPECT_EQ(NoteKankakuKeyStep(5, 1), 6);
  EXPECT_EQ(NoteKankakuKeyStep(25, 1), 25);
  EXPECT_EQ(NoteKankakuKeyStep(6, -1), 5);
  EXPECT_EQ(NoteKankakuKeyStep(5, -1), 5);
  // The box's field may go to 2; a step down from there leaves it.
  EXPECT_EQ(NoteKankakuKeyStep(3, -1), 3);
  EXPECT_EQ(NoteKankakuKeyStep(3, 1), 4);
}

TEST(NoteLayout, PageHeightKeysStepByOneWithinEightyToThreeHundred) {
  EXPECT_EQ(NotePageKeyStep(100, 1), 101);
  EXPECT_EQ(NotePageKeyStep(300, 1), 300);
  EXPECT_EQ(NotePageKeyStep(81, -1), 80);
  EXPECT_EQ(NotePageKeyStep(80, -1), 80);
}

struct ItiRow {
  const char* name;
  const char* typed;
  int expected;  // -1: asked again
};

class NoteItiParseRows : public ::testing::TestWithParam<ItiRow> {};

TEST_P(NoteItiParseRows, TakesIntegersFromTenToEighty) {
  const std::optional<int> v = NoteItiParse(GetParam().typed);
  EXPECT_EQ(v.value_or(-1), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, NoteItiParseRows,
    ::testing::Values(ItiRow{"Ten", "10", 10}, ItiRow{"Eighty", "80", 80},
                      ItiRow{"Blanks", " 40 ", 40}, ItiRow{"Five", "5", -1},
                      ItiRow{"EightyOne", "81", -1}, ItiRow{"Letters", "abc", -1},
                      ItiRow{"Empty", "", -1}, ItiRow{"Decimal", "36.5", -1},
                      ItiRow{"Huge", "99999999999999999999", -1}),
    [](const ::testing::TestParamInfo<ItiRow>& row) { return std::string(row.param.name); });

TEST(NoteLayout, EqualBreakMenuFollowsTheFlagUnlessSwitchedOffTwice) {
  bool mark = true;
  bool flag = true;
  EXPECT_TRUE(NoteEqKaigyoMenuToggle(mark, flag));
  EXPECT_FALSE(mark);
  EXPECT_FALSE(flag);
  // The box's check box turned the flag off while the mark stayed on.
  mark = true;
  flag = false;
  EXPECT_FALSE(NoteEqKaigyoMenuToggle(mark, flag));
  EXPECT_FALSE(mark);
  EXPECT_FALSE(flag);
  EXPECT_TRUE(NoteEqKaigyoMenuToggle(mark, flag));
  EXPECT_TRUE(mark);
  EXPECT_TRUE(flag);
}

}  // namespace
}  // namespace ravlo
