// Substituting values into a literal expression, and the box's compute and Look without its
// window.
#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

#include "core/message_sink.h"
#include "tests/app/calc_state_support.h"
#include "tools/model/dainyuu_model.h"
#include "tools/model/dainyuu_siki.h"

namespace ravlo::test {
namespace {

using testing_support::Session;

struct SubstRow {
  const char* expr;
  DainyuuValues values;
  std::optional<std::string> result;
  std::string message;  // the box's text, "" for none
  friend void PrintTo(const SubstRow& r, std::ostream* os) { *os << r.expr; }
};

class Substitution : public ::testing::TestWithParam<SubstRow> {};

TEST_P(Substitution, BuildsTheNumericExpression) {
  const SubstRow& row = GetParam();
  RecordingSink sink;
  EXPECT_EQ(DainyuuSiki(row.expr, row.values, "3.14", sink), row.result);
  const auto boxes = sink.boxes();
  if (row.message.empty()) {
    EXPECT_TRUE(boxes.empty());
  } else {
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "ご注意！");
    EXPECT_EQ(boxes[0].text, row.message);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Substitution,
    ::testing::Values(
        SubstRow{"2x+y", {"3", "-1", ""}, "2*3+(-1)", ""},
        SubstRow{"x^2", {"3b2", "", ""}, "(3b2)^2", ""},
        SubstRow{"x^2", {"(3b2)", "", ""}, "(3b2)^2", ""},
        SubstRow{"x^2+2x", {"3b2", "", ""}, "(3b2)^2+2*(3b2)", ""},
        SubstRow{"2x+x^2", {"3b2", "", ""}, "2*3b2+(3b2)^2", ""},
        SubstRow{"x^2", {"(1)+(3b2)", "", ""}, "((1)+(3b2))^2", ""},
        SubstRow{"x^2", {"-3", "", ""}, "(-3)^2", ""},
        SubstRow{"x^2", {" 1.5 ", "", ""}, "1.5^2", ""},
        SubstRow{"3(x+1)", {"2", "", ""}, "3*(2+1)", ""},
        SubstRow{"x(x+1)", {"2", "", ""}, "2*(2+1)", ""},
        SubstRow{"(x+1)(x-1)x", {"2", "", ""}, "(2+1)*(2-1)*2", ""},
        SubstRow{"2xyz", {"3", "2", "5"}, "2*3*2*5", ""},
        SubstRow{"x+1 # test", {"5", "", ""}, "5+1", ""},
        SubstRow{"2*pai*x", {"2", "", ""}, "2*3.14*2", ""},
        SubstRow{"x+1", {"2x", "", ""}, "2x+1", ""},
        SubstRow{"z-x", {"(m2)", "", "1k3b2"}, "1k3b2-(m2)", ""},
        SubstRow{"x+y", {"1", "", ""}, std::nullopt, "y に値が代入されていません。"},
        SubstRow{"x+y+z", {"", "4", ""}, std::nullopt, "x z に値が代入されていません。"},
        SubstRow{"1+2", {"", "", ""}, "1+2", "文字式に 変数 x､y､z が一つもありません。\n\nいいですか？"}));

TEST(Substitution, ANoVariableQuestionAnsweredWithCancelEndsIt) {
  RecordingSink sink;
  sink.scriptAnswer(BoxAnswer::Cancel);
  EXPECT_EQ(DainyuuSiki("1+2", {"3", "", ""}, "3.14", sink), std::nullopt);
}

// ---- compute on the calculation screen ----

struct ComputeRow {
  const char* text;
  const char* line;  // "" when nothing is drawn
  friend void PrintTo(const ComputeRow& r, std::ostream* os) { *os << r.text; }
};

class BoxCompute : public ::testing::TestWithParam<ComputeRow> {};

TEST_P(BoxCompute, DrawsAFinishedLine) {
  Session s;
  s.type("12");
  const DainyuuComputed r = DainyuuCompute(*s, GetParam().text);
  const std::string line = GetParam().line;
  EXPECT_EQ(r.drawn, !line.empty());
  if (line.empty()) return;
  EXPECT_EQ(s->InpSiki, line);
  EXPECT_EQ(s->LastSiki, line);
  EXPECT_FALSE(s->InpAccept);
}

INSTANTIATE_TEST_SUITE_P(Rows, BoxCompute,
                         ::testing::Values(ComputeRow{"2*3+(-1)", "2*3+(m1)=5"},
                                           ComputeRow{"(3b2)^2+1", "(3b2)^2+1=1k9b4"},
                                           ComputeRow{"4:6", "4:6=2:3"},
                                           ComputeRow{"2x+1", ""},
                                           ComputeRow{"1/0", ""}));

TEST(BoxCompute, ARefusedTextSaysWhereAndLeavesTheScreenClear) {
  Session s;
  s.type("12");
  const DainyuuComputed r = DainyuuCompute(*s, "2*3+*1");
  EXPECT_FALSE(r.drawn);
  EXPECT_EQ(r.errorPosition, 5u);
  ASSERT_EQ(s.sink.boxes().size(), 1u);
  EXPECT_EQ(s.sink.boxes()[0].caption, "注意!!");
  EXPECT_EQ(s.sink.boxes()[0].text, "01::(確認)ｴﾗｰ桁(1～)=5");
  EXPECT_EQ(s->InpSiki, "");
}

// ---- Look ----

TEST(BoxLook, ShowsTheLiteralExpressionWithItsComment) {
  RecordingSink sink;
  DainyuuLook("x+1 # test", "3.14", sink);
  DainyuuLook("2*pai*x", "3.14", sink);
  DainyuuLook("", "3.14", sink);
  ASSERT_EQ(sink.entries().size(), 2u);
  EXPECT_EQ(sink.entries()[0].kind, RecordingSink::Kind::Small);
  EXPECT_EQ(sink.entries()[0].text, "@x+1 # test");
  EXPECT_EQ(sink.entries()[0].caption, "式の分数形表示");
  EXPECT_EQ(sink.entries()[0].displayMs, 8000);
  EXPECT_EQ(sink.entries()[1].text, "@2*3.14*x");
}

TEST(BoxLook, RefusesXWithFactorialsPermutationsAndCombinations) {
  for (const char* text : {"x!", "xP2", "xC2 # c"}) {
    RecordingSink sink;
    DainyuuLook(text, "3.14", sink);
    ASSERT_EQ(sink.entries().size(), 1u) << text;
    EXPECT_EQ(sink.entries()[0].caption, "お知らせ!") << text;
    EXPECT_EQ(sink.entries()[0].text, "xyzと！,P,Cとの組合せはLookできません。") << text;
  }
}

TEST(BoxLook, ARefusedExpressionIsReportedByTheChecker) {
  RecordingSink sink;
  DainyuuLook("x+*1", "3.14", sink);
  ASSERT_EQ(sink.entries().size(), 1u);
  EXPECT_EQ(sink.entries()[0].caption, "ｴﾗｰの報告");
}

}  // namespace
}  // namespace ravlo::test
