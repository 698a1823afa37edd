// The product line with its cross-cancellation: stacks, signs, the room it leaves.
#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "process/advice_table.h"
#include "render/colors.h"
#include "tests/render/process_draw_fixture.h"

namespace ravlo::test {

using KiyakuDraw = ProcessDrawTest;

namespace {

Bunsuu64 fraction(int64_t numerator, int64_t denominator) {
  Bunsuu64 f;
  f.sign = 1;
  f.integer = 0;
  f.numerator = numerator;
  f.denominator = denominator;
  return f;
}

struct Extent {
  int top = INT_MAX;
  int bottom = INT_MIN;
};

// The vertical extent of the texts drawn from the first to the last item index (drawing
// order), advice lines left out.
Extent extentOf(const std::vector<RecordingCanvas::TextItem>& texts, std::size_t from,
                std::size_t to) {
  Extent e;
  for (std::size_t i = from; i < to && i < texts.size(); ++i) {
    if (texts[i].color == kNavy) continue;
    e.top = std::min(e.top, texts[i].y);
    e.bottom = std::max(e.bottom, texts[i].y + texts[i].height);
  }
  return e;
}

std::vector<std::size_t> equalsSigns(const std::vector<RecordingCanvas::TextItem>& texts) {
  std::vector<std::size_t> at;
  for (std::size_t i = 0; i < texts.size(); ++i)
    if (texts[i].text == "＝") at.push_back(i);
  return at;
}

}  // namespace

TEST_F(KiyakuDraw, TheProductOfTwoThirdsAndNineQuarters) {
  build("3b2*4b9");
  ASSERT_EQ(ctx.ProcText, "001X3b2*4b9~062Z=3b2*4b9~064X=[1*2B1*3]~009X=2b3~020X=1k2b1~");
  d.ADVICEDSP = 1;
  drawProcess(ctx.ProcText);
  EXPECT_EQ(d.KiyakuBunsiMax, 1);
  EXPECT_EQ(d.KiyakuBunboMax, 1);

  // The line stands a line advance and a quarter down, plus one small row for the numerators.
  const int zy = kY + kD + kH / 4 + 14;
  auto eq = text("＝");
  EXPECT_EQ(eq.x, kX - kH);
  EXPECT_EQ(eq.y, zy);
  EXPECT_EQ(eq.color, kBlue);

  struct Number {
    const char* text;
    int n;  // occurrence
    int x, y;
    Color color;
    int size;
  };
  const Number numbers[] = {
      // 2/3: numerator 2 cancelled to 1, denominator 3 cancelled to 1.
      // (Occurrence 0 of a digit is in the question line above.)
      {"2", 1, 100, zy - 13, kBlack, 10},
      {"1", 0, 103, zy - 13 - 14, kDarkRed, 7},
      {"3", 1, 100, zy + 13, kBlack, 10},
      {"1", 1, 103, zy + 13 + 14, kDarkRed, 7},
      // 9/4: 9 to 3, 4 to 2, after the "×".
      {"9", 1, 130, zy - 13, kBlack, 10},
      {"3", 2, 133, zy - 13 - 14, kDarkRed, 7},
      {"4", 1, 130, zy + 13, kBlack, 10},
      {"2", 2, 133, zy + 13 + 14, kDarkRed, 7},
  };
  for (const auto& n : numbers) {
    auto t = text(n.text, n.n);
    EXPECT_EQ(t.x, n.x) << n.text << "#" << n.n;
    EXPECT_EQ(t.y, n.y) << n.text << "#" << n.n;
    EXPECT_EQ(t.color, n.color) << n.text << "#" << n.n;
    EXPECT_EQ(t.font.size, n.size) << n.text << "#" << n.n;
    EXPECT_EQ(t.font.bold, n.size == 7) << n.text << "#" << n.n;
  }
  auto times = text("×", 1);
  EXPECT_EQ(times.x, 110);
  EXPECT_EQ(times.y, zy);
  EXPECT_EQ(times.color, kRed);
  // Struck through: the first values, corner to corner two pixels inside; the last small
  // values stay clean.
  EXPECT_TRUE(hasLine({100, zy - 11}, {110, zy + 5})) << canvas.dump();
  EXPECT_TRUE(hasLine({100, zy + 15}, {110, zy + 31}));
  EXPECT_TRUE(hasLine({130, zy - 11}, {140, zy + 5}));
  EXPECT_TRUE(hasLine({130, zy + 15}, {140, zy + 31}));
  bool bar = false;
  for (const auto& l : canvas.horizontalLines())
    if (l.from.y == zy + kH / 2 && l.left() == 100 && l.right() == 110) bar = true;
  EXPECT_TRUE(bar);

  // Advice 62 (two lines) from the pen after the last fraction, about numerator height.
  auto advice = text("⇒ かけてある分数どうしでは､どの分母と分子の間でも");
  EXPECT_EQ(advice.x, 140 + 2 * kH);
  EXPECT_EQ(advice.y, kY + kGap + 14 - kH);
  // The next line: y moves to round(y + gap + CharH + 0.7 CharH × 2 − 5 CharH / 4).
  const int next = kY + kGap + kH + 28 - 25;
  EXPECT_EQ(text("＝", 1).y, next + kD);
  EXPECT_EQ(text("＝", 1).x, kX - kH);
}

TEST_F(KiyakuDraw, TheLineLeavesRoomAboveAndBelowItsStacks) {
  struct Row {
    const char* question;
    int bunsiMax;
    int bunboMax;
  };
  const Row rows[] = {
      {"3b2*4b9", 1, 1},
      {"2b1*3b6", 2, 1},    // 6 cancelled by 2, then by 3
      {"6b2*2b3", 1, 2},    // 6 cancelled by 2, then by 3
      {"12b5*5b18*3b4", 2, 2},
      {"3b2/9b4", 1, 1},    // a quotient: the reciprocal's values
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.question);
    RecordingCanvas c;
    ExprRenderer rr;
    rr.EQUAL_KAIGYO = true;
    ProcessContext pc;
    NullSink quiet;
    ProcessEngine engine(pc, quiet);
    ASSERT_EQ(engine.CalcProcMake(row.question, true), 1);
    ASSERT_NE(pc.ProcText.find("Z="), std::string::npos) << pc.ProcText;
    ProcessDrawer dd(rr, pc);
    dd.ProcTextDraw(c, pc.ProcText, kX, kY, kW, kH);
    EXPECT_EQ(dd.KiyakuBunsiMax, row.bunsiMax);
    EXPECT_EQ(dd.KiyakuBunboMax, row.bunboMax);

    // In drawing order: the lines before the Z line, the Z line (from its "＝"), the line
    // after it (from the next "＝").
    const auto texts = c.texts();
    const auto eqs = equalsSigns(texts);
    ASSERT_GE(eqs.size(), 2u) << c.dump();
    std::size_t z = eqs[0];
    // Questions with a division show a line before the product; the Z line is the one
    // with the struck numbers.
    for (std::size_t i = 0; i + 1 < eqs.size(); ++i) {
      bool small = false;
      for (std::size_t k = eqs[i]; k < eqs[i + 1]; ++k)
        if (texts[k].font.size == 7 && texts[k].color == kDarkRed) small = true;
      if (small) {
        z = eqs[i];
        break;
      }
    }
    const std::size_t after = *std::upper_bound(eqs.begin(), eqs.end(), z);
    const std::size_t afterEnd = std::upper_bound(eqs.begin(), eqs.end(), after) == eqs.end()
                                     ? texts.size()
                                     : *std::upper_bound(eqs.begin(), eqs.end(), after);
    const Extent before = extentOf(texts, 0, z);
    const Extent zLine = extentOf(texts, z, after);
    const Extent next = extentOf(texts, after, afterEnd);
    EXPECT_GT(zLine.top, before.bottom - 1) << "numerator stacks clear the line above\n"
                                            << c.dump();
    EXPECT_GT(next.top, zLine.bottom - 1) << "the next line starts below the deepest stack\n"
                                          << c.dump();
    // The topmost stacked value is bunsiMax small rows above the first numerator.
    const int zy = texts[z].y;
    EXPECT_EQ(zLine.top, zy - kH / 2 - 3 - 14 * row.bunsiMax);
    EXPECT_EQ(zLine.bottom, zy + kH / 2 + 3 + 14 * row.bunboMax + 14);
  }
}

