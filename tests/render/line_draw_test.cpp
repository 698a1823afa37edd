#include <string>
#include <tuple>
#include <vector>

#include "render/colors.h"
#include "tests/render/render_fixture.h"

namespace ravlo::test {

using LineDraw = RenderTest;

// "1+1=2" ends at 170; the column label is 【答】, six cells wide.
TEST_F(LineDraw, AnswerColumnPlacementByMode) {
  struct Row {
    int mode;
    Point label;
    bool wrapped;
  };
  const Row rows[] = {
      {0, {170 + 4 * kW, kY}, false},
      {1, {kX, kY + 3 * kH}, false},
      {-6, {kX + 6 * kW, kY + 50}, true},   // 160 < 170 + 20: next line, 2.5 H down
      {-9, {kX + 9 * kW, kY}, false},       // 190 fits
      {-20, {kX + 20 * kW, kY}, false},
  };
  for (const auto& row : rows) {
    RecordingCanvas c;
    ExprRenderer rr;
    rr.LineDraw(c, "1+1=2&2", kX, kY, kW, kH, row.mode, 0);
    auto label = c.findText("【答】");
    ASSERT_TRUE(label) << row.mode;
    EXPECT_EQ(label->x, row.label.x) << row.mode;
    EXPECT_EQ(label->y, row.label.y) << row.mode;
    EXPECT_EQ(label->color, kRed);
    EXPECT_EQ(rr.columnWrapped, row.wrapped) << row.mode;
  }
}

TEST_F(LineDraw, AnswerFollowsTheLabelAndIsUnderlined) {
  int end = r.LineDraw(canvas, "1+1=2&2", kX, kY, kW, kH, 0, 0);
  const int labelX = 210;
  auto answer = text("2", 1);
  EXPECT_EQ(answer.x, labelX + 6 * kW);
  EXPECT_EQ(answer.color, kBlack);
  EXPECT_EQ(end, labelX + 7 * kW);
  bool underlined = false;
  for (const auto& l : canvas.horizontalLines())
    if (l.from.y == kY + kH * 5 / 4 && l.left() == labelX + kW / 2 && l.right() == end + kW / 2)
      underlined = true;
  EXPECT_TRUE(underlined) << canvas.dump();
}

TEST_F(LineDraw, FractionAnswerIsUnderlinedLower) {
  r.LineDraw(canvas, "2b1+3b1=6b5&6b5", kX, kY, kW, kH, 0, 0);
  bool found = false;
  for (const auto& l : canvas.horizontalLines())
    if (l.from.y == kY + kH * 7 / 4) found = true;
  EXPECT_TRUE(found) << canvas.dump();
}

TEST_F(LineDraw, NumberedLabel) {
  r.LineDraw(canvas, "1+1=2&2", kX, kY, kW, kH, 1, 3);
  auto label = text("【3の答】");
  EXPECT_EQ(text("2", 1).x, label.x + 9 * kW);
}

TEST_F(LineDraw, WithoutAnAnswerColumnItIsSikiDraw) {
  int end = r.LineDraw(canvas, "1+1", kX, kY, kW, kH, 1, 0);
  EXPECT_EQ(end, kX + 4 * kW);
  EXPECT_EQ(canvas.allText(), "1＋1");
  EXPECT_EQ(r.CursorX, end);
}

TEST_F(LineDraw, SolverAnswersAndImpossibleAnswers) {
  r.LineDraw(canvas, "2x+3=7&x＝2", kX, kY, kW, kH, 0, 0);
  EXPECT_NE(canvas.allText().find("x＝2"), std::string::npos) << canvas.dump();
  RecordingCanvas c;
  ExprRenderer rr;
  rr.LineDraw(c, "0x=1&x(不能)", kX, kY, kW, kH, 0, 0);
  auto plain = c.findText("x(不能)");
  ASSERT_TRUE(plain) << c.dump();
  EXPECT_EQ(plain->color, kBlack);
}

TEST_F(LineDraw, BreakAtEqualMovesTheColumnDownButNotItsOwnEquals) {
  r.EQUAL_KAIGYO = true;
  r.GyoKeisuu = 5;
  r.LineDraw(canvas, "2b1+3b1=6b5&1=6b5", kX, kY, kW, kH, 0, 0);
  EXPECT_EQ(r.lineCount, 1);
  auto label = text("【答】");
  EXPECT_EQ(label.y, kY + kH * 5 / 2);
  EXPECT_EQ(text("＝", 1).y, label.y);  // no break inside the column
  EXPECT_TRUE(r.EQUAL_KAIGYO);
}

TEST_F(LineDraw, WrappedFlagIsPerLine) {
  r.LineDraw(canvas, "1+1=2&2", kX, kY, kW, kH, -6, 0);
  ASSERT_TRUE(r.columnWrapped);
  r.LineDraw(canvas, "1+1=2&2", kX, kY, kW, kH, -20, 0);
  EXPECT_FALSE(r.columnWrapped);
}

using RunDraw = RenderTest;

TEST_F(RunDraw, EachCharacterItsOwnColour) {
  int end = r.RunDraw(canvas, "2x+1=3!", kX, kY, -1, kW);
  EXPECT_EQ(text("x").color, kNavy);
  EXPECT_TRUE(text("x").font.bold);
  EXPECT_EQ(text("＋").color, kRed);
  EXPECT_EQ(text("＝").color, kBlue);
  EXPECT_EQ(text("!").color, kDarkRed);
  EXPECT_EQ(text("2").color, kBlack);
  EXPECT_EQ(end, kX + 9 * kW);
  EXPECT_FALSE(canvas.bold());
}

TEST_F(RunDraw, CountLimitsTheCharacters) {
  int end = r.RunDraw(canvas, "12345", kX, kY, 2, kW);
  EXPECT_EQ(canvas.allText(), "12");
  EXPECT_EQ(end, kX + 2 * kW);
}

TEST_F(RunDraw, RowsOutsideTheVisibleOnesAreLeftOut) {
  // A divisor list of 400 rows on a window 200 pixels high: what can be seen is drawn as it
  // would be without the limit, and the end of the run is where it was.
  std::string run;
  for (int row = 0; row < 400; ++row) run += (row > 0 ? "| +" : "") + std::to_string(row) + "+7";
  const int endAll = r.RunDraw(canvas, run, kX, kY, -1, kW);
  RecordingCanvas seen;
  seen.setVisibleRows(0, 200);
  EXPECT_EQ(r.RunDraw(seen, run, kX, kY, -1, kW), endAll);
  const auto within = [](const RecordingCanvas& c) {
    std::vector<std::tuple<int, int, std::string>> out;
    for (const auto& t : c.texts())
      if (t.y < 200) out.emplace_back(t.x, t.y, t.text);
    return out;
  };
  EXPECT_EQ(within(seen), within(canvas));
  EXPECT_FALSE(within(seen).empty());
  EXPECT_LT(seen.texts().size(), canvas.texts().size() / 50);
  EXPECT_EQ(seen.texts().back().text, "7");  // the last row is drawn for its end
}

TEST_F(RunDraw, PowerModeInsideARun) {
  r.RunDraw(canvas, "2^3", kX, kY, -1, kW);
  auto three = text("3");
  EXPECT_EQ(three.y, kY - kW / 4);
  EXPECT_EQ(three.color, kDarkRed);
  EXPECT_EQ(three.font.size, 7);
  EXPECT_TRUE(r.powerFlag);
  EXPECT_EQ(canvas.fontSize(), 10);
  RecordingCanvas c;
  r.RunDraw(c, "2^3*4", kX, kY, -1, kW);
  EXPECT_FALSE(r.powerFlag);
  EXPECT_EQ(c.findText("4")->font.size, 10);
  EXPECT_EQ(c.findText("4")->y, kY);
}

TEST_F(RunDraw, LineBreaksAndRemainderUseTheScreenCharacterHeight) {
  r.RunDraw(canvas, "44|5R1", kX, kY, -1, kW);
  EXPECT_EQ(text("5").x, kX);
  EXPECT_EQ(text("5").y, kY + 30);
  EXPECT_EQ(text("あまり").y, kY + 30 + kH / 4);
  RecordingCanvas c;
  r.ScreenCharH = 40;
  r.RunDraw(c, "4|5R1", kX, kY, -1, kW);
  EXPECT_EQ(c.findText("5")->y, kY + 60);
  EXPECT_EQ(c.findText("あまり")->y, kY + 60 + 10);
}

TEST_F(RunDraw, UnprintableBytesShowAsQuestionMarks) {
  r.RunDraw(canvas, std::string_view("a\x01\xff\x7f", 4), kX, kY, -1, kW);
  EXPECT_EQ(canvas.allText(), "a???");
}

}  // namespace ravlo::test
