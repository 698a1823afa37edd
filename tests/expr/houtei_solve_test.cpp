#include <gtest/gtest.h>

#include <string>

#include "expr/houtei_solver.h"
#include "tests/expr/solver_harness.h"

namespace ravlo::solvertest {
namespace {

TEST(HouteiSolve, SolvesEquationsInequalitiesAndProportions) {
  struct Row {
    const char* expr;
    int anssyu;
    const char* value;
    const char* ans;
    int rel;
  };
  const Row rows[] = {
      {"2x+3=7", 0, "2", "x＝2", kRelEqual},
      {"3x-5<x+1", 0, "3", "x＜3", kRelLess},
      {"m2x>4", 0, "m2", "x＜m2", kRelLess},
      {"2(x+1)=x", 0, "m2", "x＝m2", kRelEqual},
      {"2(x+2-3)=0", 0, "1", "x＝1", kRelEqual},
      {"x/3=2", 0, "6", "x＝6", kRelEqual},
      {"x=x", 0, "(不定)", "x＝(不定)", kRelEqual},
      {"x=x+1", 0, "(不能)", "x＝(不能)", kRelEqual},
      {"x:3=4:6", 0, "2", "x＝2", kRelEqual},
      {"3x=7", 0, "2k3b1", "x＝2k3b1", kRelEqual},
      {"3x=7", 1, "3b7", "x＝3b7", kRelEqual},
      {"3x=7", 2, "3b7", "x＝3b7", kRelEqual},
      {"m3x=7", 1, "m3b7", "x＝m3b7", kRelEqual},
      {"3x=6", 1, "2", "x＝2", kRelEqual},
      {"x<=3", 0, "3", "x≦3", kRelLessEqual},
      {"x>=3", 0, "3", "x≧3", kRelGreaterEqual},
      {"m2x>=4", 0, "m2", "x≦m2", kRelLessEqual},
      {"m2x<=4", 0, "m2", "x≧m2", kRelGreaterEqual},
      {"2x>1", 0, "2b1", "x＞2b1", kRelGreater},
      {"5-x<2", 0, "3", "x＞3", kRelGreater},
      {"0.5x=1", 0, "2", "x＝2", kRelEqual},
      {"3b2x=1", 0, "1k2b1", "x＝1k2b1", kRelEqual},  // 3b2 is two thirds
      {"-x+4=1", 0, "3", "x＝3", kRelEqual},        // a typed minus sign
      {"m[3B1]x=1", 0, "m3", "x＝m3", kRelEqual},
      {"1k2b1x=3", 0, "2", "x＝2", kRelEqual},
      {"0.@3x=1", 0, "3", "x＝3", kRelEqual},
      {"[3Bx+1]=2", 0, "5", "x＝5", kRelEqual},
      {"2*[3Bx]=4", 0, "6", "x＝6", kRelEqual},
      {"[3B1]x=2", 0, "6", "x＝6", kRelEqual},
      {"x-(x-1)/2=3", 0, "5", "x＝5", kRelEqual},
      {"3-(x-2)=0", 0, "5", "x＝5", kRelEqual},
      {"m(x+1)=3", 0, "m4", "x＝m4", kRelEqual},
      {"2(3(x+1)+1)=14", 0, "1", "x＝1", kRelEqual},
      {"(1+2)x=6", 0, "2", "x＝2", kRelEqual},
      {"x(2+1)=6", 0, "2", "x＝2", kRelEqual},
      {"2*(m3)x=6", 0, "m1", "x＝m1", kRelEqual},
      {"2^2*x=8", 0, "2", "x＝2", kRelEqual},
      {"(1+1)^2*x=8", 0, "2", "x＝2", kRelEqual},
      {"((1-3)^3)^2*x=128", 0, "2", "x＝2", kRelEqual},
      {"m2^2*x=8", 0, "2", "x＝2", kRelEqual},  // a sign belongs to its number: m2^2 is 4
      {"3P2*x+2C1=8", 0, "1", "x＝1", kRelEqual},
      {"3!x=12", 0, "2", "x＝2", kRelEqual},
      {"x*3=6", 0, "2", "x＝2", kRelEqual},
      {"6/2*x=9", 0, "3", "x＝3", kRelEqual},
      {"x=m3", 0, "m3", "x＝m3", kRelEqual},
      {"px=3", 0, "3", "x＝3", kRelEqual},
      {"0x+3=3", 0, "(不定)", "x＝(不定)", kRelEqual},
      {"3:x=6:4", 0, "2", "x＝2", kRelEqual},
      {"1:2=x:4", 0, "2", "x＝2", kRelEqual},
      {"x+1:2=3:1", 0, "5", "x＝5", kRelEqual},
      {"(x):2=1:4", 0, "2b1", "x＝2b1", kRelEqual},
      // The factorial before the sign, as the evaluator takes it: -(0!) and -(1!).
      {"x=m[3B0]!", 0, "m1", "x＝m1", kRelEqual},
      {"x=m[3B3]!", 0, "m1", "x＝m1", kRelEqual},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.expr);
    SolverHarness h(r.anssyu);
    EXPECT_EQ(h.solver.HouteiSolve(r.expr, 0), r.value);
    EXPECT_EQ(h.solver.HouteiAns, r.ans);
    EXPECT_EQ(h.solver.HouteiRel, r.rel);
    EXPECT_EQ(h.solver.HouteiErrMsg, "");
    EXPECT_TRUE(h.sink.empty()) << h.sink.entries().front().text;
  }
}

TEST(HouteiSolve, WithQuestionAppendsTheAnswer) {
  SolverHarness h;
  EXPECT_EQ(h.solver.HouteiSolve("2x+3=7", 1), "2x+3=7&x＝2");
  EXPECT_EQ(h.solver.HouteiSolve("m2x>4", 1), "m2x>4&x＜m2");
  EXPECT_EQ(h.solver.HouteiSolve("x:3=4:6", 1), "x:3=4:6&x＝2");
  EXPECT_EQ(h.solver.HouteiSolve("x*x=4", 1), "n");
}

// 0·x against a constant: an equation has every x or none; an inequality is judged by its
// direction (x<x+1 holds for every x).
TEST(HouteiSolve, ZeroCoefficientFollowsTheDirection) {
  struct Row {
    const char* expr;
    const char* value;
  };
  const Row rows[] = {
      {"x<x+1", "(不定)"},  {"x>x+1", "(不能)"}, {"x<=x", "(不定)"},  {"x<x", "(不能)"},
      {"x>=x", "(不定)"},   {"x>x", "(不能)"},   {"x+1>=x", "(不定)"}, {"x+1<=x", "(不能)"},
      {"2x-x=x+0", "(不定)"}, {"2x=2(x+1)", "(不能)"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.expr);
    SolverHarness h;
    EXPECT_EQ(h.solver.HouteiSolve(r.expr, 0), r.value);
    // Nothing is divided, so nothing is turned round.
    EXPECT_NE(h.solver.HouteiRel, kRelNone);
    EXPECT_EQ(h.solver.HouteiAns,
              "x" + std::string(HouteiRelSign[static_cast<std::size_t>(h.solver.HouteiRel)]) +
                  r.value);
  }
}

TEST(HouteiSolve, RefusesWithItsMessage) {
  struct Row {
    const char* expr;
    const char* text;
  };
  const Row rows[] = {
      {"x*x=4", kHouteiNotLinearText},
      {"x^2=4", kHouteiPowerText},
      {"3/x=1", kHouteiXDenominatorText},
      {"6/2x=1", kHouteiXDenominatorText},
      {"1=2=x", kHouteiManyEqualsText},
      {"x+1", kHouteiNoRelationText},
      {"", kHouteiNoRelationText},
      {"x<", kHouteiNoRightSideText},
      {"1:2:3=x", kHouteiBadRatioText},
      {"x:3=4", kHouteiBadRatioText},
      {"x:3=4:6:1", kHouteiBadRatioText},
      {"x:(3=4):6", kHouteiBadRatioText},
      {":3=4:x", kHouteiBadRatioText},
      {"[xB1]=2", kHouteiFractionXDenominatorText},
      {"[x+1B3]+1=2", kHouteiFractionXDenominatorText},
      {"[0Bx]=1", kHouteiFractionZeroText},
      {"[1-1Bx]=1", kHouteiFractionZeroText},
      {"2^x=4", kHouteiUnsupportedText},
      {"(x+1)^2=4", kHouteiPowerText},
      {"x(x+1)=2", kHouteiNotLinearText},
      {"(x+1)(x-1)=0", kHouteiNotLinearText},
      {"2x*(x+1)=0", kHouteiNotLinearText},
      {"6/(2x)=1", kHouteiXDenominatorText},
      {"1/(x+1)=2", kHouteiXDenominatorText},
      {"(x+1)!=6", kHouteiUnsupportedText},
      {"y+1=2", kHouteiUnsupportedText},
      {"x+y=2", kHouteiUnsupportedText},
      {"[2K3Bx]=3", kHouteiUnsupportedText},
      {"[mK3Bx]=3", kHouteiUnsupportedText},
      {"x=3+", kHouteiUnsupportedText},
      {"x<3=4", kHouteiUnsupportedText},
      {"x=<3", kHouteiUnsupportedText},
      {"x=0.3u", kHouteiUnsupportedText},
      {"x=3&x", kHouteiUnsupportedText},
      {"2x+3=7)", kHouteiUnsupportedText},
      {"x=abc", kHouteiUnsupportedText},
      {"x=７", kHouteiUnsupportedText},
      {"0b3x=1", kHouteiUnsupportedText},  // a fraction with the denominator 0
      {"0x=1k0b1", kHouteiUnsupportedText},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.expr);
    SolverHarness h;
    EXPECT_EQ(h.solver.HouteiSolve(r.expr, 1), "n");
    EXPECT_EQ(h.solver.HouteiErrMsg, r.text);
    EXPECT_EQ(h.solver.HouteiAns, "");
  }
}

