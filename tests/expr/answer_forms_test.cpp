#include "expr/answer_forms.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/expr/eval_harness.h"
#include "tests/param_names.h"

namespace ravlo::test {
namespace {

struct ChainCase {
  const char* expr;
  int anssyu;
  int syoudsp;
  const char* chain;  // without the question
  int syoAnsOK;
};

class AnswerChain : public ::testing::TestWithParam<ChainCase> {};

TEST_P(AnswerChain, FormsChosenBySettings) {
  const ChainCase& c = GetParam();
  EvalHarness h;
  const AnswerOptions options{c.anssyu, c.syoudsp, 0, 10};
  EXPECT_EQ(h.ev.SikiCalc(c.expr, options.ansForms(), 0), c.chain)
      << c.expr << " ANSSYU " << c.anssyu << " SYOUDSP " << c.syoudsp;
  EXPECT_EQ(h.ev.CalcStatus, kCalcOk);
  EXPECT_EQ(h.ev.SyoAnsOK, c.syoAnsOK) << c.expr;
}

INSTANTIATE_TEST_SUITE_P(
    Forms, AnswerChain,
    ::testing::Values(
        ChainCase{"2b1+3b1", 2, 0, "6b5", 1},             // both forms equal: written once
        ChainCase{"2b1+1", 2, 0, "1k2b1=2b3", 1},
        ChainCase{"7/3", 0, 0, "2k3b1", 1}, ChainCase{"7/3", 1, 0, "3b7", 1},
        ChainCase{"6/3", 1, 0, "2", 0}, ChainCase{"6/3", 0, 0, "2", 0},
        ChainCase{"6/3", 2, 1, "2", 0},                    // whole: no decimal
        ChainCase{"m14/2", 1, 0, "m7", 0}, ChainCase{"1-1", 2, 1, "0", 0},
        ChainCase{"1/8", 0, 1, "8b1=0.125", 1}, ChainCase{"1/8", 1, 1, "8b1=0.125", 1},
        ChainCase{"1/3", 0, 1, "3b1=0.33333333333333333u", 1},
        ChainCase{"m1/3", 0, 1, "m3b1=m0.33333333333333333u", 1},
        ChainCase{"3b1+2", 2, 1, "2k3b1=3b7=2.33333333333333333u", 1},
        ChainCase{"3/4", 2, 1, "4b3=0.75", 1},
        ChainCase{"m7/3", 2, 1, "m2k3b1=m3b7=m2.33333333333333333u", 1},
        ChainCase{"2/3", 0, 1, "3b2=0.66666666666666666u", 1},
        // An ANSSYU beyond 2 shows both forms.
        ChainCase{"7/3", 3, 0, "2k3b1=3b7", 1}),
    ravlo::test_names::RowName<&ChainCase::expr>{});

INSTANTIATE_TEST_SUITE_P(
    LongDecimals, AnswerChain,
    ::testing::Values(
        // A terminating decimal longer than 18 places is cut and marked like a repeating one.
        ChainCase{"1/1048576", 0, 1, "1048576b1=0.0000009536743164u", 1},
        // 18 places exactly still end.
        ChainCase{"1/262144", 0, 1, "262144b1=0.000003814697265625", 1},
        // A repeating decimal whose 18th place is 0 keeps its last significant digit.
        ChainCase{"1/9999999999", 0, 1, "9999999999b1=0.0000000001u", 1}),
    ravlo::test_names::RowName<&ChainCase::expr>{});

TEST(AnswerChain, WithQuestionAndResultTexts) {
  EvalHarness h;
  EXPECT_EQ(h.ev.SikiCalc("1+1", 0, 1), "1+1=2");
  EXPECT_EQ(h.ev.SikiCalc("3b1+2", 6, 1), "3b1+2=2k3b1=3b7=2.33333333333333333u");
  EXPECT_EQ(h.ev.AnsTaiStr, "2k3b1");
  EXPECT_EQ(h.ev.AnsKaStr, "3b7");
  EXPECT_EQ(h.ev.AnsSyoStr, "2.33333333333333333u");
  EXPECT_EQ(h.ev.AnsTai, (Bunsuu64{1, 2, 3, 1}));
  EXPECT_EQ(h.ev.AnsKa, (Bunsuu64{1, 0, 3, 7}));
  EXPECT_EQ(h.numberText.SyoOwariFlag, 0);
  h.ev.SikiCalc("m14/2", 5, 0);
  EXPECT_EQ(h.ev.AnsTaiStr, "m7");
  EXPECT_EQ(h.ev.AnsKaStr, "m7");
  EXPECT_EQ(h.ev.AnsSyoStr, "m7");
  h.ev.SikiCalc("1/4", 4, 0);
  EXPECT_EQ(h.numberText.SyoOwariFlag, 1);
  // A failure leaves the texts empty.
  h.ev.SikiCalc("1/0", 6, 0);
  EXPECT_EQ(h.ev.AnsTaiStr, "");
  EXPECT_EQ(h.ev.AnsKaStr, "");
}

TEST(AnswerChain, AFormThatCannotBeWrittenFails) {
  EvalHarness h;
  // 2^62 1/2 fits as a mixed number, not as an improper fraction: shown mixed, it needs
  // no message.
  const std::string q = "4611686018427387904k2b1+0";
  EXPECT_EQ(h.ev.SikiCalc(q, 0, 0), "4611686018427387904k2b1");
  EXPECT_EQ(h.ev.AnsKaStr, "n");
  EXPECT_TRUE(h.sink.empty());
  EXPECT_EQ(h.ev.SikiCalc(q, 1, 0), q);
  EXPECT_EQ(h.ev.CalcStatus, kCalcNotComputable);
  ASSERT_FALSE(h.sink.boxes().empty());
  EXPECT_EQ(h.sink.boxes().back().text, "計算ができない式です。");
}

struct DedupeCase {
  const char* in;
  const char* out;
};

class AnsDedupeTable : public ::testing::TestWithParam<DedupeCase> {};

TEST_P(AnsDedupeTable, DropsRepeatedNeighbours) {
  EXPECT_EQ(AnsDedupe(GetParam().in), GetParam().out) << GetParam().in;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AnsDedupeTable,
    ::testing::Values(DedupeCase{"a=2=2=3", "a=2=3"}, DedupeCase{"=6b5=6b5", "=6b5"},
                      DedupeCase{"a=2=3=2", "a=2=3=2"}, DedupeCase{"a=", "a"},
                      DedupeCase{"a==", "a"}, DedupeCase{"", ""}, DedupeCase{"a", "a"}),
    ravlo::test_names::RowName<&DedupeCase::in>{});

// ---- Ratios ---------------------------------------------------------------------------

struct RatioCase {
  const char* expr;
  const char* result;
  std::vector<std::string> boxes;
};

class HiKantanTable : public ::testing::TestWithParam<RatioCase> {};

TEST_P(HiKantanTable, SimplifiesOrSaysWhy) {
  const RatioCase& c = GetParam();
  EvalHarness h;
  EXPECT_EQ(h.ev.HiKantan(c.expr, 1), c.result) << c.expr;
  EXPECT_EQ(h.boxes(), c.boxes) << c.expr;
}

const std::string kRatio = "報告!|";

INSTANTIATE_TEST_SUITE_P(
    Cases, HiKantanTable,
    ::testing::Values(
        RatioCase{"4:6", "4:6=2:3", {}}, RatioCase{"4:6=", "4:6=2:3", {}},
        RatioCase{"0.5:0.25", "0.5:0.25=2:1", {}}, RatioCase{"4:2", "4:2=2:1", {}},
        RatioCase{"1+1:4", "1+1:4=1:2", {}}, RatioCase{"3b2:1", "3b2:1=2:3", {}},
        RatioCase{"2k2b1:1k2b1", "2k2b1:1k2b1=5:3", {}},
        RatioCase{"(2):(3)", "(2):(3)=2:3", {}},
        // The sign of a negative ratio is written as the division gives it.
        RatioCase{"m4:6", "m4:6=2:m3", {}},
        RatioCase{"2:3", "n", {kRatio + "これ以上簡単にできません。"}},
        RatioCase{"0:3", "n", {kRatio + "前項が 0 なので､比を簡単にできません。"}},
        RatioCase{"3:0", "n", {kRatio + "後項が 0 なので､比を簡単にできません。"}},
        RatioCase{"1-1:3", "n", {kRatio + "前項が 0 なので､比を簡単にできません。"}},
        // Zeros written otherwise are zero as well.
        RatioCase{"0.0:3", "n", {kRatio + "前項が 0 なので､比を簡単にできません。"}},
        RatioCase{"3:3b0", "n", {kRatio + "後項が 0 なので､比を簡単にできません。"}},
        RatioCase{"4:", "n", {}}, RatioCase{"46", "n", {}},
        RatioCase{"1/0:2", "n",
                  {"報告!!|★ｴﾗｰ << ０による除算 >>", "報告！|ｴﾗｰ::ｵｰﾊﾞｰﾌﾛｰ等",
                   "ご報告！|計算ができない式です。"}}),
    ravlo::test_names::RowName<&RatioCase::expr>{});

TEST(HiKantan, WithoutQuestionAndWhateverTheAnswerForms) {
  EvalHarness h;
  EXPECT_EQ(h.ev.HiKantan("4:6", 0), "2:3");
  // It works in improper fractions, so the mixed form of 3/2 does not leak in.
  EXPECT_EQ(h.ev.HiKantan("9:6", 0), "3:2");
}

}  // namespace
}  // namespace ravlo::test
