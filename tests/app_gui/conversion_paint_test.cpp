// What the conversion commands leave on the calculation screen comes back with every paint:
// the decimal note, the appended forms, the factorization's closing lines, the processes.
#include <gtest/gtest.h>

#include "app/main_display.h"
#include "app/model/answer_commands.h"
#include "app/model/calc_state.h"
#include "app/model/soinsuu_dsp.h"
#include "process/proc_type_table.h"
#include "render/recording_canvas.h"

namespace ravlo::test {
namespace {

class ConversionPaint : public ::testing::Test {
 protected:
  ConversionPaint() {
    st.MainFormCreate(FontMetrics{100, 20}, 96);
    setUpCalcCanvas(c, settings);
  }
  void paint() {
    c.clearLog();
    setUpCalcCanvas(c, settings);
    MainPaint(c, st, 800, 600, false);
  }

  CalcSettings settings;
  RecordingSink sink;
  CalcState st{settings, sink};
  RecordingCanvas c;
};

TEST_F(ConversionPaint, TheDecimalNoteStaysUnderItsDecimal) {
  st.JiInputText("4b1+0=");
  ASSERT_TRUE(AnswerAsDecimal(st));
  paint();
  const auto note = c.findText("【割り切れました】");
  ASSERT_TRUE(note) << c.dump();
  ASSERT_EQ(st.renderer.equalMarks.size(), 2u);
  const Point eq = st.renderer.equalMarks[1];
  EXPECT_EQ(note->x, eq.x + 2 * st.CharW);
  EXPECT_EQ(note->y, eq.y + st.CharH);
  EXPECT_EQ(note->color, 0x008000u);
  EXPECT_EQ(note->font.size, settings.FONTSIZE / 2);

  // 仮K appends "＝" and the fraction; the note keeps to the decimal.
  ASSERT_TRUE(AnswerAsImproper(st));
  paint();
  ASSERT_EQ(st.renderer.equalMarks.size(), 3u);
  EXPECT_EQ(c.countText("＝"), 3) << c.dump();
  const auto again = c.findText("【割り切れました】");
  ASSERT_TRUE(again);
  EXPECT_EQ(again->x, note->x);
  EXPECT_EQ(again->y, note->y);
}

TEST_F(ConversionPaint, TheAppendedMixedFormIsPartOfTheLine) {
  settings.ANSSYU = 1;
  st.updateAnsForm();
  st.JiInputText("3b4+3b1=");
  paint();
  const int before = c.countText("＝");
  ASSERT_TRUE(AnswerAsMixed(st));
  paint();
  EXPECT_EQ(c.countText("＝"), before + 1) << c.dump();
  // The mixed number after the last "＝" stands out in navy; the line before it is black.
  bool wholeAfterEqual = false;
  for (const auto& t : c.texts()) {
    if (t.text == "＝" || t.text == "＋" || t.text == "■ ") continue;
    const bool appended = t.x > st.renderer.answerX;
    if (t.text == "1" && appended) wholeAfterEqual = true;
    EXPECT_EQ(t.color, appended ? 0x800000u : 0x000000u) << t.text << " at " << t.x;
  }
  EXPECT_TRUE(wholeAfterEqual) << c.dump();
  // 仮K's value too; a clear ends it.
  settings.ANSSYU = 0;
  st.updateAnsForm();
  st.SikiClear();
  st.JiInputText("3b5+0=");
  ASSERT_TRUE(AnswerAsImproper(st));
  paint();
  ASSERT_EQ(c.countText("5"), 2) << c.dump();
  EXPECT_EQ(c.findText("5", 0)->color, 0x000000u);
  EXPECT_EQ(c.findText("5", 1)->color, 0x800000u);
  st.SikiClear();
  st.JiInputText("3b5+0=");
  paint();
  EXPECT_EQ(c.findText("5", 0)->color, 0x000000u);
  EXPECT_EQ(c.findText("2", 0)->color, 0x000000u);  // the answer's numerator
}

TEST_F(ConversionPaint, FactorizationClosingLinesComeBackOnEveryPaint) {
  st.JiInputText("6");
  ASSERT_TRUE(SoinsuuPre(st));
  for (int round = 0; round < 2; ++round) {
    paint();
    const int rowY = st.renderer.answerY;
    const auto composite = c.findText("▽ < 6 > は合成数です。");
    ASSERT_TRUE(composite) << c.dump();
    EXPECT_EQ(composite->x, st.LeftX);
    EXPECT_EQ(composite->y, rowY + 3 * st.CharH);
    const auto reason = c.findText("　［約数が全部で 4 個（＞２個）あるので］");
    ASSERT_TRUE(reason);
    EXPECT_EQ(reason->y, rowY + 4 * st.CharH);
    const auto caption = c.findText("◎ < 6 > の約数 3 個[元の数を除く]の和◎");
    ASSERT_TRUE(caption);
    EXPECT_EQ(caption->y, rowY + 6 * st.CharH);
    EXPECT_EQ(caption->color, 0x000080u);
    // The run "   1+2+3|=6" starts at row 8 and puts its sum on a line of its own; the
    // verdict follows the sum.
    const auto one = c.findText("1");
    ASSERT_TRUE(one) << c.dump();
    EXPECT_EQ(one->y, rowY + 8 * st.CharH);
    const auto six = c.findText("6", 1);
    ASSERT_TRUE(six) << c.dump();
    EXPECT_EQ(six->y, rowY + 8 * st.CharH + 3 * st.CharH / 2);
    const auto verdict = c.findText("（完全数［元の数と同じ大きさ］）");
    ASSERT_TRUE(verdict) << c.dump();
    EXPECT_EQ(verdict->y, six->y);
    EXPECT_EQ(verdict->x, six->x + six->width);
    EXPECT_EQ(verdict->color, 0x0000FFu);
  }
  // Clear: nothing of it is left.
  st.SikiClear();
  paint();
  EXPECT_FALSE(c.findText("▽ < 6 > は合成数です。"));
}

TEST_F(ConversionPaint, ClosingLinesFollowTheBrokenLine) {
  settings.EQUAL_KAIGYO = true;
  st.JiInputText("7");
  ASSERT_TRUE(SoinsuuPre(st));
  paint();
  const auto prime = c.findText("▽ < 7 > は素数です。");
  ASSERT_TRUE(prime) << c.dump();
  EXPECT_GT(st.renderer.answerY, st.TopY);
  EXPECT_EQ(prime->y, st.renderer.answerY + 3 * st.CharH);
}

struct ProcessRow {
  const char* what;
  const char* typed;
  int anssyu;
  bool (*command)(CalcState&);
  int type;
};

class ProcessVariants : public ::testing::TestWithParam<ProcessRow> {};

TEST_P(ProcessVariants, AreBuiltAndDrawnWithTheirHeader) {
  CalcSettings settings;
  settings.ANSSYU = GetParam().anssyu;
  RecordingSink sink;
  CalcState st{settings, sink};
  st.MainFormCreate(FontMetrics{100, 20}, 96);
  st.JiInputText(GetParam().typed);
  settings.PROCDSP = true;
  ASSERT_TRUE(GetParam().command(st)) << GetParam().what;
  EXPECT_EQ(st.process.ProcType, GetParam().type);
  RecordingCanvas c;
  setUpCalcCanvas(c, settings);
  MainPaint(c, st, 800, 600, false);
  const std::string header(procTypeHeader(GetParam().type));
  ASSERT_FALSE(header.empty());
  const auto drawn = c.findText(header);
  ASSERT_TRUE(drawn) << GetParam().what << "\n" << c.dump();
  EXPECT_TRUE(drawn->font.underline);
}

INSTANTIATE_TEST_SUITE_P(
    Types, ProcessVariants,
    ::testing::Values(ProcessRow{"reduce", "6b4", 0, ReduceLine, 9},
                      ProcessRow{"decimal", "0.25", 0, DecimalToFraction, 14},
                      ProcessRow{"repeating", "0.@3", 0, JunkanSyori, 15},
                      ProcessRow{"to mixed", "3b4+3b1=", 1, AnswerAsMixed, 17},
                      ProcessRow{"to improper", "1k3b2", 0, AnswerAsImproper, 18}));

}  // namespace
}  // namespace ravlo::test
