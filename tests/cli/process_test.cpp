#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "core/cp932.h"

#include "tests/cli/cli_runner.h"

namespace ravlo::test {
namespace {

TEST(CliProcess, PrintsTypeAndTidyText) {
  struct Row {
    std::vector<std::string> args;
    int exitCode;
    std::string out;
  };
  const Row rows[] = {
      {{"process", "1k3b1+2k4b1"},
       0,
       "8\t074X1k3b1+2k4b1~003X=3b4+4b9~004X=[3*4B4*4]+[4*3B9*3]~005X=12b16+12b27~"
       "035X=[12B16+27]~009X=12b43~020X=3k12b7~\n"},
      {{"process", "--betsukai", "1", "3-5b2"},
       0,
       "6\t029X3-5b2~090X=(2+1)-5b2~090X=2+1-5b2~090X=2+(1-5b2)~005X=2+(5b5-5b2)~"
       "035X=2+[5B5-2]~010X=2+5b3~020X=2k5b3~\n"},
      {{"process", "--betsukai=0", "3b1+2"}, 0, "6\t092X3b1+2~010X=2+3b1~020X=2k3b1~\n"},
      {{"process", "--proclastans", "1", "2+3b1"},
       0,
       "6\t010X2+3b1~040X=2k3b1~020X=3b7~\n"},
      {{"process", "3b1+3b1=3b2"}, 0, "1\t005X3b1+3b1~035X=[3B1+1]~020X=3b2~\n"},
      {{"process", "--henkan-yakubun", "0", "1+2"}, 0, "0\t\n"},
      {{"process", "4:6"}, 0, "0\t\n"},
      {{"process", "--", "2^3+1"}, 0, "0\t\n"},
  };
  for (const auto& r : rows) {
    CliResult res = runCli(r.args);
    SCOPED_TRACE(r.args.back());
    EXPECT_EQ(res.exitCode, r.exitCode);
    EXPECT_EQ(res.out, r.out);
    EXPECT_EQ(res.err, "");
  }
}

TEST(CliProcess, ProductsGoToTheProductProcess) {
  CliResult r = runCli({"process", "3b2*4b3"});
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.out.rfind("10\t", 0), 0u) << r.out;
  EXPECT_NE(r.out.find("020X=2b1~\n"), std::string::npos) << r.out;
  r = runCli({"process", "2*3"});
  EXPECT_EQ(r.out, "0\t\n");
}

TEST(CliProcess, FailureIsReportedOnStandardError) {
  CliResult r = runCli({"process", "4294967291b1+4294967279b1"});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.out, "n\n");
  EXPECT_EQ(r.err,
            "【警告!】積の結果がint64の範囲を超えた。\n"
            "【報告!!】◆通分に失敗しました！\n");
}

TEST(CliProcess, StandardInputGivesOneLinePerLine) {
  CliResult r = runCli({"process", "--betsukai", "1", "-"},
                       "2+3b1\r\n1+2\n\n4294967291b1+4294967279b1\n1k3b1-1k3b1");
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.out,
            "6\t010X2+3b1~020X=2k3b1~\n"
            "0\t\n"
            "0\t\n"
            "n\n"
            "8\t006X1k3b1-1k3b1~007X=(1+3b1)-(1+3b1)~090X=1+3b1-1-3b1~"
            "041X=(1-1)+(3b1-3b1)~090X=0+(3b1-3b1)~090X=3b1-3b1~035X=[3B1-1]~030X=[3B0]~"
            "020X=0~\n");
  EXPECT_NE(r.err.find("◆通分に失敗しました！"), std::string::npos);
}

TEST(CliProcess, SettingsFileThenOptions) {
  const std::string path = ::testing::TempDir() + "ravlo_process_test.ini";
  {
    std::ofstream f(path, std::ios::binary);
    f << utf8ToCp932("[▼過程表示▼]\r\nPROCLASTANS=1\r\n").text;
  }
  CliResult r = runCli({"process", "--ini", path, "3b1+3b2"});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, "1\t005X3b1+3b2~035X=[3B1+2]~001X=3b3~002Y=3b3~053X=1b1~020X=1~\n");
  r = runCli({"process", "--ini", path, "3b4+3b1"});
  EXPECT_EQ(r.out, "1\t005X3b4+3b1~035X=[3B4+1]~020X=3b5~\n");
  r = runCli({"process", "--ini", path, "--proclastans", "0", "3b4+3b1"});
  EXPECT_EQ(r.out, "1\t005X3b4+3b1~035X=[3B4+1]~009X=3b5~020X=1k3b2~\n");
  std::remove(path.c_str());
  r = runCli({"process", "--ini", "/nonexistent/RavloRS02.ini", "3b1+3b1"});
  EXPECT_EQ(r.exitCode, 2);
}

TEST(CliProcess, BadUsage) {
  const std::vector<std::vector<std::string>> cases = {
      {"process"},
      {"process", "--betsukai", "2", "3b1+3b1"},
      {"process", "--betsukai"},
      {"process", "--ini"},
      {"process", "--proclastans=x", "3b1+3b1"},
      {"process", "--speed", "1", "3b1+3b1"},
      {"process", "3b1+3b1", "3b1+3b2"},
  };
  for (const auto& args : cases) {
    CliResult r = runCli(args);
    EXPECT_EQ(r.exitCode, 2) << args.size();
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("usage: ravlo-cli process"), std::string::npos) << r.err;
  }
}

}  // namespace
}  // namespace ravlo::test
