#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/cli/cli_runner.h"

namespace ravlo::test {
namespace {

TEST(CliSubst, PrintsTheSubstitutedExpression) {
  struct Row {
    std::vector<std::string> args;
    std::string out;
  };
  const Row rows[] = {
      {{"subst", "2x+y", "x=3", "y=-1"}, "2*3+(-1)\n"},
      {{"subst", "x^2", "x=3b2"}, "(3b2)^2\n"},
      {{"subst", "3(x+1) # hint", "x=2"}, "3*(2+1)\n"},
      {{"subst", "z*y", "z=1k3b2", "y=m2"}, "1k3b2*m2\n"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.args[1]);
    const CliResult res = runCli(r.args);
    EXPECT_EQ(res.exitCode, 0);
    EXPECT_EQ(res.out, r.out);
    EXPECT_EQ(res.err, "");
  }
}

TEST(CliSubst, AVariableWithoutAValueFails) {
  const CliResult r = runCli({"subst", "x+y+z", "y=2"});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "【ご注意！】x z に値が代入されていません。\n");
}

TEST(CliSubst, AnExpressionWithoutVariablesComesBackWithTheQuestion) {
  const CliResult r = runCli({"subst", "1+2", "x=1"});
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.out, "1+2\n");
  EXPECT_EQ(r.err, "【ご注意！】文字式に 変数 x､y､z が一つもありません。\\n\\nいいですか？\n");
}

TEST(CliSubst, VariantsOfOneProblemGoStraightIntoCalc) {
  const CliResult s = runCli({"subst", "-", "x=-1"}, "2x+1\nx^2\nx+y\n");
  EXPECT_EQ(s.exitCode, 0);
  EXPECT_EQ(s.out, "2*(-1)+1\n(-1)^2\nn\n");
  const CliResult c = runCli({"calc", "-"}, s.out);
  EXPECT_EQ(c.out, "2*(m1)+1=m1\n(m1)^2=1\nn\n");
}

TEST(CliSubst, BadUsage) {
  for (const std::vector<std::string>& args :
       std::vector<std::vector<std::string>>{{"subst"},
                                             {"subst", "x+1"},
                                             {"subst", "x+1", "w=2"},
                                             {"subst", "x+1", "x=1", "x=2"},
                                             {"subst", "--ini", "a.ini", "x+1", "x=1"}}) {
    const CliResult r = runCli(args);
    EXPECT_EQ(r.exitCode, 2) << args.size();
    EXPECT_NE(r.err.find("usage: ravlo-cli subst EXPR x=V [y=V] [z=V]"), std::string::npos);
  }
}

}  // namespace
}  // namespace ravlo::test
