// The reference used by the exactness tests must itself be right.
#include "tests/expr/reference_value.h"

#include <gtest/gtest.h>

#include "tests/expr/question_generator.h"
#include "tests/param_names.h"

namespace ravlo::test {
namespace {

struct RefCase {
  const char* text;
  long long num;
  long long den;
};

class ReferenceValues : public ::testing::TestWithParam<RefCase> {};

TEST_P(ReferenceValues, ReadsTheEncodedText) {
  const RefCase& c = GetParam();
  RefResult r = referenceValue(c.text);
  ASSERT_EQ(r.kind, RefKind::Value) << c.text;
  EXPECT_EQ(toString(r.value), toString(Rat{c.num, c.den})) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReferenceValues,
    ::testing::Values(RefCase{"1+2*3", 7, 1}, RefCase{"2^3^2", 64, 1}, RefCase{"8/2/2", 2, 1},
                      RefCase{"2-3+4", 3, 1}, RefCase{"m2^2", 4, 1}, RefCase{"m(1+1)^2", -4, 1},
                      RefCase{"3b2", 2, 3}, RefCase{"2k3b1", 7, 3}, RefCase{"0.1@6", 1, 6},
                      RefCase{"0.@3", 1, 3}, RefCase{"1.@142857", 8, 7}, RefCase{"1.25", 5, 4},
                      RefCase{"2^m1", 1, 2}, RefCase{"(3b2)^m2", 9, 4},
                      RefCase{"[2K3B1]", 7, 3}, RefCase{"[(1+2)B(1+1)]", 2, 3},
                      RefCase{"[mK3B1]", -1, 3}, RefCase{"m[3B1]^2", 1, 9},
                      RefCase{"5P2", 20, 1}, RefCase{"5C2", 10, 1}, RefCase{"5C0", 1, 1},
                      RefCase{"(2+4)!", 720, 1}, RefCase{"m3!", -6, 1},
                      RefCase{"2*(m3)", -6, 1}, RefCase{"2*m3", -6, 1}),
    ravlo::test_names::RowName<&RefCase::text>{});

TEST(ReferenceValues, UndefinedAndHugeAreToldApart) {
  for (const char* t : {"1/0", "0^0", "0^m1", "(m3)!", "(3b2)!", "2P3", "[2K3Bm1]", "1/(1-1)"})
    EXPECT_EQ(referenceValue(t).kind, RefKind::Undefined) << t;
  EXPECT_EQ(referenceValue("99999999999999999999^3").kind, RefKind::Unknown);
  EXPECT_EQ(referenceValue("21!").kind, RefKind::Value);  // big, but a value
}

TEST(ReferenceValues, ReadsAnswerTexts) {
  Rat r;
  ASSERT_TRUE(readNumberText("m2k3b1", r));
  EXPECT_EQ(toString(r), "-7/3");
  EXPECT_FALSE(readNumberText("2+1", r));
  bool cut = false;
  ASSERT_TRUE(readDecimalText("0.33u", r, cut));
  EXPECT_TRUE(cut);
  EXPECT_EQ(toString(r), "33/100");
}

TEST(ReferenceValues, ReadsEveryGeneratedQuestion) {
  QuestionGenerator gen(7);
  int values = 0;
  for (int i = 0; i < 5000; ++i) {
    std::string q = gen.question();
    RefResult r;
    ASSERT_NO_THROW(r = referenceValue(q)) << q;
    if (r.kind == RefKind::Value) ++values;
  }
  EXPECT_GT(values, 3000);  // the generator must mostly make questions with a value
}

}  // namespace
}  // namespace ravlo::test
