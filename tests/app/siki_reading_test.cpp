// The reading of encoded lines: decimal digits, powers and the reading table.
#include "app/model/siki_reading.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/param_names.h"

namespace ravlo {
namespace {

struct ReadingCase {
  const char* text;
  bool whole;
  const char* reading;
};

class Reading : public ::testing::TestWithParam<ReadingCase> {};

TEST_P(Reading, ReadsAsTheRulesSay) {
  const ReadingCase& c = GetParam();
  EXPECT_EQ(SikiSpeakText(c.text, c.whole), c.reading) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, Reading,
    ::testing::Values(
        ReadingCase{"", false, ""},
        ReadingCase{"", true, ""},
        // the token 0 is a word; a whole line keeps its numbers for the voice
        ReadingCase{"0", false, "れい"},
        ReadingCase{"10", true, "10"},
        ReadingCase{"0", true, "0"},
        ReadingCase{"1k2b1", true, "1と2ぶんの1"},
        ReadingCase{"3.14", true, "3てん1 4 "},
        ReadingCase{"0.25+1", true, "0てん2 5 たす1"},
        ReadingCase{"0.1@6", true, "0てん1 @6"},
        // a line with its answer column
        ReadingCase{"3b1+3b1=3b2&3b2", true, "3ぶんの1たす3ぶんの1イコール3ぶんの2。答えは3ぶんの2"},
        ReadingCase{"3b1+2=2k3b1=3b7=2.333u", true,
                    "3ぶんの1たす2イコール2と3ぶんの1イコール3ぶんの7イコール2てん3 3 3 。以下省略"},
        // powers
        ReadingCase{"2^3+1", true, "2の3じょうたす1"},
        ReadingCase{"^", false, "のるいじょう"},
        ReadingCase{"2^", true, "2のじょうZ"},
        ReadingCase{"2^12", true, "2の12じょう"},
        ReadingCase{"(3b2)^2*4^3", true, "かっこ3ぶんの2かっこ閉じるの2じょうかける4の3じょう"},
        ReadingCase{"2^m1", true, "2のじょうマイナス1"},
        // a token in a line that is not whole yet
        ReadingCase{"m", false, "マイナス"},
        ReadingCase{"=", false, "イコール"},
        // an expression fraction and the notebook's question number
        ReadingCase{"[2B1]", true, "分数式 分母 始め,2ぶんの1,分子 終わり,"},
        ReadingCase{"Q1_2+3=", true, "とい1。2たす3イコール"},
        // the solver's answer column keeps its own signs for the next step
        ReadingCase{"2*x+1=5&x＝2", true, "2かけるxたす1イコール5。答えはx＝2"},
        ReadingCase{"4:6=2:3&2:3", true, "4たい6イコール2たい3。答えは2たい3"},
        ReadingCase{"3<=x", true, "3しょうなりイコールx"},
        ReadingCase{"5!", true, "5のかいじょう"}),
    ravlo::test_names::RowName<&ReadingCase::text>{});

struct TableCase {
  const char* token;
  const char* reading;
};

class TableRow : public ::testing::TestWithParam<TableCase> {};

TEST_P(TableRow, EachTokenHasItsWord) {
  EXPECT_EQ(SikiSpeakText(GetParam().token, false), GetParam().reading);
}

INSTANTIATE_TEST_SUITE_P(
    EveryRow, TableRow,
    ::testing::Values(TableCase{"Q", "とい"}, TableCase{">", "だいなり"},
                      TableCase{"<", "しょうなり"}, TableCase{":", "たい"}, TableCase{"_", "。"},
                      TableCase{")", "かっこ閉じる"}, TableCase{"(", "かっこ"},
                      TableCase{"+", "たす"}, TableCase{"-", "ひく"}, TableCase{"*", "かける"},
                      TableCase{"/", "わる"}, TableCase{"k", "と"}, TableCase{"b", "ぶんの"},
                      TableCase{"[", "分数式 分母 始め,"}, TableCase{"]", ",分子 終わり,"},
                      TableCase{"K", "と"}, TableCase{"B", "ぶんの"},
                      TableCase{"!", "のかいじょう"}, TableCase{"=", "イコール"},
                      TableCase{"p", "プラス"}, TableCase{"m", "マイナス"},
                      TableCase{"u", "。以下省略"}, TableCase{"&", "。答えは"},
                      TableCase{".", "てん"}, TableCase{"0", "れい"},
                      // no row: left as it is
                      TableCase{"7", "7"}, TableCase{"x", "x"}, TableCase{"@", "@"}),
    ravlo::test_names::RowName<&TableCase::token>{});

TEST(ReadingSteps, DecimalDigitsAreSpacedUntilTheNextNonDigit) {
  EXPECT_EQ(spaceDecimalDigits("12.05+3.5"), "12.0 5 +3.5 ");
  EXPECT_EQ(spaceDecimalDigits("3."), "3.");
  EXPECT_EQ(spaceDecimalDigits("123"), "123");
}

TEST(ReadingSteps, PowersReadEachExponent) {
  EXPECT_EQ(readPowers("2^3"), "2の3じょう");
  EXPECT_EQ(readPowers("2^3+5^2-1"), "2の3じょう+5の2じょう-1");
  // Only the first "^" at the end gets the end mark; a later one ends on "じょう".
  EXPECT_EQ(readPowers("2^3+4^"), "2の3じょう+4のじょう");
  // The character that ends an exponent is copied, even another power sign.
  EXPECT_EQ(readPowers("2^3^2"), "2の3じょう^2");
  EXPECT_EQ(readPowers("12"), "12");
}

TEST(ReadingSteps, TableRowsApplyInOrder) {
  // "Q" goes before the letters; row 24 "." comes after the decimal step has spaced digits.
  EXPECT_EQ(applyReadingTable("Q3.5 ", true), "とい3てん5 ");
  // The zero row only for a single token.
  EXPECT_EQ(applyReadingTable("10", true), "10");
  EXPECT_EQ(applyReadingTable("10", false), "1れい");
}

TEST(ReadingSteps, ReplaceAllIsLeftToRightAndNonOverlapping) {
  EXPECT_EQ(replaceAll("aaa", "aa", "b"), "ba");
  EXPECT_EQ(replaceAll("abc", "", "x"), "abc");
  EXPECT_EQ(replaceAll("", "a", "b"), "");
  EXPECT_EQ(replaceAll("a=b=c", "=", "イコール"), "aイコールbイコールc");
}

}  // namespace
}  // namespace ravlo
