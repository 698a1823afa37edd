// The calculation screen's picture, drawn from the calculation state alone.
#include <gtest/gtest.h>

#include "app/main_display.h"
#include "app/model/calc_state.h"
#include "render/recording_canvas.h"

namespace ravlo::test {
namespace {

class MainPaintTest : public ::testing::Test {
 protected:
  MainPaintTest() {
    st.InputPanelHeight = 26;
    st.MainFormCreate(FontMetrics{100, 20}, 96);
    setUpCalcCanvas(c, settings);
  }
  void paint(bool cursor = false) {
    c.clearLog();
    MainPaint(c, st, 400, 300, cursor);
  }

  CalcSettings settings;
  RecordingSink sink;
  CalcState st{settings, sink};
  RecordingCanvas c;
};

TEST_F(MainPaintTest, AnEmptyClosedLineIsBackgroundAndMarkerOnly) {
  st.InpAccept = false;
  paint(true);
  const auto rects = c.rects();
  ASSERT_EQ(rects.size(), 1u) << c.dump();
  EXPECT_EQ(rects[0].x, 0);
  EXPECT_EQ(rects[0].y, 0);
  EXPECT_EQ(rects[0].x2, 400);
  EXPECT_EQ(rects[0].y2, 300);
  EXPECT_EQ(rects[0].color, kBackColor);
  ASSERT_EQ(c.texts().size(), 1u) << c.dump();
  EXPECT_EQ(c.texts()[0].text, "■ ");
  EXPECT_EQ(c.texts()[0].color, 0x0000FFu);
  EXPECT_EQ(c.texts()[0].x, 10);
  EXPECT_EQ(c.texts()[0].y, 30);
}

TEST_F(MainPaintTest, TypedLineWithTheCursorAfterIt) {
  st.JiInputText("3b2+1");
  paint(true);
  EXPECT_TRUE(c.findText("＋")) << c.dump();
  const auto rects = c.rects();
  ASSERT_EQ(rects.size(), 2u) << c.dump();
  const ScreenRect block = st.cursorBlock();
  EXPECT_EQ(rects[1].x, block.left);
  EXPECT_EQ(rects[1].x2, block.right);
  EXPECT_EQ(rects[1].color, kCursorColor);
  // The cursor stands after the last digit.
  const auto one = c.findText("1");
  ASSERT_TRUE(one);
  EXPECT_GE(block.left, one->x + one->width);
  // Without the blink phase no cursor block is drawn.
  paint(false);
  EXPECT_EQ(c.rects().size(), 1u);
}

TEST_F(MainPaintTest, TheInputStringPanelMovesEverythingDown) {
  st.JiInputText("12");
  paint();
  const int before = c.findText("12") ? c.findText("12")->y : c.findText("1")->y;
  const int markBefore = c.findText("■ ")->y;
  settings.INPUTSTR_DSP = true;
  paint();
  const int after = c.findText("12") ? c.findText("12")->y : c.findText("1")->y;
  EXPECT_EQ(after - before, 26);
  EXPECT_EQ(c.findText("■ ")->y - markBefore, 26);
}

TEST_F(MainPaintTest, ScrollingMovesTheLineUp) {
  st.JiInputText("7");
  paint();
  const int y0 = c.findText("7")->y;
  st.scrollBy(4);
  st.scrollBy(4);
  paint();
  EXPECT_EQ(c.findText("7")->y, y0 - 8);
}

TEST_F(MainPaintTest, ComputedLineShowsTheAnswer) {
  st.JiInputText("3b2+1=");
  ASSERT_FALSE(st.InpAccept);
  paint(true);
  EXPECT_TRUE(c.findText("＝")) << c.dump();
  // Input is closed: no cursor.
  EXPECT_EQ(c.rects().size(), 1u);
}

TEST_F(MainPaintTest, DecimalNoteBesideTheAnswer) {
  settings.SYOUDSP = 1;
  st.updateAnsForm();
  st.JiInputText("3b1+0=");
  paint();
  const auto note = c.findText("【割り切れません】");
  ASSERT_TRUE(note) << c.dump();
  EXPECT_EQ(note->color, 0x0000FFu);
  EXPECT_EQ(note->x, st.renderer.answerX + 2 * st.CharW);
  EXPECT_EQ(note->y, st.renderer.answerY + st.CharH);
  st.SikiClear();
  st.JiInputText("4b1+0=");
  paint();
  ASSERT_TRUE(c.findText("【割り切れました】")) << c.dump();
  EXPECT_EQ(c.findText("【割り切れました】")->color, 0x008000u);
}

TEST_F(MainPaintTest, MarkerFollowsTheMode) {
  settings.PROCDSP = true;
  paint();
  EXPECT_EQ(c.texts()[0].text, "◆ ");
  EXPECT_EQ(c.texts()[0].color, 0x800000u);
  // The process display leaves room for its header.
  EXPECT_EQ(c.texts()[0].y, 30 + 30);
  settings.PROCDSP = false;
  st.NsinMode = true;
  paint();
  EXPECT_EQ(c.texts()[0].text, "Ｎ ");
  EXPECT_EQ(c.texts()[0].color, 0x008000u);
}

}  // namespace
}  // namespace ravlo::test

namespace ravlo::test {
namespace {

TEST_F(MainPaintTest, AWorkedSolutionHasItsHeaderAboveTheSteps) {
  settings.PROCDSP = true;
  st.JiInputText("2b1+3b1=");
  ASSERT_NE(st.process.ProcType, 0);
  paint();
  bool header = false;
  for (const auto& t : c.texts()) {
    if (t.font.underline && t.y == st.TopY - 2 * st.CharH) header = true;
  }
  EXPECT_TRUE(header) << c.dump();
  // More than one line of steps.
  int lowest = 0;
  for (const auto& t : c.texts()) lowest = std::max(lowest, t.y);
  EXPECT_GT(lowest, st.TopY + st.CharH);
}

}  // namespace
}  // namespace ravlo::test
