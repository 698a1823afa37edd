// The worked-solution walk: header, plain and reduction lines, advice lines, detail filter.
#include <string>

#include "process/advice_table.h"
#include "render/colors.h"
#include "tests/render/process_draw_fixture.h"

namespace ravlo::test {

using ProcessDraw = ProcessDrawTest;

namespace {

int diagonalLines(const RecordingCanvas& c) {
  int n = 0;
  for (const auto& l : c.lines())
    if (l.from.x != l.to.x && l.from.y != l.to.y) ++n;
  return n;
}

std::string adviceLine(int code, int piece) {
  std::string t(adviceText(code));
  for (int i = 0; i < piece; ++i) t = t.substr(t.find("||") + 2);
  return t.substr(0, t.find("||"));
}

}  // namespace

TEST_F(ProcessDraw, TypeHeaderTextColourAndStyle) {
  struct Row {
    int type;
    const char* caption;
  };
  const Row rows[] = {
      {0, "タイプ[00]::[指定外・直接計算]"},
      {1, "タイプ[01]::[分数の加減] <真分数・仮分数> のみの場合"},
      {2, "タイプ[02]::[分数の加減] <整数や帯分数をふくむ> ２数以上の場合 ▼別解F6▼"},
      {10, "タイプ[10]::[分数の乗除] <真分数・過分数> のみの場合"},
      {16, "タイプ[16]::[分数の乗除] <小数・整数・帯分数を含む分数> の場合"},
      {18, "タイプ[18]::[帯分数 ⇒ 仮分数] 変形のプロセス"},
  };
  for (const auto& row : rows) {
    RecordingCanvas c;
    const FontSpec before = c.font();
    d.ProcTypeDraw(c, row.type, 40, 60);
    const auto texts = c.texts();
    ASSERT_EQ(texts.size(), 1u) << row.type;
    EXPECT_EQ(texts[0].text, row.caption);
    EXPECT_EQ(texts[0].x, 40);
    EXPECT_EQ(texts[0].y, 60);
    EXPECT_EQ(texts[0].color, kDarkRed);
    EXPECT_EQ(texts[0].font.size, 8);
    EXPECT_TRUE(texts[0].font.bold);
    EXPECT_TRUE(texts[0].font.underline);
    EXPECT_EQ(c.font(), before) << "style restored";
    EXPECT_EQ(c.textColor(), kBlack);
  }
  for (int type : {-1, 19, 1000}) {
    RecordingCanvas c;
    d.ProcTypeDraw(c, type, 40, 60);
    EXPECT_TRUE(c.texts().empty()) << type;
  }
}

TEST_F(ProcessDraw, ChainedPlainLinesHangTheirEqualsSignOneCharacterLeft) {
  d.ADVICEDSP = 0;
  const int last = drawProcess("000X1+1~020X=2~");
  EXPECT_EQ(canvas.allText(), "1＋1＝2");
  EXPECT_EQ(text("1").x, kX);
  EXPECT_EQ(text("1").y, kY);
  EXPECT_EQ(text("＝").x, kX - kH);
  EXPECT_EQ(text("＝").y, kY + kD);
  EXPECT_EQ(text("2").x, kX);
  EXPECT_EQ(text("2").y, kY + kD);
  EXPECT_EQ(last, kY + kD);
}

TEST_F(ProcessDraw, AStepWithSeveralBreaksMovesDownByAllOfThem) {
  // CharH 21: a break is 52.5 pixels; two breaks of one step are 105, as the renderer put them.
  d.ProcTextDraw(canvas, "000X1=2=3~020X=4~", kX, kY, kW, 21);
  EXPECT_EQ(text("2").y, kY + 52);
  EXPECT_EQ(text("3").y, kY + 105);
  EXPECT_EQ(text("4").y, kY + 105 + 52);
}

TEST_F(ProcessDraw, AdviceLineFollowsTheStepInNavyAtSevenTenths) {
  d.ADVICEDSP = 1;
  drawProcess("000X1+1~020X=2~");
  // The pen stands after "2" at (110, 150); the advice starts two character heights on.
  auto advice = text(adviceText(20));
  EXPECT_EQ(advice.x, kX + kW + 2 * kH);
  EXPECT_EQ(advice.y, kY + kD);
  EXPECT_EQ(advice.color, kNavy);
  EXPECT_EQ(advice.font.size, kAdviceSize);
  EXPECT_EQ(canvas.texts().size(), 6u) << "no advice for the entry without a number";
  EXPECT_EQ(canvas.fontSize(), 10);
  EXPECT_EQ(canvas.textColor(), kBlack);
}

TEST_F(ProcessDraw, WithoutAdviceDisplayTheStepsAreStillDrawn) {
  d.ADVICEDSP = 0;
  drawProcess("009X1+1~020X=2~");
  EXPECT_EQ(canvas.allText(), "1＋1＝2");
}

TEST_F(ProcessDraw, AdviceWithLineBreaksIsDrawnCharacterHeightApart) {
  d.ADVICEDSP = 1;
  drawProcess("002X1~");
  auto first = text(adviceLine(2, 0));
  auto second = text(adviceLine(2, 1));
  EXPECT_EQ(first.text, "⇔ [約分] 約分は､分母・分子を同じ数で割ります。");
  EXPECT_EQ(second.text, "　　(割り切れなくなるまで､割るよ)▼[2]");
  EXPECT_EQ(first.x, kX + kW + 2 * kH);
  EXPECT_EQ(second.x, first.x);
  EXPECT_EQ(second.y, first.y + kH);

  RecordingCanvas c;
  d.AdviceDraw(c, 77, 0, 0, kH);
  ASSERT_EQ(c.texts().size(), 2u);
  EXPECT_EQ(c.texts()[1].y, kH);
  RecordingCanvas none;
  for (int code : {0, -1, 100, 999}) d.AdviceDraw(none, code, 0, 0, kH);
  EXPECT_TRUE(none.texts().empty());
}

TEST_F(ProcessDraw, DetailFilterHidesLaterDetailStepsAtTheOrdinaryLevel) {
  struct Row {
    int teido;
    std::string text;
    std::string drawn;  // the expression glyphs, advice lines left out
    int lastY;
    int adviceLines;
  };
  const Row rows[] = {
      {0, "001X1~004X=2~035X=3~001X=4~020X=5~", "1＝5", kY + kD, 2},
      {1, "001X1~004X=2~035X=3~001X=4~020X=5~", "1＝2＝3＝4＝5", kY + 4 * kD, 6},
      {0, "035X7~020X=8~", "7＝8", kY + kD, 2},
      {0, "004X7~004X=8~", "7", kY, 2},
  };
  for (const auto& row : rows) {
    RecordingCanvas c;
    ExprRenderer rr;
    rr.EQUAL_KAIGYO = true;
    ProcessDrawer dd(rr, ctx);
    dd.PROCTEIDO = row.teido;
    dd.ADVICEDSP = 1;
    const int last = dd.ProcTextDraw(c, row.text, kX, kY, kW, kH);
    std::string drawn;
    int advice = 0;
    for (const auto& t : c.texts()) {
      if (t.color == kNavy)
        ++advice;
      else
        drawn += t.text;
    }
    EXPECT_EQ(drawn, row.drawn) << row.text << " teido " << row.teido;
    EXPECT_EQ(last, row.lastY) << row.text;
    EXPECT_EQ(advice, row.adviceLines) << row.text;
  }
}

TEST_F(ProcessDraw, ReductionLineMarksReducibleFractionsOnly) {
  d.ADVICEDSP = 1;
  const int last = drawProcess("001X6b2+3b1~002Y=6b2+3b1~020X=1~");
  // The Y line stands 0.7 character heights lower than a plain chained line.
  const int yy = kY + 14 + kD;
  auto eq = text("＝");
  EXPECT_EQ(eq.x, kX - kH);
  EXPECT_EQ(eq.y, yy);
  EXPECT_EQ(eq.color, kBlue);
  // 2/6: both numbers struck through, their reduced values beside them.
  EXPECT_TRUE(hasLine({kX, yy + kH / 2 + 3}, {kX + kW, yy + kH / 2 + 3 + kH})) << canvas.dump();
  EXPECT_TRUE(hasLine({kX, yy - kH / 2 - 3}, {kX + kW, yy - kH / 2 - 3 + kH})) << canvas.dump();
  EXPECT_EQ(text("3", 1).color, kDarkRed);  // 6 / 2 beside the denominator
  EXPECT_EQ(diagonalLines(canvas), 2) << "1/3 is not reducible";
  EXPECT_EQ(d.YakuKazu, 1);
  EXPECT_EQ(text("＋", 1).y, yy);
  EXPECT_EQ(text("＋", 1).color, kRed);
  // Advice 2 at the line's own row; the next line one line advance under y + CharH + gap.
  auto advice = text(adviceLine(2, 0));
  EXPECT_EQ(advice.y, kY + kGap);
  EXPECT_EQ(text("＝", 1).y, kY + kH + kGap + kD);
  EXPECT_EQ(last, kY + kH + kGap + kD);
}

TEST_F(ProcessDraw, ReductionLineVariantAddsTheBracketedResult) {
  d.ADVICEDSP = 1;
  drawProcess("001X6b2~002A=6b2~");
  auto close = text("〕");
  EXPECT_EQ(close.color, kMagenta);
  EXPECT_EQ(text("〔").color, kMagenta);
  // The advice anchor of an A line is one character height left of the pen.
  auto advice = text(adviceLine(2, 0));
  EXPECT_EQ(advice.x, close.x + close.width - kH + 2 * kH);
  EXPECT_EQ(advice.y, kY + kGap);
}

TEST_F(ProcessDraw, ReductionLineCountsEveryReducedTerm) {
  struct Row {
    std::string expr;
    int reduced;
    int strokes;
  };
  const Row rows[] = {
      {"6b2+4b2-1k4b2", 3, 6},
      {"m6b2+3b1", 1, 2},
      {"3b1+5b2", 0, 0},
      {"2+0.5+6b4", 1, 2},
      {"(4b2)+[4B2]", 0, 0},
      {"4b0+0b4+1b6", 0, 0},
      {"", 0, 0},
  };
  for (const auto& row : rows) {
    RecordingCanvas c;
    d.YakubunLineDsp(c, row.expr, kX, kY, kW, kH, 0);
    EXPECT_EQ(d.YakuKazu, row.reduced) << row.expr;
    EXPECT_EQ(diagonalLines(c), row.strokes) << row.expr << "\n" << c.dump();
    EXPECT_EQ(c.countText("＝"), 0) << row.expr;
  }
  // Without "=" the line starts at the given x, 0.7 character heights down.
  RecordingCanvas c;
  d.YakubunLineDsp(c, "4b2", kX, kY, kW, kH, 0);
  bool bar = false;
  for (const auto& l : c.horizontalLines())
    if (l.from.y == kY + 14 + kH / 2 && l.left() == kX) bar = true;
  EXPECT_TRUE(bar) << c.dump();
}

TEST_F(ProcessDraw, ScreenPaintPutsTheHeaderAboveAndRestoresTheLineBreakSetting) {
  r.EQUAL_KAIGYO = false;
  d.drawWithHeader(canvas, 1, "000X1~020X=2~", 2 * kH, kY, kW, kH);
  auto header = text("タイプ[01]::[分数の加減] <真分数・仮分数> のみの場合");
  EXPECT_EQ(header.x, 4 * kW);
  EXPECT_EQ(header.y, kY - 2 * kH);
  EXPECT_EQ(text("＝").y, kY + kD) << "chained lines break while the process is drawn";
  EXPECT_FALSE(r.EQUAL_KAIGYO);
}

TEST_F(ProcessDraw, SettingsComeFromTheProcessContext) {
  ProcessContext c;
  c.options.ADVICEDSP = 1;
  c.options.PROCTEIDO = 1;
  ProcessDrawer dd(r, c);
  EXPECT_EQ(dd.ADVICEDSP, 1);
  EXPECT_EQ(dd.PROCTEIDO, 1);
  EXPECT_EQ(d.ADVICEDSP, 0);
  EXPECT_EQ(d.PROCTEIDO, 0);
}

// The tidy text of a real sum, drawn end to end: every step on its own line, in order.
TEST_F(ProcessDraw, AWholeSumDrawsOneLinePerShownStep) {
  build("1k3b1+2k4b1");
  d.ADVICEDSP = 1;
  const auto shown = shownProcEntries(ctx.ProcText, ctx.options);
  ASSERT_GE(shown.size(), 3u) << ctx.ProcText;
  drawProcess(ctx.ProcText);
  int advice = 0;
  for (const auto& t : canvas.texts())
    if (t.color == kNavy && t.text.find('[') != std::string::npos &&
        t.text.back() == ']')
      ++advice;
  int withAdvice = 0;
  for (const auto& s : shown) withAdvice += s.entry.advice > 0 ? 1 : 0;
  EXPECT_EQ(advice, withAdvice) << ctx.ProcText << "\n" << canvas.dump();
  // Rows strictly grow: each "＝" stands lower than the one before.
  int prev = kY;
  for (int i = 0; i < canvas.countText("＝"); ++i) {
    auto eq = text("＝", i);
    EXPECT_GT(eq.y, prev) << i;
    prev = eq.y;
  }
}

}  // namespace ravlo::test
