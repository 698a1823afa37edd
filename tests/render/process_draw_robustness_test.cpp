// Any process text at all draws, ends, and leaves the canvas as it found it.
#include <random>
#include <string>

#include "core/cp932.h"
#include "render/colors.h"
#include "tests/render/process_draw_fixture.h"

namespace ravlo::test {

namespace {

void drawEverything(const ProcessContext& pc, std::string_view text, int teido) {
  RecordingCanvas c;
  ExprRenderer rr;
  rr.EQUAL_KAIGYO = true;
  ProcessDrawer dd(rr, pc);
  dd.ADVICEDSP = 1;
  dd.PROCTEIDO = teido;
  const int y = dd.drawWithHeader(c, 10, text, kX, kY, kW, kH);
  dd.YakubunLineDsp(c, text, kX, y, kW, kH, 0);
  dd.YakubunLineDsp(c, text, kX, y, kW, kH, 1);
  EXPECT_GE(y, kY);
  for (const auto& t : c.texts())
    ASSERT_TRUE(isValidUtf8(t.text)) << "drawing of \"" << text << "\" wrote bad UTF-8";
  EXPECT_EQ(c.fontSize(), 10) << text;
  EXPECT_FALSE(c.bold()) << text;
  EXPECT_FALSE(c.underline()) << text;
  EXPECT_EQ(c.textColor(), kBlack) << text;
  EXPECT_TRUE(rr.EQUAL_KAIGYO);
}

}  // namespace

using ProcessDrawRobustness = ProcessDrawTest;

TEST_F(ProcessDrawRobustness, MalformedProcessTexts) {
  build("3b2*4b9");  // so that Z steps have a product to draw
  const std::string texts[] = {
      "", "~", "~~~~~~", "X", "XYZA~", "001X", "001X3b2", "=~=~=", "000X=~", "001Y~", "001Z~",
      "001A=~", "001A==~", "062Z~062Z~062Z~", "999X1~", "-01X1~", "0a1X1~", "00X1~", "001x1~",
      "001X~~002Y=~", "~001X1~~", "001X1~000X", "001X6b2~~~002Y=6b2~", "002Y=6b2+~",
      "002Y=+~", "002Y=6b0~", "002Y=0b6~", "002Y=9223372036854775807b9223372036854775806~",
      "002Y=99999999999999999999b2~", "002A=m6b2-m4b2~", "002Y=[6B2]+(4b2)~", "002Y=6b2=3b1~",
      "020X=1=2=3=4~", "001X(((((~", "001X[[[[[[[[[[~", "\xff\xfe~\x80X~", "001X\xe3\x81~",
      std::string("001X\0\0~", 7), "001X1~004X=2~035X=3~", "~~001X1", "001X1~0",
  };
  for (const auto& t : texts) {
    drawEverything(ctx, t, 0);
    drawEverything(ctx, t, 1);
  }
}

TEST_F(ProcessDrawRobustness, TheWalkStopsAtTheLastTilde) {
  d.ADVICEDSP = 0;
  EXPECT_EQ(drawProcess("001X3b2"), kY);
  EXPECT_TRUE(canvas.texts().empty()) << canvas.dump();
  drawProcess("001X1~000X=2");
  EXPECT_EQ(canvas.allText(), "1");
  // A step without its number and tag is drawn as it stands.
  RecordingCanvas c;
  d.ProcTextDraw(c, "1+1~", kX, kY, kW, kH);
  EXPECT_EQ(c.allText(), "1＋1");
}

TEST_F(ProcessDrawRobustness, RandomTextsNeverHang) {
  build("12b5*5b18*3b4");
  std::mt19937 gen(20261209);
  const std::string alphabet = "~~~XYZA0123456789===bkmp+-*/[]().@^!KBR|&xu";
  std::uniform_int_distribution<int> length(0, 80);
  std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
  std::uniform_int_distribution<int> byte(0, 255);
  std::uniform_int_distribution<int> coin(0, 9);
  for (int n = 0; n < 1500; ++n) {
    std::string t;
    const int len = length(gen);
    for (int i = 0; i < len; ++i)
      t += coin(gen) == 0 ? static_cast<char>(byte(gen)) : alphabet[pick(gen)];
    drawEverything(ctx, t, n % 2);
    if (HasFatalFailure()) return;
  }
}

TEST_F(ProcessDrawRobustness, StepsFarDownStopTheWalk) {
  // A hundred thousand chained steps: the walk ends, and y stays in range.
  std::string text;
  for (int i = 0; i < 100000; ++i) text += "000X=1~";
  r.GyoKeisuu = 12;
  const int y = d.ProcTextDraw(canvas, text, kX, kY, kW, 1 << 14);
  EXPECT_GT(y, kY);
  EXPECT_LE(y, (1 << 28) + (1 << 20));
}

}  // namespace ravlo::test