TEST(HouteiSolve, RelationKindWithoutRelationOrRightSide) {
  SolverHarness h;
  h.solver.HouteiSolve("x+1", 0);
  EXPECT_EQ(h.solver.HouteiRel, kRelNone);
  h.solver.HouteiSolve("x<", 0);
  EXPECT_EQ(h.solver.HouteiRel, kRelNoRightSide);
}

// A failure inside the evaluator has been reported by the evaluator; the solver adds no text
// of its own, except for an expression fraction, whose failure it names.
TEST(HouteiSolve, EvaluatorFailuresKeepTheEvaluatorsMessage) {
  {
    SolverHarness h;
    EXPECT_EQ(h.solver.HouteiSolve("x=1/0", 0), "n");
    EXPECT_EQ(h.solver.HouteiErrMsg, "");
    ASSERT_FALSE(h.boxes().empty());
    EXPECT_EQ(h.boxes().front(), "報告!!|★ｴﾗｰ << ０による除算 >>");
  }
  {
    SolverHarness h;
    EXPECT_EQ(h.solver.HouteiSolve("[3B1/0]+x=1", 0), "n");
    EXPECT_EQ(h.solver.HouteiErrMsg, kHouteiFractionText);
    ASSERT_FALSE(h.boxes().empty());
    EXPECT_EQ(h.boxes().front(), "報告!!|★ｴﾗｰ << ０による除算 >>");
  }
  {
    SolverHarness h;
    EXPECT_EQ(h.solver.HouteiSolve("x=9000000000000000000+9000000000000000000", 0), "n");
    EXPECT_EQ(h.solver.HouteiErrMsg, "");
    EXPECT_FALSE(h.boxes().empty());
  }
}

