#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/voice/wav_file.h"
#include "tests/cli/cli_runner.h"

namespace ravlo::test {
namespace {

namespace fs = std::filesystem;

fs::path scratchFolder() {
  const fs::path dir = fs::temp_directory_path() / ("ravlo-speak-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  return dir;
}

TEST(CliSpeak, TextPrintsTheReading) {
  struct Row {
    std::string expr;
    std::string reading;
  };
  const Row rows[] = {
      {"3b2+1=1k3b2", "3ぶんの2たす1イコール1と3ぶんの2"},
      {"2^3+1", "2の3じょうたす1"},
      {"3.14", "3てん1 4 "},
      {"2x+3=7&x＝2", "2xたす3イコール7。答えはx＝2"},
      {"[2+3B1+1]", "分数式 分母 始め,2たす3ぶんの1たす1,分子 終わり,"},
      {"m3*(2-1)", "マイナス3かけるかっこ2ひく1かっこ閉じる"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.expr);
    const CliResult r = runCli({"speak", "--text", row.expr});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, row.reading + "\n");
    EXPECT_EQ(r.err, "");
  }
}

TEST(CliSpeak, TextFromStandardInputGivesOneLinePerLine) {
  const CliResult r = runCli({"speak", "--text", "-"}, "3b2\r\n1#2\n\n2b1=0.5\n");
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.out, "3ぶんの2\nn\nn\n2ぶんの1イコール0てん5 \n");
  EXPECT_NE(r.err.find("'#' at position 2"), std::string::npos) << r.err;
}

TEST(CliSpeak, WavFileIsVoicedAndGrowsWithTheText) {
  const fs::path dir = scratchFolder();
  const auto speak = [&](std::vector<std::string> args, const char* name) {
    const fs::path file = dir / name;
    args.insert(args.begin(), "speak");
    args.insert(args.end(), {"-o", file.string()});
    const CliResult r = runCli(args);
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "");
    return readWav(file);
  };
  const auto shortLine = speak({"3b2"}, "short.wav");
  const auto line = speak({"3b2+1=1k3b2"}, "line.wav");
  const auto slow = speak({"--rate", "1", "3b2+1=1k3b2"}, "slow.wav");
  const auto quiet = speak({"--volume", "20", "3b2+1=1k3b2"}, "quiet.wav");
  fs::remove_all(dir);
  ASSERT_TRUE(shortLine && line && slow && quiet);
  EXPECT_GT(line->rms(), 0.02);
  EXPECT_GT(line->seconds(), shortLine->seconds() * 2);
  // The settings' own rate (10) is the fastest; 1 is slower, and a lower volume is quieter.
  EXPECT_GT(slow->seconds(), line->seconds() * 1.2);
  EXPECT_LT(quiet->rms(), line->rms() * 0.5);
  EXPECT_GT(quiet->rms(), 0.0);
}

TEST(CliSpeak, FailuresLeaveNoFileBehind) {
  const fs::path dir = scratchFolder();
  fs::create_directory(dir / "taken.wav");
  struct Row {
    std::vector<std::string> args;
    std::string errPart;
  };
  const Row rows[] = {
      {{"--text", "3#2"}, "'#' at position 2 is not part of an expression"},
      {{"--text", ""}, "an empty line has no reading"},
      {{"3b2", "-o", (dir / "missing" / "a.wav").string()}, "cannot write"},
      {{"3b2", "-o", (dir / "taken.wav").string()}, "cannot write"},
      {{"1%2", "-o", (dir / "b.wav").string()}, "'%' at position 2"},
  };
  for (const Row& row : rows) {
    std::vector<std::string> args{"speak"};
    args.insert(args.end(), row.args.begin(), row.args.end());
    const CliResult r = runCli(args);
    SCOPED_TRACE(args[1] + " " + args.back());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find(row.errPart), std::string::npos) << r.err;
  }
  std::vector<std::string> left;
  for (const auto& entry : fs::directory_iterator(dir)) left.push_back(entry.path().filename());
  fs::remove_all(dir);
  EXPECT_EQ(left, std::vector<std::string>{"taken.wav"});
}

struct UsageRow {
  std::string name;
  std::vector<std::string> args;
  friend void PrintTo(const UsageRow& r, std::ostream* os) { *os << r.name; }
};

class CliSpeakUsage : public ::testing::TestWithParam<UsageRow> {};

TEST_P(CliSpeakUsage, ExitsTwoWithTheUsageLine) {
  std::vector<std::string> args{"speak"};
  args.insert(args.end(), GetParam().args.begin(), GetParam().args.end());
  const CliResult r = runCli(args);
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find("usage: ravlo-cli speak [--rate N] [--volume N] [--ini FILE] EXPR -o OUT.wav"),
            std::string::npos)
      << r.err;
}

INSTANTIATE_TEST_SUITE_P(
    BadArguments, CliSpeakUsage,
    ::testing::Values(UsageRow{"NoExpression", {}},
                      UsageRow{"NoOutput", {"1+1"}},
                      UsageRow{"OutputWithoutName", {"1+1", "-o"}},
                      UsageRow{"NotAWavName", {"1+1", "-o", "a.mp3"}},
                      UsageRow{"TwoExpressions", {"1", "2", "-o", "a.wav"}},
                      UsageRow{"RateTooHigh", {"--rate", "11", "1", "-o", "a.wav"}},
                      UsageRow{"VolumeNotANumber", {"--volume", "x", "1", "-o", "a.wav"}},
                      UsageRow{"UnknownOption", {"--pitch", "3", "1", "-o", "a.wav"}},
                      UsageRow{"TextAndOutput", {"--text", "1", "-o", "a.wav"}},
                      UsageRow{"StandardInputIntoAFile", {"-", "-o", "a.wav"}},
                      UsageRow{"UnreadableSettings", {"--ini", "/nonexistent/RavloRS02.ini", "--text", "1"}}),
    [](const ::testing::TestParamInfo<UsageRow>& row) { return row.param.name; });

}  // namespace
}  // namespace ravlo::test
