// ravlo-cli render --process, run as a separate process.
#include <gtest/gtest.h>

#include <QColor>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <cstdlib>
#include <string>

#include "tests/cli/cli_runner.h"

namespace ravlo::test {

namespace {

// Pixels near the ink (text edges are blended with the background).
int countColor(const QImage& img, QColor want) {
  int n = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) {
      const QColor c = img.pixelColor(x, y);
      if (std::abs(c.red() - want.red()) + std::abs(c.green() - want.green()) +
              std::abs(c.blue() - want.blue()) < 60)
        ++n;
    }
  return n;
}

const QColor kHeaderInk(0x80, 0, 0);  // 0x000080: the type header and the stacked values
const QColor kAdviceInk(0, 0, 0x80);  // 0x800000: the advice lines

class CliRenderProcess : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  std::string path(const char* name) { return dir.filePath(name).toStdString(); }
  QImage image(const std::string& p) { return QImage(QString::fromStdString(p)); }
};

}  // namespace

TEST_F(CliRenderProcess, DrawsTheWorkedSolutionWithHeaderAndAdvice) {
  const std::string plain = path("plain.png"), worked = path("worked.png");
  ASSERT_EQ(runCli({"render", "1k3b1+2k4b1", "-o", plain}).exitCode, 0);
  CliResult r = runCli({"render", "--process", "1k3b1+2k4b1", "-o", worked});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "");
  const QImage a = image(plain), b = image(worked);
  ASSERT_FALSE(b.isNull());
  // Five steps under a header: far taller than the question alone.
  EXPECT_GT(b.height(), 3 * a.height());
  EXPECT_EQ(countColor(a, kHeaderInk), 0);
  EXPECT_GT(countColor(b, kHeaderInk), 50);
  EXPECT_GT(countColor(b, kAdviceInk), 200);
}

TEST_F(CliRenderProcess, ProductsShowTheirCancellation) {
  // Same header; only the first product cancels, and its stacked values share the header's ink.
  const std::string cancels = path("cancels.png"), plain = path("plain.png");
  CliResult r = runCli({"render", "--process", "3b2*4b9", "-o", cancels});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  ASSERT_EQ(runCli({"render", "--process", "2b1*3b1", "-o", plain}).exitCode, 0);
  EXPECT_GT(countColor(image(cancels), kHeaderInk), countColor(image(plain), kHeaderInk) + 20);
}

TEST_F(CliRenderProcess, WithoutAProcessTheComputedLineIsDrawn) {
  struct Row {
    const char* question;
    const char* line;  // as the calculation screen holds it afterwards
  };
  const Row rows[] = {
      {"2*3", "2*3=6"},
      {"2^3+1", "2^3+1=9"},
      {"4:6", "4:6=2:3&2:3"},
      {"2x+3=7", "2x+3=7&x＝2"},
  };
  for (const auto& row : rows) {
    const std::string computed = path("computed.png"), given = path("given.png");
    CliResult r = runCli({"render", "--process", row.question, "-o", computed});
    ASSERT_EQ(r.exitCode, 0) << row.question << r.err;
    ASSERT_EQ(runCli({"render", row.line, "-o", given}).exitCode, 0);
    EXPECT_EQ(image(computed), image(given)) << row.question;
  }
}

TEST_F(CliRenderProcess, FailuresAreReportedAndStillDrawn) {
  const std::string out = path("zero.png");
  CliResult r = runCli({"render", "--process", "3b2/0", "-o", out});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find("【注意!!】０で割ることは許されません！"), std::string::npos) << r.err;
  const QImage img = image(out);
  ASSERT_FALSE(img.isNull()) << "the header of the empty process is drawn";
  EXPECT_GT(countColor(img, kHeaderInk), 50);

  const std::string mixed = path("mixed.png");
  CliResult many = runCli({"render", "--process", "-", "-o", mixed}, "3b1+3b1\r\n3b2/0\n2*3\n");
  EXPECT_EQ(many.exitCode, 0) << "standard input: a failed line does not fail the run";
  EXPECT_GT(image(mixed).height(), img.height());
}

TEST_F(CliRenderProcess, WritesAPdf) {
  const std::string out = path("worked.pdf");
  CliResult r = runCli({"render", "--process", "3b2*4b9", "-o", out});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  QFile f(QString::fromStdString(out));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_TRUE(f.read(5).startsWith("%PDF"));
}

}  // namespace ravlo::test
