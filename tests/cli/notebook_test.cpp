// ravlo-cli notebook compute and notebook print, run as separate processes.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/cli/cli_runner.h"

namespace ravlo::test {
namespace {

class CliNotebook : public ::testing::Test {
 protected:
  CliNotebook() {
    dir_ = std::filesystem::temp_directory_path() /
           ("ravlo-cli-note-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
            "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  ~CliNotebook() override { std::filesystem::remove_all(dir_); }
  std::string path(const std::string& name) const { return (dir_ / name).string(); }
  static void write(const std::string& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary) << bytes;
  }
  static std::string read(const std::string& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  // Pages of a PDF as Qt writes it: one "/Type /Page" dictionary each.
  static int pdfPages(const std::string& bytes) {
    int n = 0;
    for (std::size_t at = bytes.find("/Type /Page"); at != std::string::npos;
         at = bytes.find("/Type /Page", at + 1))
      if (bytes.compare(at, 12, "/Type /Pages") != 0) ++n;
    return n;
  }

  std::filesystem::path dir_;
};

// "#分数" in code page 932, the three-problem example with a blank line and a refused line.
const std::string kNotebook =
    "#\x95\xaa\x90\x94\r\n3b2+1=\r\n\r\n2x+3=7\r\n1+*2=\r\n";
const std::string kComputed =
    "#\x95\xaa\x90\x94\r\n3b2+1=1k3b2&1k3b2\r\n2x+3=7&x\x81\x81" "2\r\n1+*2=\r\n";

TEST_F(CliNotebook, ComputeWritesTheAnswersAndReportsOnStandardError) {
  const std::string in = path("in.siki"), out = path("out.siki");
  write(in, kNotebook);
  CliResult r = runCli({"notebook", "compute", in, "-o", out});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(read(out), kComputed);
  EXPECT_EQ(read(in), kNotebook);
  EXPECT_EQ(r.err,
            "【ご注意!!】読み込んだ式に、不正箇所がありました。\\n｢適切さチェック｣を行った後で、｢反映終了｣して下さい。\n"
            "【ご報告！】[3 問:3 字目][ｴﾗｰ値4][4]: 演算記号の連続は不可\\n\\n編集し直してから再計算してください。\n");
}

TEST_F(CliNotebook, ComputeInPlaceTwiceGivesTheSameBytes) {
  const std::string in = path("n.siki");
  write(in, kNotebook);
  ASSERT_EQ(runCli({"notebook", "compute", in}).exitCode, 0);
  const std::string once = read(in);
  EXPECT_EQ(once, kComputed);
  ASSERT_EQ(runCli({"notebook", "compute", in}).exitCode, 0);
  EXPECT_EQ(read(in), once);
}

TEST_F(CliNotebook, ComputeUsesTheAnswerFormsOfASettingsFile) {
  const std::string in = path("n.siki"), ini = path("RavloRS02.ini");
  write(in, "3b2+1=\r\n");
  write(ini,  // [▼答の表示▼] in code page 932
        "[\x81\xa5\x93\x9a\x82\xcc\x95\x5c\x8e\xa6\x81\xa5]\r\nANSSYU=2\r\n");
  CliResult r = runCli({"notebook", "compute", "--ini", ini, in});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(read(in), "3b2+1=1k3b2=3b5&1k3b2=3b5\r\n");
}

TEST_F(CliNotebook, FilesThatCannotBeReadOrWritten) {
  CliResult missing = runCli({"notebook", "compute", path("none.siki")});
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_EQ(missing.err, "【ご注意！】ご指定のﾌｧｲﾙをOpenできませんでした。\n");

  const std::string many = path("many.siki");
  std::string text;
  for (int i = 0; i < 51; ++i) text += "1+1=\r\n";
  write(many, text);
  CliResult tooMany = runCli({"notebook", "compute", many});
  EXPECT_EQ(tooMany.exitCode, 1);
  EXPECT_NE(tooMany.err.find("51問"), std::string::npos) << tooMany.err;
  EXPECT_EQ(read(many), text);

  const std::string in = path("in.siki"), blocker = path("file");
  write(in, "1+1=\r\n");
  write(blocker, "x");
  CliResult unwritable = runCli({"notebook", "compute", in, "-o", blocker + "/out.siki"});
  EXPECT_EQ(unwritable.exitCode, 1);
  EXPECT_EQ(unwritable.err.rfind("【ご注意！】ﾌｧｲﾙに保存できませんでした。", 0), 0u) << unwritable.err;
  EXPECT_EQ(runCli({"notebook", "print", path("none.siki"), "-o", path("o.pdf")}).exitCode, 1);
}

TEST_F(CliNotebook, PrintWritesTheA4PageAndTheWorksheetAddsTheKey) {
  const std::string in = path("n.siki"), page = path("page.pdf"), sheet = path("sheet.PDF");
  write(in, kNotebook);
  CliResult r = runCli({"notebook", "print", in, "-o", page});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, "");
  const std::string pdf = read(page);
  EXPECT_EQ(pdf.rfind("%PDF", 0), 0u);
  EXPECT_EQ(pdfPages(pdf), 1);
  EXPECT_NE(pdf.find("/MediaBox [0 0 595"), std::string::npos);  // A4: 595 × 842 points

  r = runCli({"notebook", "print", "--worksheet", in, "-o", sheet});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(pdfPages(read(sheet)), 2);
  // The key was computed: the refused problem was reported, the file is untouched.
  EXPECT_NE(r.err.find("[3 問:3 字目]"), std::string::npos) << r.err;
  EXPECT_EQ(read(in), kNotebook);
}

TEST_F(CliNotebook, BadUsage) {
  const std::string in = path("n.siki");
  write(in, "1=\r\n");
  const std::vector<std::vector<std::string>> cases = {
      {"notebook"},
      {"notebook", "frob", in},
      {"notebook", "compute"},
      {"notebook", "compute", in, "-o"},
      {"notebook", "compute", "--worksheet", in},
      {"notebook", "compute", in, in},
      {"notebook", "compute", "--ini", path("none.ini"), in},
      {"notebook", "print", in},
      {"notebook", "print", in, "-o", path("x.png")},
      {"notebook", "print", "--fast", in, "-o", path("x.pdf")},
      {"notebook", "print", "--worksheet", "--columns", "3", in, "-o", path("x.pdf")},
      {"notebook", "print", "--solutions", in, "-o", path("x.pdf")},
      {"notebook", "generate"},
  };
  for (const auto& args : cases) {
    CliResult r = runCli(args);
    EXPECT_EQ(r.exitCode, 2) << args.size();
    EXPECT_NE(r.err.find("usage: ravlo-cli notebook"), std::string::npos) << r.err;
  }
  EXPECT_EQ(read(in), "1=\r\n");
  EXPECT_NE(runCli({"help"}).out.find("notebook print [--worksheet [--columns 1|2] [--solutions]]"), std::string::npos);
}

}  // namespace
}  // namespace ravlo::test