TEST(HouteiSolve, ResultsAreResetByEachCall) {
  SolverHarness h;
  EXPECT_EQ(h.solver.HouteiSolve("x^2=1", 0), "n");
  EXPECT_EQ(h.solver.HouteiSolve("2x=4", 0), "2");
  EXPECT_EQ(h.solver.HouteiErrMsg, "");
  EXPECT_EQ(h.solver.HouteiLeft, "2*x");
  EXPECT_EQ(h.solver.HouteiRight, "4");
  EXPECT_EQ(h.solver.HouteiSolve("x<", 0), "n");
  EXPECT_EQ(h.solver.HouteiAns, "");
}

TEST(HouteiSolveSteps, RelationSplit) {
  struct Row {
    const char* expr;
    bool ok;
    int rel;
    const char* left;
    const char* right;
  };
  const Row rows[] = {
      {"x<=3", true, kRelLessEqual, "x", "3"},   {"x>=3", true, kRelGreaterEqual, "x", "3"},
      {"x<3", true, kRelLess, "x", "3"},         {"x>3", true, kRelGreater, "x", "3"},
      {"2x+1=m3", true, kRelEqual, "2x+1", "m3"}, {"x+1", false, kRelNone, "", ""},
      {"x<", false, kRelNoRightSide, "x", ""},   {"x>=", false, kRelNoRightSide, "x", ""},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.expr);
    SolverHarness h;
    EXPECT_EQ(h.solver.HouteiRelSplit(r.expr), r.ok);
    EXPECT_EQ(h.solver.HouteiRel, r.rel);
    if (r.ok || r.rel == kRelNoRightSide) {
      EXPECT_EQ(h.solver.HouteiLeft, r.left);
      EXPECT_EQ(h.solver.HouteiRight, r.right);
    }
  }
}

