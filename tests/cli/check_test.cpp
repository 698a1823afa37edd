#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/cli/cli_runner.h"

namespace ravlo::test {
namespace {

TEST(CliCheck, VerdictPerExpression) {
  struct Row {
    std::vector<std::string> args;
    int exitCode;
    std::string out;
  };
  const Row rows[] = {
      {{"check", "1+*2"}, 1, "3\t[4]: 演算記号の連続は不可\n"},
      {{"check", "(3b2)^2="}, 0, "0\n"},
      {{"check", "3b2^2"}, 1, "4\t[28]: 分数の累乗は（ ）でくくる\n"},
      {{"check", "2(3)"}, 1, "2\t[22]: 数字直後の（ or [ は不可\n"},
      {{"check", "--kakeru-abr", "1", "2(3)"}, 0, "0\n"},
      {{"check", "--kakeru-abr=1", "2x+1=7"}, 0, "0\n"},
      {{"check", "--kakeru-abr", "0", "2x"}, 1, "2\t[33]: × は省略不可[設定を変更せよ]\n"},
      {{"check", "[2K3B1=" }, 1, "7\t[30]: ］で式分数ﾓｰﾄﾞ終了後､＝を入力せよ\n"},
      {{"check", "%"}, 1, "1\t\n"},
      {{"check", "-3+1="}, 0, "0\n"},  // a leading minus is the expression's sign
      {{"check", "--", "--1"}, 1, "2\t[2]: 演算記号・符号の連続は不可\n"},
      {{"check", ""}, 0, "0\n"},
  };
  for (const auto& r : rows) {
    CliResult res = runCli(r.args);
    SCOPED_TRACE(r.args.back());
    EXPECT_EQ(res.exitCode, r.exitCode);
    EXPECT_EQ(res.out, r.out);
    EXPECT_EQ(res.err, "");
  }
}

TEST(CliCheck, TwentyDigitNoticeGoesToStandardError) {
  CliResult r = runCli({"check", "12345678901234567890"});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.out, "20\t[21]: 入力数値が１９ケタを超えた\n");
  EXPECT_EQ(r.err, "【警告！】 19ケタ以上は入力不可！\n");
}

TEST(CliCheck, StandardInputGivesOneLinePerLine) {
  CliResult r = runCli({"check", "--kakeru-abr", "1", "-"},
                       "1+2=\r\n1+*2\n\nxx\n1.2.3\n12345678901234567890\n2(1)");
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.out,
            "0\n"
            "3\t[4]: 演算記号の連続は不可\n"
            "0\n"
            "2\t[35]: 同じ文字の連続は不可\n"
            "4\t[29]: 小数点が重複している\n"
            "20\t[21]: 入力数値が１９ケタを超えた\n"
            "0\n");
  EXPECT_EQ(r.err, "【警告！】 19ケタ以上は入力不可！\n");

  CliResult empty = runCli({"check", "-"}, "");
  EXPECT_EQ(empty.exitCode, 0);
  EXPECT_EQ(empty.out, "");
}

TEST(CliCheck, BadUsageExitsTwoWithAHint) {
  const std::vector<std::vector<std::string>> cases = {
      {"check"},
      {"check", "--bogus", "1"},
      {"check", "--kakeru-abr"},
      {"check", "--kakeru-abr", "2", "1"},
      {"check", "--kakeru-abr=x", "1"},
      {"check", "1", "2"},
  };
  for (const auto& args : cases) {
    CliResult r = runCli(args);
    EXPECT_EQ(r.exitCode, 2) << args.back();
    EXPECT_EQ(r.out, "") << args.back();
    EXPECT_NE(r.err.find("usage: ravlo-cli check [--kakeru-abr 0|1] EXPR"), std::string::npos)
        << r.err;
  }
}

}  // namespace
}  // namespace ravlo::test
