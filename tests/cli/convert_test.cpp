#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/cli/cli_runner.h"

namespace ravlo::test {
namespace {

TEST(CliConvert, ConvertedLine) {
  struct Row {
    std::vector<std::string> args;
    int exitCode;
    std::string out;
    std::string err;
  };
  const Row rows[] = {
      {{"convert", "yaku", "6b4"}, 0, "6b4=3b2\n", "[status] ◆約分の過程を表示しました。\n"},
      {{"convert", "syou", "2.35"}, 0, "2.35=2k20b7\n", "[status] ◆小数を分数になおしました。\n"},
      {{"convert", "junkan", "0.1@6"}, 0, "0.1@6=6b1\n",
       "[status] ◆循環小数を分数になおしました。\n"},
      {{"convert", "tai", "3b1+4b3=3b5"}, 0, "3b1+4b3=3b5=1k3b2\n", ""},
      {{"convert", "ka", "2k3b1"}, 0, "2k3b1=3b7\n", ""},
      {{"convert", "junkan-of", "7b1"}, 0, "7b1=0.@142857\n",
       "[status] ◆分数を循環小数になおしました。\n"},
      {{"convert", "decimal", "3b1"}, 0, "3b1=0.33333333333333333u\n", ""},
      {{"convert", "yaku", "3b2"}, 1, "n\n", "【報告!!】公約数がないので、\\n約分できません。\n"},
      {{"convert", "tai", "4b3"}, 1, "n\n", "【ご報告！】真分数(分母＞分子)は、帯分数に直せません。\n"},
      {{"convert", "junkan-of", "7"}, 1, "n\n", "【Report！】整数は循環小数に直せない。\n"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.args[1] + " " + r.args.back());
    const CliResult res = runCli(r.args);
    EXPECT_EQ(res.exitCode, r.exitCode);
    EXPECT_EQ(res.out, r.out);
    EXPECT_EQ(res.err, r.err);
  }
}

TEST(CliConvert, WorkedSolution) {
  struct Row {
    std::vector<std::string> args;
    std::string out;
  };
  const Row rows[] = {
      {{"convert", "--process", "yaku", "6b4"}, "9\t056X6b4~057A=6b4~059X=3b2~\n"},
      {{"convert", "--process", "syou", "0.3"}, "14\t070X0.3~098X=10b3~\n"},
      {{"convert", "--process", "junkan", "2.@3"},
       "15\t080X2.@3~082X=2+0.@3~072X=2+9b3~002A=2+9b3~090X=2+3b1~073X=2k3b1~\n"},
      {{"convert", "--process", "tai", "3b6"}, "17\t001X3b6~058A=3b6~043X=1b2~096X=2~\n"},
      {{"convert", "--process", "ka", "2k3b1"},
       "18\t050X2k3b1~051X=2+3b1~052X=1b2+3b1~099X=1b2*3b3+3b1~060X=[1*3B2*3]+3b1~"
       "005X=3b6+3b1~035X=[3B6+1]~055X=3b7~\n"},
      // The conversions without a worked solution.
      {{"convert", "--process", "decimal", "4b1"}, "0\t\n"},
      {{"convert", "--process", "junkan-of", "3b1"}, "0\t\n"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.args[2] + " " + r.args.back());
    const CliResult res = runCli(r.args);
    EXPECT_EQ(res.exitCode, 0);
    EXPECT_EQ(res.out, r.out);
  }
}

TEST(CliConvert, StandardInputGivesOneLinePerLine) {
  const CliResult r = runCli({"convert", "tai", "-"}, "3b7\r\n4b3\n\n3b6\n");
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.out, "3b7=2k3b1\nn\nn\n3b6=2\n");
  EXPECT_EQ(r.err, "【ご報告！】真分数(分母＞分子)は、帯分数に直せません。\n");
}

TEST(CliConvert, BadUsage) {
  const std::vector<std::vector<std::string>> cases = {
      {"convert"},
      {"convert", "yaku"},
      {"convert", "round", "3b2"},
      {"convert", "--proc", "yaku", "6b4"},
      {"convert", "yaku", "6b4", "8b4"},
  };
  for (const auto& args : cases) {
    const CliResult r = runCli(args);
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("usage: ravlo-cli convert"), std::string::npos) << r.err;
  }
}

}  // namespace
}  // namespace ravlo::test