TEST_F(KiyakuDraw, SignOfTheLineByType) {
  ctx.factors = {fraction(2, 3), fraction(9, 4)};
  struct Row {
    int type;
    const char* sign;  // "" for none
    int firstFactorX;
  };
  const Row rows[] = {
      {1, "", 100},
      {2, "－", 120},
      {3, "＋", 120},
  };
  for (const auto& row : rows) {
    RecordingCanvas c;
    const std::string result = d.KiyakuKakezan(c, kX, kY, kW, kH, row.type);
    EXPECT_EQ(result, "=[1*2B1*3]=2b3");
    const auto texts = c.texts();
    ASSERT_GE(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "＝");
    EXPECT_EQ(texts[0].x, kX - kH);
    if (*row.sign) {
      EXPECT_EQ(texts[1].text, row.sign) << row.type;
      EXPECT_EQ(texts[1].x, kX);
      EXPECT_EQ(texts[1].color, kRed);
    }
    auto two = c.findText("2");
    ASSERT_TRUE(two);
    EXPECT_EQ(two->x, row.firstFactorX) << row.type;
    EXPECT_EQ(c.font().size, 10);
    EXPECT_FALSE(c.font().bold);
    EXPECT_EQ(c.textColor(), kBlack);
  }
  // Without the line break the line starts where it is told, with no room added.
  r.EQUAL_KAIGYO = false;
  RecordingCanvas c;
  d.KiyakuKakezan(c, kX, kY, kW, kH, 1);
  EXPECT_EQ(c.texts().at(0).x, kX);
  EXPECT_EQ(c.texts().at(0).y, kY);
}

