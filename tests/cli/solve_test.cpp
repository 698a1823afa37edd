#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/cli/cli_runner.h"

namespace ravlo::test {
namespace {

TEST(CliSolve, QuestionsWithXPrintTheSolversLine) {
  struct Row {
    std::vector<std::string> args;
    std::string out;
  };
  const Row rows[] = {
      {{"calc", "2x+3=7"}, "2x+3=7&x＝2\n"},
      {{"calc", "m2x>4"}, "m2x>4&x＜m2\n"},
      {{"calc", "3x-5<x+1"}, "3x-5<x+1&x＜3\n"},
      {{"calc", "2(x+1)=x"}, "2(x+1)=x&x＝m2\n"},
      {{"calc", "x:3=4:6"}, "x:3=4:6&x＝2\n"},
      {{"calc", "x=x"}, "x=x&x＝(不定)\n"},
      {{"calc", "x=x+1"}, "x=x+1&x＝(不能)\n"},
      {{"calc", "x>=m3"}, "x>=m3&x≧m3\n"},
      {{"calc", "3x=7"}, "3x=7&x＝2k3b1\n"},
      {{"calc", "--anssyu", "1", "3x=7"}, "3x=7&x＝3b7\n"},
      {{"calc", "--anssyu=2", "3x=7"}, "3x=7&x＝3b7\n"},
      // A line that holds its answer already is solved again from its question.
      {{"calc", "2x+3=7&x＝5"}, "2x+3=7&x＝2\n"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.args.back());
    const CliResult res = runCli(r.args);
    EXPECT_EQ(res.exitCode, 0);
    EXPECT_EQ(res.out, r.out);
    EXPECT_EQ(res.err, "");
  }
}

TEST(CliSolve, RefusalsGoToStandardError) {
  struct Row {
    std::string expr;
    std::string err;
  };
  const Row rows[] = {
      {"x*x=4", "【ご報告!!】ｘの一次式しか計算できません。\\n\\nめんご！\n"},
      {"x^2=4", "【ご報告!!】ｘの一次式しか計算できません。\\n\\n(ｘの１乗の表記も不可。)\n"},
      {"3/x=1", "【ご報告!!】分母にｘのある式は扱えません。\n"},
      {"x+1", "【ご報告!!】等号も不等号がない。うえーん！\n"},
      {"x<", "【ご報告!!】右辺がない。うえーん！\n"},
      {"1=2=x", "【ご報告!!】式形が不正( ＝ が複数ある)！\n"},
      {"x:3=4", "【ご報告!!】比例式として不正な形です！\n"},
      {"[xB1]=2", "【ご報告!!】分母に ｘ がある式は､対象外です。\n"},
      {"[0Bx]=1", "【ご報告!!】式分数のエラー：分母＝０\n"},
      {"2^x=4", "【ご報告!!】扱えない式です。\n"},
      // The checker's report for a text that is not an expression.
      {"x+*1=2", "【ｴﾗｰの報告】文字列>> x+*1=2\\n\\n◇ｴﾗｰ:: (3字目) [4]: 演算記号の連続は不可\n"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.expr);
    const CliResult res = runCli({"calc", r.expr});
    EXPECT_EQ(res.exitCode, 1);
    EXPECT_EQ(res.out, "");
    EXPECT_EQ(res.err, r.err);
  }
}

// A failure inside the evaluator is told by the evaluator; the solver adds nothing after it.
TEST(CliSolve, EvaluatorFailuresKeepTheEvaluatorsReport) {
  const CliResult r = runCli({"calc", "x=1/0"});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err.rfind("【報告!!】★ｴﾗｰ << ０による除算 >>\n", 0), 0u) << r.err;
  EXPECT_TRUE(r.err.ends_with("【ご報告！】計算ができない式です。\n")) << r.err;
  EXPECT_EQ(r.err.find("ご報告!!"), std::string::npos) << r.err;
}

TEST(CliSolve, StandardInputMixesQuestions) {
  const CliResult r = runCli({"calc", "-"}, "2x+3=7\r\nx*x=4\n1+1\nx:3=4:6\n");
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.out, "2x+3=7&x＝2\nn\n1+1=2\nx:3=4:6&x＝2\n");
  EXPECT_EQ(r.err, "【ご報告!!】ｘの一次式しか計算できません。\\n\\nめんご！\n");
}

}  // namespace
}  // namespace ravlo::test
