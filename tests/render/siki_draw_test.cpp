#include "render/colors.h"
#include "tests/render/render_fixture.h"

namespace ravlo::test {

using SikiDraw = RenderTest;

TEST_F(SikiDraw, DenominatorAloneStandsUnderABarWithTheCursorAbove) {
  int end = draw("3b");
  auto three = text("3");
  EXPECT_EQ(three.x, kX);
  EXPECT_EQ(three.y, kLowerLine);
  EXPECT_EQ(three.color, kBlack);
  EXPECT_TRUE(hasBar(kX, kX + kW, kBarLine)) << canvas.dump();
  EXPECT_FALSE(r.cursorFollowsPen);
  EXPECT_EQ(r.CursorX, kX);
  EXPECT_EQ(r.CursorY, kUpperLine);
  EXPECT_EQ(end, kX + kW);
}

TEST_F(SikiDraw, MixedNumberWithItsDenominatorBeingTyped) {
  int end = draw("1k3");
  auto one = text("1");
  EXPECT_EQ(one.x, kX);
  EXPECT_EQ(one.y, kY);
  auto three = text("3");
  EXPECT_EQ(three.x, kX + kW + 1);
  EXPECT_EQ(three.y, kLowerLine);
  EXPECT_EQ(three.color, kBlue);
  EXPECT_TRUE(hasBar(kX + kW + 1, kX + 2 * kW + 1, kBarLine)) << canvas.dump();
  EXPECT_FALSE(r.cursorFollowsPen);
  EXPECT_EQ(r.CursorX, kX + 2 * kW + 1);  // after the 3, on the lower line
  EXPECT_EQ(r.CursorY, kLowerLine);
  EXPECT_EQ(end, kX + kW + 1 + 2);
}

TEST_F(SikiDraw, MixedNumberWithNothingAfterK) {
  draw("1k");
  EXPECT_EQ(canvas.allText(), "1");
  EXPECT_TRUE(hasBar(kX + kW + 1, kX + 2 * kW + 1, kBarLine));  // the placeholder
  EXPECT_EQ(r.CursorX, kX + kW + 1);
  EXPECT_EQ(r.CursorY, kLowerLine);
}

TEST_F(SikiDraw, WideNumeratorWidensTheBarAndCentresTheDenominator) {
  int end = draw("3b12");
  EXPECT_TRUE(hasBar(kX, kX + 2 * kW, kBarLine)) << canvas.dump();
  auto three = text("3");
  EXPECT_EQ(three.x, kX + kW / 2);
  EXPECT_EQ(three.y, kLowerLine);
  // Runs are drawn a character at a time.
  EXPECT_EQ(text("1").x, kX);
  EXPECT_EQ(text("1").y, kUpperLine);
  EXPECT_EQ(text("2").x, kX + kW);
  EXPECT_EQ(end, kX + 2 * kW);
  // The numerator may still grow: the cursor follows the pen after it.
  EXPECT_TRUE(r.cursorFollowsPen);
  EXPECT_EQ(r.CursorX, kX + 2 * kW);
  EXPECT_EQ(r.CursorY, kUpperLine);
}

TEST_F(SikiDraw, WideDenominatorCentresTheNumerator) {
  draw("120b7");
  EXPECT_TRUE(hasBar(kX, kX + 3 * kW, kBarLine));
  EXPECT_EQ(text("1").x, kX);
  EXPECT_EQ(text("7").x, kX + kW);  // shifted by 10 * 2 / 2
}

TEST_F(SikiDraw, MixedNumberComplete) {
  int end = draw("1k3b2");
  EXPECT_EQ(text("1").y, kY);
  EXPECT_EQ(text("3").y, kLowerLine);
  EXPECT_EQ(text("3").x, kX + kW + 1);
  EXPECT_EQ(text("2").y, kUpperLine);
  EXPECT_EQ(text("2").color, kBlack);
  EXPECT_TRUE(hasBar(kX + kW + 1, kX + 2 * kW + 1, kBarLine));
  EXPECT_EQ(end, kX + 2 * kW + 1);
  EXPECT_EQ(r.CursorColor, kBlue);
}

TEST_F(SikiDraw, RepeatingDecimalBeingTypedHasADotAndAMagentaCursor) {
  draw("0.1@6");
  EXPECT_EQ(canvas.allText(), "0.1●6");
  auto dot = text("●");
  EXPECT_EQ(dot.color, kRed);
  EXPECT_EQ(dot.font.size, 3);  // 0.3 × 10
  EXPECT_EQ(dot.x, kX + 3 * kW + 3);
  EXPECT_EQ(dot.y, kY - 8);
  auto six = text("6");
  EXPECT_EQ(six.x, kX + 3 * kW);
  EXPECT_EQ(six.y, kY);
  EXPECT_LE(six.x, dot.x);
  EXPECT_GE(six.x + six.width, dot.x + dot.width);  // the dot stands over the 6
  EXPECT_EQ(r.CursorColor, kMagenta);
  EXPECT_EQ(r.CursorX, kX + 4 * kW);
  EXPECT_EQ(canvas.fontSize(), 10);  // dot size restored
}

TEST_F(SikiDraw, RepeatingPeriodDotsOverFirstAndLastDigit) {
  struct Row {
    const char* text;
    Color cursor;
  };
  for (const Row& row : {Row{"0.1@63", kMagenta}, Row{"0.1@63+1", kBlue}}) {
    RecordingCanvas c;
    ExprRenderer rr;
    rr.SikiDraw(c, row.text, kX, kY, kW, kH);
    ASSERT_EQ(c.countText("●"), 2) << row.text << "\n" << c.dump();
    auto first = c.findText("●", 0)->x < c.findText("●", 1)->x ? c.findText("●", 0)
                                                                 : c.findText("●", 1);
    auto last = c.findText("●", 0)->x < c.findText("●", 1)->x ? c.findText("●", 1)
                                                                : c.findText("●", 0);
    auto six = c.findText("6");
    auto three = c.findText("3");
    ASSERT_TRUE(six && three);
    EXPECT_GE(first->x, six->x);
    EXPECT_LE(first->x + first->width, six->x + six->width) << row.text;
    EXPECT_GE(last->x, three->x);
    EXPECT_LE(last->x + last->width, three->x + three->width) << row.text;
    EXPECT_EQ(rr.CursorColor, row.cursor) << row.text;
  }
}

TEST_F(SikiDraw, RepeatingOpenedButEmpty) {
  draw("0.1@");
  EXPECT_EQ(canvas.allText(), "0.1");
  EXPECT_EQ(canvas.countText("●"), 0);
  EXPECT_EQ(r.CursorColor, kMagenta);
}

TEST_F(SikiDraw, PowerIsSmallDarkRedAndRaised) {
  draw("2^3");
  auto three = text("3");
  EXPECT_EQ(three.color, kDarkRed);
  EXPECT_EQ(three.font.size, 7);
  EXPECT_TRUE(three.font.bold);
  EXPECT_EQ(three.y, kY - kW / 4);
  EXPECT_EQ(three.x, kX + kW);
  EXPECT_TRUE(r.powerFlag);
  EXPECT_EQ(r.powerLineY, kY - kW / 4);
  EXPECT_EQ(canvas.fontSize(), 10);
  EXPECT_FALSE(canvas.bold());
}

TEST_F(SikiDraw, OperatorAfterPowerEndsIt) {
  draw("2^3+1");
  EXPECT_FALSE(r.powerFlag);
  EXPECT_EQ(text("＋").font.size, 10);
  EXPECT_EQ(text("1").y, kY);
}

TEST_F(SikiDraw, PowerWithSignAndLetters) {
  draw("2^m1");
  EXPECT_EQ(text("－").color, kRed);
  EXPECT_EQ(text("－").y, kY - kW / 4);
  EXPECT_EQ(text("1").color, kDarkRed);
  RecordingCanvas c;
  ExprRenderer rr;
  rr.SikiDraw(c, "2^xy+1", kX, kY, kW, kH);
  ASSERT_TRUE(c.findText("xy"));
  EXPECT_EQ(c.findText("xy")->color, kDarkRed);
}

TEST_F(SikiDraw, BracketedFractionToAPower) {
  draw("(3b2)^2");
  EXPECT_EQ(text("(").color, kBlue);
  EXPECT_EQ(text(")").x, kX + 2 * kW);
  EXPECT_EQ(text("2", 1).y, kY - kW / 4);  // the exponent; the numerator is "2" #0
  EXPECT_EQ(text("2", 0).y, kUpperLine);
}

TEST_F(SikiDraw, GlyphsAndColoursOfOperators) {
  draw("m1+2-3*4/5=");
  EXPECT_EQ(canvas.allText(), "－1＋2－3×4÷5＝");
  EXPECT_EQ(text("－").color, kRed);
  EXPECT_EQ(text("×").color, kRed);
  EXPECT_EQ(text("＝").color, kBlue);
  EXPECT_EQ(text("1").color, kBlack);
  EXPECT_EQ(text("1").x, kX + 2 * kW);
}

TEST_F(SikiDraw, LessOrEqualIsOneGlyph) {
  draw("x<=3");
  EXPECT_EQ(canvas.allText(), "x≦3");
  EXPECT_EQ(text("≦").color, kBlue);
  EXPECT_EQ(text("3").x, kX + 3 * kW);
  RecordingCanvas c;
  ExprRenderer rr;
  rr.SikiDraw(c, "x>=1>x<2", kX, kY, kW, kH);
  EXPECT_EQ(c.allText(), "x≧1＞x＜2");
}

TEST_F(SikiDraw, RatioHasQuarterGaps) {
  int end = draw("3:4");
  auto colon = text(":");
  EXPECT_EQ(colon.x, kX + kW + kW / 4);
  EXPECT_EQ(colon.color, kDarkRed);
  EXPECT_TRUE(colon.font.bold);
  EXPECT_EQ(text("4").x, kX + 2 * kW + 2 * (kW / 4));
  EXPECT_EQ(end, kX + 3 * kW + 2 * (kW / 4));
}

TEST_F(SikiDraw, RemainderAfterAnOperatorHead) {
  draw("7/2=3R1");
  // "3R1" is a run: あまり at a quarter character height down, 0.7 size, red, bold.
  auto amari = text("あまり");
  EXPECT_EQ(amari.color, kRed);
  EXPECT_EQ(amari.font.size, 7);
  EXPECT_TRUE(amari.font.bold);
  EXPECT_EQ(amari.y, kY + kH / 4);
  EXPECT_EQ(text("1").x, amari.x + amari.width);
}

TEST_F(SikiDraw, RemainderAsHead) {
  draw(")R1");
  auto amari = text("あまり");
  EXPECT_EQ(amari.x, kX + kW + kW / 4);
  EXPECT_EQ(amari.y, kY + 6);  // round(0.3 × 20)
  EXPECT_EQ(text("1").x, amari.x + amari.width + kW / 4);
}

TEST_F(SikiDraw, FactorialPermutationAndVariables) {
  draw("5!+5P2+5C2+2x");
  EXPECT_EQ(text("!").color, kDarkRed);
  EXPECT_TRUE(text("!").font.bold);
  EXPECT_EQ(text("P").color, kDarkRed);
  EXPECT_EQ(text("x").color, kHotLight);
  EXPECT_TRUE(text("x").font.bold);
}

TEST_F(SikiDraw, NonTerminatingDecimalMark) {
  draw("1b3=0.33333u");
  EXPECT_EQ(text("…").color, kBlue);
  EXPECT_EQ(text("3", 4).y, kY);
  EXPECT_EQ(text("…").x, text("3", 5).x + kW);
}

TEST_F(SikiDraw, EqualBreaksTheLineWhenAsked) {
  r.EQUAL_KAIGYO = true;
  r.GyoKeisuu = 5;
  draw("2b1+3b1=6b5");
  EXPECT_EQ(r.lineCount, 1);
  auto eq = text("＝");
  EXPECT_EQ(eq.x, kX - kH);  // one character left of the line start
  EXPECT_EQ(eq.y, kY + kH * 5 / 2);
  EXPECT_EQ(r.answerX, eq.x);
  EXPECT_EQ(r.answerY, eq.y);
  // Five sixths under the expression, its bar on the new line's bar line.
  auto six = text("6");
  EXPECT_EQ(six.x, kX);
  EXPECT_EQ(six.y, eq.y + kH / 2 + 3);
  EXPECT_TRUE(hasBar(kX, kX + kW, eq.y + kH / 2));
}

TEST_F(SikiDraw, NoBreakInAnEquation) {
  r.EQUAL_KAIGYO = true;
  draw("2x+1=5");
  EXPECT_EQ(r.lineCount, 0);
  EXPECT_EQ(text("＝").y, kY);
  EXPECT_EQ(text("＝").x, kX + 5 * kW);
}

TEST_F(SikiDraw, NoBreakWhenOff) {
  draw("1+1=2=2");
  EXPECT_EQ(r.lineCount, 0);
  EXPECT_EQ(text("＝", 1).y, kY);
  EXPECT_EQ(r.answerX, text("＝", 1).x);
}

TEST_F(SikiDraw, EachEqualBreaksAgain) {
  r.EQUAL_KAIGYO = true;
  r.GyoKeisuu = 4;
  draw("3b1+2=2k3b1=3b7");
  EXPECT_EQ(r.lineCount, 2);
  EXPECT_EQ(text("＝", 0).y, kY + kH * 4 / 2);
  EXPECT_EQ(text("＝", 1).y, kY + 2 * kH * 4 / 2);
  EXPECT_EQ(text("＝", 1).x, kX - kH);
}

TEST_F(SikiDraw, CursorFollowsThePenAfterOrdinaryTokens) {
  draw("12+3");
  EXPECT_TRUE(r.cursorFollowsPen);
  EXPECT_EQ(r.CursorX, kX + 5 * kW);
  EXPECT_EQ(r.CursorY, kY);
}

TEST_F(SikiDraw, StateIsAFunctionOfTheText) {
  draw("0.1@6");
  ASSERT_EQ(r.CursorColor, kMagenta);
  draw("2^3");
  EXPECT_EQ(r.CursorColor, kBlue);
  EXPECT_TRUE(r.powerFlag);
  draw("2");
  EXPECT_FALSE(r.powerFlag);
}

TEST_F(SikiDraw, DigitsDoNotFitInt64AreDrawnAsText) {
  draw("99999999999999999999b3");
  EXPECT_EQ(canvas.allText(), "99999999999999999999b3");
  EXPECT_TRUE(canvas.horizontalLines().empty());
  RecordingCanvas c;
  ExprRenderer rr;
  rr.SikiDraw(c, "3b9223372036854775808+1", kX, kY, kW, kH);
  EXPECT_EQ(c.allText(), "3b9223372036854775808＋1");
  // The largest int64 still reads.
  RecordingCanvas c2;
  rr.SikiDraw(c2, "3b9223372036854775807", kX, kY, kW, kH);
  EXPECT_EQ(c2.allText(), "39223372036854775807");
  ASSERT_TRUE(c2.findText("8"));
  EXPECT_EQ(c2.findText("8")->y, kUpperLine);
}

}  // namespace ravlo::test
