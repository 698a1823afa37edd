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

void expectRows(const std::vector<Row>& rows) {
  for (const auto& row : rows) {
    const CliResult r = runCli(row.args, row.input);
    std::string name;
    for (const auto& a : row.args) name += a + " ";
    EXPECT_EQ(r.exitCode, row.exitCode) << name << r.err;
    EXPECT_EQ(r.out, row.out) << name;
    EXPECT_EQ(r.err, row.err) << name;
  }
}

TEST(CliFactor, FactorizationAndDivisorSum) {
  expectRows({
      {{"factor", "600"}, "", 0,
       "2^3*3*5^2\n"
       "   1+2+3+4+5+6+8+10+12+15| +20+24+25+30+40+50+60+75+100+120| +150+200+300|=1260\n",
       ""},
      {{"factor", "6"}, "", 0, "2*3\n   1+2+3|=6\n", ""},
      {{"factor", "97"}, "", 0, "97\n   1|=1\n", ""},
      {{"factor", "1"}, "", 0, "1\n   1|=1\n", ""},
      {{"factor", "9223372036854775783"}, "", 0, "9223372036854775783\n   1|=1\n", ""},
      {{"factor", "--wa-type", "1", "--1gyou-suu", "5", "12"}, "", 0,
       "2^2*3\n   1+2+3+4+6| +12|=28\n", ""},
      {{"factor", "--wa-type", "1", "97"}, "", 0, "97\n   1+97|=98\n", ""},
  });
}

TEST(CliFactor, LargestValue) {
  const CliResult r = runCli({"factor", "9223372036854775807"});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  ASSERT_NE(r.out.find('\n'), std::string::npos);
  EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "7^2*73*127*337*92737*649657");
  EXPECT_TRUE(r.out.starts_with("7^2*73*127*337*92737*649657\n   1+7+49+73+127+337+511+"))
      << r.out;
  EXPECT_TRUE(r.out.ends_with("|=1771135003975321601\n")) << r.out;
}

TEST(CliFactor, Failures) {
  const std::string askPositive =
      "【お願い!!】▼素因数分解▼\\n\\n正の整数(２の63乗以下)を入力して下さい。\n";
  expectRows({
      {{"factor", "0"}, "", 1, "n\n", askPositive},
      {{"factor", "-5"}, "", 1, "n\n", askPositive},
      {{"factor", "abc"}, "", 1, "n\n", ""},
      {{"factor", "9223372036854775808"}, "", 1, "n\n", ""},
      // 9 * 10^18: its divisors add up past the int64 range.
      {{"factor", "9000000000000000000"}, "", 1, "2^18*3^2*5^18\nn\n",
       "【警告!】和の結果がint64の範囲を超えた。\n"},
  });
}

TEST(CliFactor, LinesFromStandardInput) {
  expectRows({
      {{"factor", "-"}, "600\r\nabc\n97\n0\n", 0,
       "2^3*3*5^2\t   1+2+3+4+5+6+8+10+12+15| +20+24+25+30+40+50+60+75+100+120| +150+200+300|=1260\n"
       "n\n97\t   1|=1\nn\n",
       "【お願い!!】▼素因数分解▼\\n\\n正の整数(２の63乗以下)を入力して下さい。\n"},
  });
}

TEST(CliFactor, UsageErrors) {
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"factor"},
           {"factor", "1", "2"},
           {"factor", "--wa-type", "2", "6"},
           {"factor", "--1gyou-suu", "0", "6"},
           {"factor", "--wa-type"},
           {"factor", "--frobnicate", "6"}}) {
    const CliResult r = runCli(args);
    EXPECT_EQ(r.exitCode, 2) << args.back();
    EXPECT_TRUE(r.out.empty());
    EXPECT_NE(r.err.find("usage: ravlo-cli factor"), std::string::npos) << r.err;
  }
}

TEST(CliBase, ConversionLines) {
  const std::string help =
      "【ｎ進法の変換！】◇書式◇\\n\\n　1232(n) ････ｎ進数の1234を10進数にする\\n　1232>(n) "
      "････10進数の1234をｎ進数にする\\n　1232(n>m) ････ｎ進数の1234をｍ進数にする\\n　＊最後の ） "
      "は省略可\n";
  expectRows({
      {{"base", "255>(16"}, "", 0, "255(10)=FF(16)\n", ""},
      {{"base", "255>(16)"}, "", 0, "255(10)=FF(16)\n", ""},
      {{"base", "11(2"}, "", 0, "11(2)=3(10)\n", ""},
      {{"base", "12(3>5)"}, "", 0, "12(3)=10(5)\n", ""},
      {{"base", "7FFFFFFFFFFFFFFF(16>10"}, "", 0, "7FFFFFFFFFFFFFFF(16)=9223372036854775807(10)\n",
       ""},
      {{"base", "12(1"}, "", 1, "n\n", help},
      {{"base", "8000000000000000(16"}, "", 1, "n\n", help},
      {{"base", "ff(16"}, "", 1, "n\n", help},
      {{"base", "-5>(2"}, "", 1, "n\n", help},
      {{"base", "255(10)=FF(16)"}, "", 1, "n\n", ""},
      {{"base", "-"}, "255>(16\r\n12(1\n777(8>2\n", 0, "255(10)=FF(16)\nn\n777(8)=111111111(2)\n",
       help},
  });
}

TEST(CliBase, UsageErrors) {
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"base"}, {"base", "1(2", "3(4"}, {"base", "--x"}}) {
    const CliResult r = runCli(args);
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.out.empty());
    EXPECT_NE(r.err.find("usage: ravlo-cli base"), std::string::npos) << r.err;
  }
}

}  // namespace
}  // namespace ravlo::test
