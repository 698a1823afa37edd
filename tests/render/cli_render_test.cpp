// ravlo-cli render, run as a separate process.
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

int countColor(const QImage& img, bool (*match)(QColor)) {
  int n = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (match(img.pixelColor(x, y))) ++n;
  return n;
}

bool isRed(QColor c) { return c.red() > 200 && c.green() < 60 && c.blue() < 60; }
bool isTeal(QColor c) { return c.red() < 30 && c.green() == 0x80 && c.blue() == 0x80; }

class CliRender : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  std::string path(const char* name) { return dir.filePath(name).toStdString(); }
};

}  // namespace

TEST_F(CliRender, WritesAPngOfTheBuiltUpLine) {
  const std::string out = path("line.png");
  CliResult r = runCli({"render", "3b2+1=1k3b2", "-o", out});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "");
  QImage img(QString::fromStdString(out));
  ASSERT_FALSE(img.isNull());
  EXPECT_GT(img.width(), img.height());
  EXPECT_GT(countColor(img, isRed), 10);   // the plus sign
  EXPECT_GT(countColor(img, isTeal), 10);  // the fraction bars
  EXPECT_EQ(img.pixelColor(0, 0), QColor(0xC0, 0xDC, 0xC0));

  const std::string big = path("big.png");
  ASSERT_EQ(runCli({"render", "--font-size", "40", "3b2+1=1k3b2", "-o", big}).exitCode, 0);
  QImage bigImg(QString::fromStdString(big));
  EXPECT_GT(bigImg.width(), 2 * img.width());
}

TEST_F(CliRender, WritesAPdf) {
  const std::string out = path("line.PDF");
  CliResult r = runCli({"render", "[(1+2)B(1+1)]", "-o", out});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  QFile f(QString::fromStdString(out));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_TRUE(f.read(5).startsWith("%PDF"));
}

TEST_F(CliRender, LinesFromStandardInputStackDown) {
  const std::string one = path("one.png"), two = path("two.png");
  ASSERT_EQ(runCli({"render", "-", "-o", one}, "1+1\n").exitCode, 0);
  CliResult r = runCli({"render", "-", "-o", two}, "1+1\r\n3b2=3b2\n");
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_GT(QImage(QString::fromStdString(two)).height(),
            2 * QImage(QString::fromStdString(one)).height() - 10);
}

TEST_F(CliRender, BadUsage) {
  const std::string png = path("x.png");
  const std::vector<std::vector<std::string>> cases = {
      {"render"},
      {"render", "3b2"},
      {"render", "3b2", "-o"},
      {"render", "3b2", "-o", path("x.gif")},
      {"render", "--process", "3b2"},
      {"render", "--font-size", "0", "3b2", "-o", png},
      {"render", "--font-size", "big", "3b2", "-o", png},
      {"render", "--font-size"},
      {"render", "1", "2", "-o", png},
      {"render", "--zoom", "3b2", "-o", png},
  };
  for (const auto& args : cases) {
    CliResult r = runCli(args);
    EXPECT_EQ(r.exitCode, 2) << args.size();
    EXPECT_NE(r.err.find("usage: ravlo-cli render"), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "");
  }
  EXPECT_NE(runCli(cases[4]).err.find("--process"), std::string::npos);
  EXPECT_FALSE(QFile::exists(QString::fromStdString(png)));
}

TEST_F(CliRender, UnwritableOutputFails) {
  CliResult r = runCli({"render", "1+1", "-o", "/nonexistent-dir/x.png"});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find("/nonexistent-dir/x.png"), std::string::npos);
}

TEST_F(CliRender, NeedsNoDisplay) {
  // The child inherits this process's environment: take every display away from it.
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  const QByteArray display = qgetenv("DISPLAY");
  const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
  qunsetenv("QT_QPA_PLATFORM");
  qunsetenv("DISPLAY");
  qunsetenv("WAYLAND_DISPLAY");
  CliResult r = runCli({"render", "2^3", "-o", path("p.png")});
  qputenv("QT_QPA_PLATFORM", platform);
  if (!display.isEmpty()) qputenv("DISPLAY", display);
  if (!wayland.isEmpty()) qputenv("WAYLAND_DISPLAY", wayland);
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.err, "");
}

}  // namespace ravlo::test