TEST(HouteiSolveSteps, ProportionBecomesEquation) {
  struct Row {
    const char* expr;
    const char* equation;
  };
  const Row rows[] = {
      {"x:3=4:6", "x*6=3*4"},         {"3:4=6:x", "3*x=4*6"},
      {"3:x=4:6", "x*4=3*6"},         {"x+1:2=3:4", "(x+1)*4=2*3"},
      {"(x):2=1:3", "x*3=2*1"},       {"((x+1)):2=1:3", "(x+1)*3=2*1"},
      {"x:m3=4:6", "x*6=m3*4"},       {"x:3=4", "n"},
      {"x:3:3=4:6", "n"},             {"x:=4:6", "n"},
      {"x:3=4:", "n"},                {"x:(3=4):6", "n"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.expr);
    SolverHarness h;
    EXPECT_EQ(h.solver.HiToHoutei(r.expr), r.equation);
  }
}

TEST(HouteiSolveSteps, ExplicitCoefficientsAndSigns) {
  struct Row {
    const char* side;
    const char* out;
  };
  const Row rows[] = {
      {"2x+3", "2*x+3"},           {"x+1", "1*x+1"},
      {"2(x+1)", "2*(1*x+1)"},     {"m(x+1)", "m1*(1*x+1)"},
      {"(1+1)(x)", "(1+1)*(1*x)"}, {"x(2+1)", "1*x*(2+1)"},
      {"3!x", "3!*x"},             {"mx", "m1*x"},
      {"px", "p1*x"},              {"3b2x", "3b2*x"},
      {"0.5(x-1)", "0.5*(1*x-1)"}, {"4-x", "4-1*x"},
      {"2-(x+1)", "2-1*(1*x+1)"},  {"(x)/3", "(1*x)/3"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.side);
    SolverHarness h;
    EXPECT_EQ(h.solver.XSiki1Seiri(r.side), r.out);
  }
}

TEST(HouteiSolveSteps, ExpressionFractionsBecomeQuotients) {
  struct Row {
    const char* side;
    const char* out;
  };
  const Row rows[] = {
      {"[3Bx+1]", "(x+1)/3"},
      {"2*[3Bx]", "2*(x)/3"},
      {"[1+1Bx]", "(x)/2"},
      {"[1-3Bx]", "(x)/(m2)"},
      {"[3B1]+x", "(3b1)+x"},
      {"m[3B1]^2*x", "(m3b1)^2*x"},  // the sign belongs to the value
      {"2-[mK3B1]", "2-(m3b1)"},
      {"x+2", "x+2"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.side);
    SolverHarness h;
    EXPECT_EQ(h.solver.XSikiBunSeiri(r.side), r.out);
  }
}

