#include "render/colors.h"
#include "tests/render/render_fixture.h"

namespace ravlo::test {

using BunsuuDraw = RenderTest;

TEST_F(BunsuuDraw, NegativeMixedNumberInBrackets) {
  int end = r.BunsuuDraw(canvas, Bunsuu64{-1, 2, 3, 1}, kX, kY, kW, kH, true);
  EXPECT_EQ(canvas.allText(), "(－231)");
  EXPECT_EQ(text("(").color, kBlue);
  EXPECT_EQ(text("－").x, kX + kW);
  EXPECT_EQ(text("－").color, kRed);
  EXPECT_EQ(text("2").x, kX + 3 * kW);
  EXPECT_EQ(text("2").color, kBlack);
  EXPECT_EQ(text("3").y, kLowerLine);
  EXPECT_EQ(text("1").y, kUpperLine);
  EXPECT_TRUE(hasBar(kX + 4 * kW, kX + 5 * kW, kBarLine));
  EXPECT_EQ(text(")").x, kX + 5 * kW);
  EXPECT_EQ(end, kX + 6 * kW);
  EXPECT_EQ(canvas.textColor(), kBlack);
}

TEST_F(BunsuuDraw, SimpleForms) {
  struct Row {
    Bunsuu64 value;
    bool parenthesise;
    const char* drawn;
    int end;
  };
  const Row rows[] = {
      {{0, 0, 1, 0}, true, "0", kX + kW},
      {{1, 7, 1, 0}, false, "7", kX + kW},
      {{-1, 7, 1, 0}, false, "－7", kX + 3 * kW},
      {{1, 0, 12, 5}, false, "125", kX + 2 * kW},
      {{-1, 0, 3, 2}, false, "－32", kX + 3 * kW},
      {{1, 0, 3, 0}, false, "30", kX + kW},  // a typed 3b0 still shows as a fraction
  };
  for (const auto& row : rows) {
    RecordingCanvas c;
    ExprRenderer rr;
    int end = rr.BunsuuDraw(c, row.value, kX, kY, kW, kH, row.parenthesise);
    EXPECT_EQ(c.allText(), row.drawn);
    EXPECT_EQ(end, row.end) << row.drawn;
  }
}

TEST_F(BunsuuDraw, BarDrawReturnsThePenToItsStart) {
  EXPECT_EQ(r.BarDraw(canvas, 5, 9, 30), 5);
  EXPECT_EQ(canvas.penPos(), (Point{5, 9}));
  EXPECT_TRUE(hasBar(5, 35, 9));
}

TEST_F(BunsuuDraw, JunkanDotRestoresSizeAndColour) {
  canvas.setTextColor(0x123456);
  r.JunkanDot(canvas, 3, 4, 0.3);
  auto dot = text("●");
  EXPECT_EQ(dot.font.size, 3);
  EXPECT_EQ(dot.color, kRed);
  EXPECT_EQ(canvas.fontSize(), 10);
  EXPECT_EQ(canvas.textColor(), 0x123456u);
}

using YakubunDraw = RenderTest;

TEST_F(YakubunDraw, StrikesThroughAndWritesTheReducedNumbers) {
  int end = r.YakubunDraw(canvas, Bunsuu64{1, 0, 6, 4}, kX, kY, kW, kH);
  EXPECT_EQ(r.reducedText, "3b2");
  EXPECT_EQ(r.reducedIntText, "");
  auto six = text("6");
  EXPECT_EQ(six.y, kLowerLine);
  auto smallThree = text("3");
  EXPECT_EQ(smallThree.x, kX + kW / 2);
  EXPECT_EQ(smallThree.y, kLowerLine + kH);
  EXPECT_EQ(smallThree.color, kDarkRed);
  EXPECT_EQ(smallThree.font.size, 7);
  EXPECT_TRUE(smallThree.font.bold);
  auto smallTwo = text("2");
  EXPECT_EQ(smallTwo.y, kUpperLine - 12);  // round(0.6 × 20) above the numerator
  int strokes = 0;
  for (const auto& l : canvas.lines())
    if (!l.horizontal() && l.to.x - l.from.x == kW && l.to.y - l.from.y == kH) ++strokes;
  EXPECT_EQ(strokes, 2) << canvas.dump();
  EXPECT_EQ(end, smallThree.x + smallThree.width);
}

TEST_F(YakubunDraw, WholePartInNavyAndIntegerResult) {
  r.YakubunDraw(canvas, Bunsuu64{1, 2, 3, 6}, kX, kY, kW, kH);
  EXPECT_EQ(text("2").color, kNavy);
  EXPECT_EQ(r.reducedText, "2k1b2");
  EXPECT_EQ(r.reducedIntText, "4");
}

TEST_F(YakubunDraw, BracketedAnnotationInMagenta) {
  r.YakubunDraw(canvas, Bunsuu64{1, 0, 6, 4}, kX, kY, kW, kH, YakuAnnotation::Bracketed);
  EXPECT_EQ(text("〔").color, kMagenta);
  EXPECT_EQ(text("＝").color, kMagenta);
  EXPECT_EQ(text("〕").color, kMagenta);
  EXPECT_EQ(text("3", 1).color, kMagenta);  // the reduced denominator
  EXPECT_EQ(text("3", 1).y, kLowerLine);
}

TEST_F(YakubunDraw, ResultOnTheNextLineWhenBreaking) {
  r.EQUAL_KAIGYO = true;
  r.GyoKeisuu = 4;
  r.YakubunDraw(canvas, Bunsuu64{1, 0, 3, 6}, kX, kY, kW, kH, YakuAnnotation::Result);
  auto eq = text("＝");
  EXPECT_EQ(eq.x, kX - 2 * kW);
  EXPECT_EQ(eq.y, kY + kH * 4 / 2);
  EXPECT_EQ(canvas.countText("＝"), 2);  // 6/3 = 2/1 = 2
  EXPECT_EQ(r.reducedIntText, "2");
}

TEST_F(YakubunDraw, IrreducibleOrInvalidValues) {
  r.YakubunDraw(canvas, Bunsuu64{1, 0, 3, 2}, kX, kY, kW, kH);
  EXPECT_EQ(canvas.allText(), "32");
  EXPECT_EQ(r.reducedText, "3b2");
  RecordingCanvas c;
  r.YakubunDraw(c, Bunsuu64{0, 0, 0, 0}, kX, kY, kW, kH, YakuAnnotation::Result);
  EXPECT_EQ(r.reducedText, "n");
}

}  // namespace ravlo::test
