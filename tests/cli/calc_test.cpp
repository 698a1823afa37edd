#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "core/cp932.h"
#include "tests/cli/cli_runner.h"

namespace ravlo::test {
namespace {

struct CalcCase {
  std::vector<std::string> args;
  int exitCode;
  std::string out;
  std::string errPart;  // must occur in standard error ("" = must be empty)
};

class CalcCommand : public ::testing::TestWithParam<CalcCase> {};

TEST_P(CalcCommand, PrintsTheComputedLine) {
  const CalcCase& c = GetParam();
  std::vector<std::string> args{"calc"};
  args.insert(args.end(), c.args.begin(), c.args.end());
  const CliResult r = runCli(args);
  EXPECT_EQ(r.exitCode, c.exitCode) << r.err;
  EXPECT_EQ(r.out, c.out);
  if (c.errPart.empty()) {
    EXPECT_EQ(r.err, "");
  } else {
    EXPECT_NE(r.err.find(c.errPart), std::string::npos) << r.err;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Answers, CalcCommand,
    ::testing::Values(
        CalcCase{{"--anssyu", "2", "--syoudsp", "1", "3b1+2"}, 0,
                 "3b1+2=2k3b1=3b7=2.33333333333333333u\n", ""},
        CalcCase{{"3b1+2"}, 0, "3b1+2=2k3b1\n", ""},
        CalcCase{{"--anssyu=1", "3b1+2"}, 0, "3b1+2=3b7\n", ""},
        CalcCase{{"--syoudsp", "1", "1/8"}, 0, "1/8=8b1=0.125\n", ""},
        CalcCase{{"1+1=5"}, 0, "1+1=2\n", ""},
        // Typed signs are stored as signs.
        CalcCase{{"-3+2"}, 0, "m3+2=m1\n", ""},
        CalcCase{{"--", "-3+2"}, 0, "m3+2=m1\n", ""},
        CalcCase{{"4:6"}, 0, "4:6=2:3\n", ""},
        // Like every other setting, the places default to 10.
        CalcCase{{"--wari-type", "1", "7/2"}, 0, "7/2=3.5\n", ""},
        CalcCase{{"--wari-type", "1", "--wari-pnt", "0", "7/2"}, 0, "7/2=3R1\n", ""},
        CalcCase{{"--wari-type", "1", "--wari-pnt", "2", "1/3"}, 0, "1/3=0.33R0.01\n", ""},
        // Not a plain decimal division: computed normally.
        CalcCase{{"--wari-type", "1", "3b2/2"}, 0, "3b2/2=3b1\n", ""},
        CalcCase{{"--wari-type", "0", "7/2"}, 0, "7/2=3k2b1\n", ""}));

INSTANTIATE_TEST_SUITE_P(
    Failures, CalcCommand,
    ::testing::Values(
        CalcCase{{"21!"}, 1, "",
                 "【警告!】積の結果がint64の範囲を超えた。\n【ご報告！】階乗の処理に失敗！\n"},
        CalcCase{{"3/0"}, 1, "",
                 "【報告!!】★ｴﾗｰ << ０による除算 >>\n【報告！】ｴﾗｰ::ｵｰﾊﾞｰﾌﾛｰ等\n"
                 "【ご報告！】計算ができない式です。\n"},
        CalcCase{{"5"}, 1, "", "【ご報告！】演算記号がありません。\n"},
        CalcCase{{"2:3"}, 1, "", "【報告!】これ以上簡単にできません。\n"},
        // Line breaks of a message are written as "\n".
        CalcCase{{"[2K3Bm1]+0"}, 1, "",
                 "【警告!! <bunHCalc>】[　] 内が､｢帯分数でかつ分数部の符号が負｣となる\\n\\n"
                 "定義不能ｴﾗｰを発生しました。\n"},
        // The checker refuses a malformed text before anything is computed.
        CalcCase{{"1+*2"}, 1, "", "【ｴﾗｰの報告】文字列>> 1+*2\\n\\n◇ｴﾗｰ:: (3字目) [4]: "},
        CalcCase{{"x*x=4"}, 1, "", "【ご報告!!】ｘの一次式しか計算できません。"}));

INSTANTIATE_TEST_SUITE_P(
    Usage, CalcCommand,
    ::testing::Values(CalcCase{{}, 2, "", "usage: ravlo-cli calc"},
                      CalcCase{{"--anssyu", "3", "1+1"}, 2, "", "usage: ravlo-cli calc"},
                      CalcCase{{"--syoudsp", "x", "1+1"}, 2, "", "usage: ravlo-cli calc"},
                      CalcCase{{"--wari-pnt", "-1", "1+1"}, 2, "", "usage: ravlo-cli calc"},
                      CalcCase{{"--frobnicate", "1", "1+1"}, 2, "", "unknown option"},
                      CalcCase{{"1+1", "2+2"}, 2, "", "only one EXPR"},
                      CalcCase{{"1+1", "--anssyu"}, 2, "", "needs a value"},
                      CalcCase{{"--ini", "/nonexistent/RavloRS02.ini", "1+1"}, 2, "",
                               "cannot read the settings file"}));

TEST(CalcCommand, ManyLinesFromStandardInput) {
  const CliResult r =
      runCli({"calc", "--syoudsp", "1", "-"}, "1+1\n3/0\r\n\n4:6\n2x=4\n1/3\r\n");
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.out, "1+1=2\nn\nn\n4:6=2:3\n2x=4&x＝2\n1/3=3b1=0.33333333333333333u\n");
  EXPECT_NE(r.err.find("【ご報告！】計算ができない式です。"), std::string::npos);
}

TEST(CalcCommand, SettingsFileThenOptions) {
  const std::string path = ::testing::TempDir() + "ravlo_calc_test.ini";
  const std::string ini =
      "[▼答の表示▼]\r\nANSSYU=1\r\nSYOUDSP=1\r\n[▼その他▼]\r\nWARI_TYPE=1\r\n";
  {
    std::ofstream f(path, std::ios::binary);
    f << utf8ToCp932(ini).text;
  }
  CliResult r = runCli({"calc", "--ini", path, "3b1+2"});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, "3b1+2=3b7=2.33333333333333333u\n");
  // The file's quotient places (the default 10) apply; an option overrides the file.
  r = runCli({"calc", "--ini", path, "7/2"});
  EXPECT_EQ(r.out, "7/2=3.5\n");
  r = runCli({"calc", "--anssyu", "0", "--ini", path, "--syoudsp", "0", "3b1+2"});
  EXPECT_EQ(r.out, "3b1+2=2k3b1\n");
  r = runCli({"calc", "--ini", path, "--wari-pnt", "0", "7/2"});
  EXPECT_EQ(r.out, "7/2=3R1\n");
  std::remove(path.c_str());
}

}  // namespace
}  // namespace ravlo::test
