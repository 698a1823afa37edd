// ravlo-cli notebook generate: the list, variant files that a code makes again, bad options.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/cli/cli_runner.h"

namespace ravlo::test {
namespace {

class CliGenerate : public ::testing::Test {
 protected:
  CliGenerate() {
    dir_ = std::filesystem::temp_directory_path() /
           ("ravlo-cli-gen-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
            "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  ~CliGenerate() override { std::filesystem::remove_all(dir_); }
  std::string path(const std::string& name) const { return (dir_ / name).string(); }
  static std::string read(const std::string& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  std::filesystem::path dir_;
};

TEST_F(CliGenerate, ListNamesEveryPatternAndGrade) {
  const CliResult r = runCli({"notebook", "generate", "--list"});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  for (const char* want : {"add-common\t分母が公約数をもつたし算・ひき算\t--max-den 15",
                           "mixed-same\t同じ分母の帯分数のたし算・ひき算", "equation",
                           "--borrow any", "\t中1\t"})
    EXPECT_NE(r.out.find(want), std::string::npos) << want;
}

TEST_F(CliGenerate, VariantsGoToNumberedFilesThatTheirCodesMakeAgain) {
  const std::string out = path("sheet.siki");
  CliResult r = runCli({"notebook", "generate", "--pattern", "add-same,mul-frac", "--count", "6",
                        "--seed", "42", "--variants", "2", "-o", out});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, "42-01\t" + path("sheet-01.siki") + "\n42-02\t" + path("sheet-02.siki") + "\n");
  const std::string second = read(path("sheet-02.siki"));
  // "#同じ分母のたし算・ひき算・分数×分数　42-02" in code page 932, then six problems.
  EXPECT_EQ(second.rfind("#\x93\xaf\x82\xb6\x95\xaa\x95\xea", 0), 0u);
  EXPECT_NE(second.find("42-02\r\n"), std::string::npos);
  EXPECT_EQ(std::count(second.begin(), second.end(), '\n'), 7);
  EXPECT_NE(second, read(path("sheet-01.siki")));

  r = runCli({"notebook", "generate", "--pattern", "add-same,mul-frac", "--count", "6", "--code",
              "42-02", "-o", path("again.siki")});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(read(path("again.siki")), second);
}

TEST_F(CliGenerate, BadOptionsAreRefusedWithTheirReasonAndWriteNothing) {
  const std::string out = path("x.siki");
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"--pattern", "add-same"}, "missing -o"},
      {{"--count", "5", "-o", out}, "give either --pattern or --grade"},
      {{"--pattern", "add-same", "--grade", "5", "-o", out}, "give either"},
      {{"--grade", "8", "-o", out}, "--grade needs a number from 3 to 7"},
      {{"--pattern", "add-same", "--count", "x", "-o", out}, "--count needs"},
      {{"--pattern", "add-same", "--answer", "big", "-o", out}, "--answer needs one of"},
      {{"--pattern", "add-same", "--code", "42", "-o", out}, "--code needs"},
      {{"--pattern", "add-same", "-o", path("x.txt")}, "must end in .siki"},
      {{"--pattern", "add-same", "--frob", "1", "-o", out}, "unknown option --frob"},
      {{"--pattern", "add-coprime", "--answer", "whole", "-o", out}, "整数になりません"},
  };
  for (const auto& [extra, says] : cases) {
    std::vector<std::string> args = {"notebook", "generate"};
    args.insert(args.end(), extra.begin(), extra.end());
    const CliResult r = runCli(args);
    EXPECT_EQ(r.exitCode, 2) << says;
    EXPECT_NE(r.err.find(says), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("usage: ravlo-cli notebook generate"), std::string::npos);
  }
  EXPECT_FALSE(std::filesystem::exists(out));
}

}  // namespace
}  // namespace ravlo::test