TEST(HouteiSolveSteps, BracketsAreMultipliedOut) {
  struct Row {
    const char* side;
    const char* out;
  };
  const Row rows[] = {
      {"2*(1*x+1)", "+2*1*x+2*p1"},
      {"2*(1*x-3)", "+2*1*x+2*m3"},
      {"(1*x+1)/3", "+1/3*1*x+1/3*p1"},
      {"2*(3*x)", "2*3*x"},
      {"2*(1*x+2-3)", "+2*1*x+2*p2+2*m3"},
      {"(1*x+1)", "1*x+1"},
      {"2*(1+2)*x", "2*3*x"},
      {"2*(m1*x)", "2*(m1)*x"},
      {"5-1*(1*x-1)", "5-1*1*x-1*m1"},
      {"m1*(1+1*x)", "-1*1-1*p1*x"},
      {"(2+1)^2*x", "9*x"},
      {"m2^2*x", "4*x"},
      {"2*(1-3)*x", "2*(m2)*x"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.side);
    SolverHarness h;
    EXPECT_EQ(h.solver.XKakkoTenkai(r.side), r.out);
  }
}

TEST(HouteiSolveSteps, NormalFormAndCoefficients) {
  struct Row {
    const char* side;
    const char* seiri;
    const char* kou;
  };
  const Row rows[] = {
      {"x*3+1", "3*x+1", "3*x+1"},
      {"3*x/4", "3/4*x", "4b3*x"},
      {"1*x/2/3", "1/2/3*x", "6b1*x"},
      {"+2*1*x+2*m3", "p2*1*x+2*(m3)", "2*x+m6"},
      {"-2*x", "m2*x", "m2*x"},
      {"+2*1*x+2*p1", "p2*1*x+2*(p1)", "2*x+2"},
      {"5-1*1*x-1*m1", "5-1*1*x-1*(m1)", "5-1*x-m1"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.side);
    SolverHarness h;
    const std::string seiri = h.solver.XKeisuuSeiri(r.side);
    EXPECT_EQ(seiri, r.seiri);
    EXPECT_EQ(h.solver.XKouKeisan(seiri), r.kou);
  }
  SolverHarness h;
  EXPECT_EQ(h.solver.XKeisuuSeiri("1*x*x"), "n");
  EXPECT_EQ(h.solver.HouteiErrMsg, kHouteiNotLinearText);
}

TEST(HouteiSolveSteps, MovingTermsAndTheValue) {
  SolverHarness h;
  EXPECT_EQ(h.solver.XKouIdou("2*x+3=7"), "2*x=7-3");
  EXPECT_EQ(h.solver.XKouIdou("3*x-5=1*x+1"), "3*x-1*x=1+5");
  EXPECT_EQ(h.solver.XKouIdou("m3+2*x=m1*x"), "2*x+1*x=3");
  EXPECT_EQ(h.solver.XKouIdou("1*x=1*x"), "1*x-1*x=0");
  EXPECT_EQ(h.solver.XKouIdou("4=2"), "0=2-4");

  EXPECT_EQ(h.solver.XKeisuuGoukei("3*x-1*x"), "2*x");
  EXPECT_EQ(h.solver.XKeisuuGoukei("m2*x"), "m2*x");
  EXPECT_EQ(h.solver.XKeisuuGoukei("1*x-3*x"), "m2*x");
  EXPECT_EQ(h.solver.XKeisuuGoukei("1*x-1*x"), "0*x");
  EXPECT_EQ(h.solver.XKeisuuGoukei("0"), "0*x");

  h.solver.HouteiRel = kRelEqual;
  EXPECT_EQ(h.solver.XKaiKeisan("2*x", "4"), "2");
  EXPECT_EQ(h.solver.XKaiKeisan("m2*x", "4"), "m2");
  EXPECT_EQ(h.solver.XKaiKeisan("3*x", "7"), "2k3b1");
  EXPECT_EQ(h.solver.XKaiKeisan("0*x", "0"), "(不定)");
  EXPECT_EQ(h.solver.XKaiKeisan("0*x", "3"), "(不能)");
  EXPECT_EQ(h.solver.XKaiKeisan("0*x", "1-1"), "(不定)");
  h.solver.ANSSYU = 1;
  EXPECT_EQ(h.solver.XKaiKeisan("m3*x", "7"), "m3b7");
}

}  // namespace
}  // namespace ravlo::solvertest
