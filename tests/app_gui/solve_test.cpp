// The solve command from the keyboard and the input panel.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/houtei_dsp.h"
#include "expr/houtei_solver.h"
#include "window_fixture.h"

#include "tests/param_names.h"

namespace ravlo::test {
namespace {

struct SolveRow {
  const char* typed;
  const char* solved;
};

class SolveByKey : public ::testing::TestWithParam<SolveRow> {};

TEST_P(SolveByKey, CtrlQPutsTheSolutionInTheAnswerColumn) {
  Window w;
  w.type(GetParam().typed);
  ASSERT_EQ(w.state().InpSiki, GetParam().typed);
  w.key(Qt::Key_Q, Qt::ControlModifier);
  EXPECT_EQ(w.state().InpSiki, GetParam().solved);
  EXPECT_FALSE(w.state().InpAccept);
  EXPECT_EQ(w.status(), kHouteiSolvedText);
  EXPECT_EQ(w.form().screen()->accessibleDescription().toStdString(), GetParam().solved);
  EXPECT_TRUE(w.rec().boxes().empty());
}

INSTANTIATE_TEST_SUITE_P(Equations, SolveByKey,
                         ::testing::Values(SolveRow{"2*x+1=5", "2*x+1=5&x＝2"},
                                           SolveRow{"3*x<6", "3*x<6&x＜2"},
                                           SolveRow{"x+3b1=1", "x+3b1=1&x＝3b2"},
                                           SolveRow{"2*x=x+x", "2*x=x+x&x＝(不定)"}),
    ravlo::test_names::RowName<&SolveRow::typed>{});

TEST(Solve, WithTheTimesSignLeftOut) {
  Window w("[▼式の表示▼]\nKAKERU_ABR=1\n");
  w.type("2x+1=5");
  w.key(Qt::Key_Q, Qt::ControlModifier);
  EXPECT_EQ(w.state().InpSiki, "2x+1=5&x＝2");
}

TEST(Solve, TheButtonAndCtrlEnterSolveToo) {
  Window w;
  w.type("4*x");
  w.click("MoreAndEqButton");
  w.type("8");
  w.click("SolveSikiButton");
  EXPECT_EQ(w.state().InpSiki, "4*x>=8&x≧2");
  w.key(Qt::Key_Delete);
  w.type("x-1=0");
  w.key(Qt::Key_Return, Qt::ControlModifier);
  EXPECT_EQ(w.state().InpSiki, "x-1=0&x＝1");
  // Restore brings the question back without its solution.
  w.key(Qt::Key_Delete);
  w.key(Qt::Key_Insert);
  EXPECT_EQ(w.state().InpSiki, "x-1=0");
  EXPECT_TRUE(w.state().InpAccept);
}

TEST(Solve, WithoutXItAsksForX) {
  Window w;
  w.type("3+1");
  w.key(Qt::Key_Q, Qt::ControlModifier);
  ASSERT_EQ(w.rec().boxes().size(), 1u);
  EXPECT_EQ(w.rec().boxes()[0].caption, "ご報告!!");
  EXPECT_EQ(w.rec().boxes()[0].text,
            "方程式・不等式では､左辺にｘが必要です。\n\n計算式なら、最後に＝が必要です。");
  EXPECT_EQ(w.state().InpSiki, "3+1");
  EXPECT_TRUE(w.state().InpAccept);
  // An empty screen gets the same answer.
  w.key(Qt::Key_Delete);
  w.click("SolveSikiButton");
  EXPECT_EQ(w.rec().boxes().size(), 2u);
}

TEST(Solve, TheSolversRefusalIsShown) {
  Window w;
  w.type("x^2=4");
  w.key(Qt::Key_Q, Qt::ControlModifier);
  const auto boxes = w.rec().boxes();
  ASSERT_FALSE(boxes.empty());
  EXPECT_EQ(boxes.back().caption, "ご報告!!");
  EXPECT_TRUE(std::any_of(kHouteiRefusalTexts.begin(), kHouteiRefusalTexts.end(),
                          [&](const char* t) { return boxes.back().text == t; }))
      << boxes.back().text;
  EXPECT_EQ(w.state().InpSiki, "x^2=4");
}

}  // namespace
}  // namespace ravlo::test
