#include "render/colors.h"
#include "tests/render/render_fixture.h"

namespace ravlo::test {

using ExprFraction = RenderTest;

TEST_F(ExprFraction, ClosedConstructIsBuiltUp) {
  int end = draw("[3B1+1]");
  EXPECT_EQ(canvas.countText("["), 0);
  auto three = text("3");  // the denominator, centred under the wider numerator
  EXPECT_EQ(three.x, kX + 2 + 3 + kW * 3 / 2);
  EXPECT_EQ(three.y, kLowerLine);
  auto one = text("1");
  EXPECT_EQ(one.x, kX + 2 + 3);
  EXPECT_EQ(one.y, kExprUpperLine);
  EXPECT_EQ(text("＋").color, kRed);
  const int numEnd = kX + 5 + 4 * kW;
  EXPECT_TRUE(hasBar(kX + 2, numEnd, kBarLine)) << canvas.dump();
  EXPECT_EQ(end, numEnd + 2);
  // Finished: the cursor goes after it, on the line.
  EXPECT_TRUE(r.cursorFollowsPen);
  EXPECT_EQ(r.CursorX, end);
  EXPECT_EQ(r.CursorY, kY);
  EXPECT_EQ(r.CursorColor, kBlue);
}

TEST_F(ExprFraction, BracketedDenominatorAndNumerator) {
  draw("[(1+2)B(1+1)]");
  EXPECT_EQ(canvas.allText(), "(1＋2)(1＋1)");
  EXPECT_EQ(text("(", 0).y, kLowerLine);
  EXPECT_EQ(text("(", 1).y, kExprUpperLine);
  EXPECT_EQ(text("(", 0).x, text("(", 1).x);  // equal widths: no shift
  EXPECT_TRUE(hasBar(kX + 2, kX + 5 + 6 * kW, kBarLine));
}

TEST_F(ExprFraction, SignedConstructIsBracketedAfterAnOperatorOrBeforeTimes) {
  struct Row {
    const char* text;
    const char* drawn;
  };
  const Row rows[] = {
      {"2*[mK3B1]", "2×(－31)"},
      {"[mK3B1]", "－31"},
      {"[mK3B1]*2", "(－31)×2"},
      {"[mK3B1]/2", "(－31)÷2"},
      {"[mK3B1]+2", "－31＋2"},
      {"[3B1]*2", "31×2"},  // a positive value without sign needs no brackets
      {"1+[pK3B1]", "1＋(＋31)"},
      {"[pK3B1]", "＋31"},
      {"[m2K3B1]", "－231"},
      {"[0]", "0"},
  };
  for (const auto& row : rows) {
    RecordingCanvas c;
    ExprRenderer rr;
    rr.SikiDraw(c, row.text, kX, kY, kW, kH);
    EXPECT_EQ(c.allText(), row.drawn) << row.text << "\n" << c.dump();
  }
}

TEST_F(ExprFraction, NegativeLayout) {
  int end = draw("2*[mK3B1]");
  auto open = text("(");
  EXPECT_EQ(open.x, kX + 3 * kW + 2);
  EXPECT_EQ(open.color, kBlue);
  EXPECT_EQ(text("－").x, open.x + kW);
  const int fracX = open.x + 3 * kW;
  EXPECT_EQ(text("3").x, fracX + 3);
  EXPECT_TRUE(hasBar(fracX, fracX + 3 + kW, kBarLine)) << canvas.dump();
  EXPECT_EQ(text(")").x, fracX + 3 + kW);
  EXPECT_EQ(end, fracX + 3 + 2 * kW + 2);
}

TEST_F(ExprFraction, WholePartBeforeTheFraction) {
  draw("[2K3B1]");
  EXPECT_EQ(text("2").x, kX + 2);
  EXPECT_EQ(text("2").y, kY);
  EXPECT_EQ(text("3").x, kX + 2 + kW + 3);
}

TEST_F(ExprFraction, HalfTypedStages) {
  struct Row {
    const char* text;
    const char* drawn;
    Point cursor;
    bool follows;
    Color cursorColor;
  };
  const int in = kX + kW;  // after the purple "["
  const Row rows[] = {
      {"[", "[", {in, kY}, true, kRed},
      {"[3", "[3", {in + kW, kY}, true, kBlue},
      {"[2K", "[2", {in + kW + 1, kLowerLine}, false, kBlue},
      {"[2K3", "[23", {in + 2 * kW + 1, kLowerLine}, false, kBlue},
      {"[2K3+1", "[23＋1", {in + 5 * kW + 1, kLowerLine}, false, kBlue},
      {"[3B", "[3", {in, kExprUpperLine}, false, kBlue},
      {"[1+2B", "[1＋2", {in, kExprUpperLine}, false, kBlue},
      {"[2K3B", "[23", {in + kW + 1, kExprUpperLine}, false, kBlue},
      {"[3B1", "31", {kX + 5 + kW, kExprUpperLine}, false, kBlue},
      {"[3B1+", "31＋", {kX + 5 + 3 * kW, kExprUpperLine}, false, kBlue},
  };
  for (const auto& row : rows) {
    RecordingCanvas c;
    ExprRenderer rr;
    rr.SikiDraw(c, row.text, kX, kY, kW, kH);
    EXPECT_EQ(c.allText(), row.drawn) << row.text << "\n" << c.dump();
    EXPECT_EQ(rr.CursorX, row.cursor.x) << row.text;
    EXPECT_EQ(rr.CursorY, row.cursor.y) << row.text;
    EXPECT_EQ(rr.cursorFollowsPen, row.follows) << row.text;
    EXPECT_EQ(rr.CursorColor, row.cursorColor) << row.text;
    if (std::string_view(row.text).find('B') == std::string_view::npos ||
        std::string_view(row.text).back() == 'B') {
      auto bracket = c.findText("[");
      ASSERT_TRUE(bracket) << row.text;
      EXPECT_EQ(bracket->color, kPurple) << row.text;
    }
  }
}

TEST_F(ExprFraction, DenominatorBeingTypedAfterKSitsUnderItsBar) {
  draw("[2K3+1");
  const int start = kX + 2 * kW + 1;
  EXPECT_EQ(text("3").x, start);
  EXPECT_EQ(text("3").y, kLowerLine);
  EXPECT_TRUE(hasBar(start, start + 4 * kW, kBarLine)) << canvas.dump();
}

TEST_F(ExprFraction, DenominatorAfterBSitsUnderABarAsWideAsIt) {
  draw("[1+2B");
  EXPECT_EQ(text("1").y, kLowerLine);
  EXPECT_TRUE(hasBar(kX + kW, kX + 5 * kW, kBarLine)) << canvas.dump();
}

TEST_F(ExprFraction, DrawingOneEndsAnExponent) {
  r.powerFlag = true;
  r.TokenDraw(canvas, "[3B1]", kX, kY, kW, kH);
  EXPECT_FALSE(r.powerFlag);
}

TEST_F(ExprFraction, IntegerPartTooLargeIsDrawnAsText) {
  draw("[99999999999999999999K3B1]+1");
  EXPECT_EQ(canvas.allText(), "[99999999999999999999K3B1]＋1");
  EXPECT_TRUE(canvas.horizontalLines().empty());
}

TEST_F(ExprFraction, SikiBunsuuDrawRefusesAnUnreadableIntegerPart) {
  BunsuuH parts{"+1", "abc", "3", "1"};
  int end = r.SikiBunsuuDraw(canvas, parts, kX, kY, kW, kH, false, false);
  EXPECT_EQ(end, kX);
  EXPECT_EQ(r.bunsuuH.BunsuuHErr, 50);
  EXPECT_TRUE(canvas.texts().empty());
}

TEST_F(ExprFraction, TokenDrawTakesTheWholeConstruct) {
  int end = r.TokenDraw(canvas, "[3B1]+2", kX, kY, kW, kH);
  EXPECT_EQ(canvas.allText(), "31");
  EXPECT_EQ(end, kX + 2 + 3 + kW + 2);
  RecordingCanvas c;
  EXPECT_EQ(r.TokenDraw(c, "*3", kX, kY, kW, kH), kX + 2 * kW);
  EXPECT_EQ(c.allText(), "×");
}

}  // namespace ravlo::test