TEST_F(KiyakuDraw, NothingIsDrawnForTypeZeroOrWhenNothingCancels) {
  ctx.factors = {fraction(2, 3), fraction(9, 4)};
  RecordingCanvas c;
  EXPECT_EQ(d.KiyakuKakezan(c, kX, kY, kW, kH, 0), "=[1*2B1*3]=2b3");
  EXPECT_TRUE(c.log().empty());
  EXPECT_EQ(d.KiyakuBunboMax, 1);

  ctx.factors = {fraction(1, 2), fraction(1, 3)};
  EXPECT_EQ(d.KiyakuKakezan(c, kX, kY, kW, kH, 1), "=[2*3B1*1]=6b1");
  EXPECT_TRUE(c.log().empty());
  EXPECT_EQ(d.KiyakuBunboMax, 0);
  EXPECT_EQ(d.KiyakuBunsiMax, 0);
}

TEST_F(KiyakuDraw, NegativeProductShowsTheMinusAfterTheEqualsSign) {
  build("m3b2*4b9");
  ASSERT_EQ(ctx.products.ZSign, 2);
  drawProcess(ctx.ProcText);
  auto eq = text("＝");
  // The question line has its own minus; the Z line's follows its "＝".
  bool found = false;
  for (int i = 0; i < canvas.countText("－"); ++i) {
    auto m = text("－", i);
    if (m.y == eq.y && m.x == eq.x + eq.width) found = true;
  }
  EXPECT_TRUE(found) << canvas.dump();
}

TEST_F(KiyakuDraw, AZStepWithoutAProductIsDrawnAsWritten) {
  // A text that names a cancelled product the context does not hold.
  const int last = drawProcess("001X1~062Z=3b2*4b9~");
  EXPECT_EQ(text("＝").y, kY + kD);
  EXPECT_EQ(text("＝").x, kX - kH);
  for (const auto& l : canvas.lines()) EXPECT_EQ(l.from.y, l.to.y) << "no strokes";
  EXPECT_EQ(last, kY + kD);
}

TEST_F(KiyakuDraw, StackOfOneNumber) {
  struct Row {
    std::vector<int64_t> values;
    bool upward;
    std::vector<Point> at;  // of each value
    int strokes;
  };
  const Row rows[] = {
      {{12}, true, {{100, 100}}, 0},
      {{12, 6, 3, 1}, true, {{100, 100}, {113, 86}, {113, 72}, {113, 58}}, 3},
      {{12, 6, 3, 1}, false, {{100, 100}, {113, 114}, {113, 128}, {113, 142}}, 3},
      {{100, 10}, false, {{100, 100}, {116, 114}}, 1},
      {{}, true, {}, 0},
  };
  for (const auto& row : rows) {
    RecordingCanvas c;
    d.KiyakuRetsuDsp(c, row.values, kX, kY, kW, kH, row.upward);
    const auto texts = c.texts();
    ASSERT_EQ(texts.size(), row.at.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
      EXPECT_EQ(texts[i].text, std::to_string(row.values[i]));
      EXPECT_EQ(Point(texts[i].x, texts[i].y), row.at[i]) << i;
      EXPECT_EQ(texts[i].color, i == 0 ? kBlack : kDarkRed);
    }
    EXPECT_EQ(static_cast<int>(c.lines().size()), row.strokes);
    if (!row.values.empty() && row.values.size() > 1) {
      // The first is struck corner to corner, the others inside their small cells.
      const auto first = c.lines().front();
      EXPECT_EQ(first.from, Point(kX, kY + 2));
      EXPECT_EQ(first.to, Point(kX + kW * static_cast<int>(texts[0].text.size()), kY + kH - 2));
      if (row.strokes > 1) {
        const auto second = c.lines()[1];
        EXPECT_EQ(second.from, Point(texts[1].x, texts[1].y + 2));
        EXPECT_EQ(second.to, Point(texts[1].x + texts[1].width, texts[1].y + 14 - 2));
      }
    }
    EXPECT_EQ(c.font().size, 10);
    EXPECT_FALSE(c.font().bold);
    EXPECT_EQ(c.textColor(), kBlack);
  }
}

TEST_F(KiyakuDraw, FractionCentresTheNarrowerStack) {
  RecordingCanvas c;
  const int end = d.KiyakuBunDsp(c, {12, 4}, {5}, kX, kY, kW, kH);
  EXPECT_EQ(end, kX + 20);
  EXPECT_EQ(c.findText("12")->x, kX);
  EXPECT_EQ(c.findText("12")->y, kY - kH / 2 - 3);
  EXPECT_EQ(c.findText("5")->x, kX + 5);
  EXPECT_EQ(c.findText("5")->y, kY + kH / 2 + 3);
  bool bar = false;
  for (const auto& l : c.horizontalLines())
    if (l.from.y == kY + kH / 2 && l.left() == kX && l.right() == kX + 20) bar = true;
  EXPECT_TRUE(bar) << c.dump();
  EXPECT_EQ(c.penPos().x, end);
}

}  // namespace ravlo::test
