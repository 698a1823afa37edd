#include <gtest/gtest.h>

#include "tests/cli/cli_runner.h"

namespace ravlo::test {
namespace {

struct Row {
  std::vector<std::string> args;
  std::string input;
  int exitCode;
  std::string out;
  std::string err;
};

TEST(CliReal, WhatTheCalculatorPutsIntoItsField) {
  const std::vector<Row> rows{
      {{"real", "pow", "2,10"}, "", 0, "1024\n", ""},
      {{"real", "gcd", "12,18"}, "", 0, "6\n", ""},
      {{"real", "lcm", "4,6"}, "", 0, "12\n", ""},
      {{"real", "sqrt", "2"}, "", 0, "1.414213562373095049\n", ""},
      {{"real", "inv", "4"}, "", 0, "0.25\n", ""},
      {{"real", "sin", "pai"}, "", 0, "0\n", ""},
      {{"real", "asin", "2"}, "", 1, "", "【報告！】(arcsin) -1≦ｘ≦+1 の範囲の値を入力せよ!\n"},
      {{"real", "inv", "2/0"}, "", 1, "", "【報告！】不正な値!\\n\n"},
      {{"real", "gcd", "0,5"}, "", 1, "", "【報告！】不正な値!\\n\n"},
      {{"real", "pow", "2"}, "", 1, "", "【報告！】AのN乗を、< A，N >と入力。(Ａ：正の実数 N:実数)\n"},
      {{"real", "sqrt", "-"}, "4\r\n-1\n", 0, "2\nn\n", "【報告！】不正な値!\\n\n"},
  };
  for (const Row& row : rows) {
    const CliResult r = runCli(row.args, row.input);
    const std::string name = row.args[1] + " " + row.args[2];
    EXPECT_EQ(r.exitCode, row.exitCode) << name << r.err;
    EXPECT_EQ(r.out, row.out) << name;
    EXPECT_EQ(r.err, row.err) << name;
  }
}

TEST(CliReal, BadUsage) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"real"}, {"real", "sqrt"}, {"real", "exp", "1"},
        {"real", "sqrt", ""}, {"real", "pow", "2", "10"}}) {
    const CliResult r = runCli(args);
    EXPECT_EQ(r.exitCode, 2) << args.size();
    EXPECT_NE(r.err.find("usage: ravlo-cli real"), std::string::npos);
  }
  EXPECT_NE(runCli({"help"}).out.find("real FUNC ARGS"), std::string::npos);
}

}  // namespace
}  // namespace ravlo::test
