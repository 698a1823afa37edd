#include "web/engine/fixed_pitch_canvas.h"

#include <gtest/gtest.h>

#include <array>
#include <string_view>

namespace ravlo {
namespace {

TEST(FixedPitchCanvas, PointsBecomeWholePixelsAt96PerInch) {
  EXPECT_EQ(pixelSize(9), 12);
  EXPECT_EQ(pixelSize(12), 16);
  EXPECT_EQ(pixelSize(14), 19);  // 18.67
}

struct WidthRow {
  int points;
  std::string_view text;
  int width;
};

class FixedPitchWidths : public ::testing::TestWithParam<WidthRow> {};

TEST_P(FixedPitchWidths, HalfWidthIsHalfAnEm) {
  FixedPitchCanvas c;
  c.setFontSize(GetParam().points);
  EXPECT_EQ(c.textWidth(GetParam().text), GetParam().width) << GetParam().text;
  EXPECT_EQ(c.textHeight(GetParam().text), pixelSize(GetParam().points));
}

INSTANTIATE_TEST_SUITE_P(Rows, FixedPitchWidths,
                         ::testing::Values(WidthRow{14, "1234567890", 95}, WidthRow{14, "＝", 19},
                                           WidthRow{14, "1＝", 29},  // 28.5, rounded as a whole
                                           WidthRow{12, "分数", 32}, WidthRow{12, "ｶﾅ", 16},
                                           WidthRow{12, "", 0}));

TEST(FixedPitchCanvas, RecordsAFontOnlyWhenTheTextsFontChanges) {
  FixedPitchCanvas c;
  c.setFont(FontSpec{"ＭＳ ゴシック", 14, true, false, true});
  c.setTextColor(0x0000FF);
  c.textOut(1, 2, "3");
  c.textOut(5, 2, "4");
  c.setFontSize(9);
  c.setFontSize(14);  // back before anything is drawn: nothing to record
  c.textOut(9, 2, "5");
  c.setFontName("Noto Sans");
  c.textOut(9, 2, "6");
  const auto& ops = c.ops();
  ASSERT_EQ(ops.size(), 6u);
  EXPECT_EQ(ops[0].kind, DrawOp::Kind::Font);
  EXPECT_EQ(ops[0].text, "IPAGothic");
  EXPECT_EQ(ops[0].width, 19);
  EXPECT_TRUE(ops[0].bold);
  EXPECT_EQ(ops[1].color, "#ff0000");
  EXPECT_EQ(ops[3].kind, DrawOp::Kind::Text);
  EXPECT_EQ(ops[4].text, "Noto Sans");
}

TEST(FixedPitchCanvas, LinesAndRectsCarryPenAndBrush) {
  FixedPitchCanvas c;
  c.setPenColor(0x808000);
  c.setPenWidth(2);
  c.moveTo(1, 2);
  c.lineTo(3, 4);
  c.setBrushColor(0xC0DCC0);
  c.fillRect(0, 0, 10, 20);
  const auto& ops = c.ops();
  ASSERT_EQ(ops.size(), 2u);
  EXPECT_EQ(ops[0].kind, DrawOp::Kind::Line);
  EXPECT_EQ((std::array{ops[0].x, ops[0].y, ops[0].x2, ops[0].y2, ops[0].width}),
            (std::array{1, 2, 3, 4, 2}));
  EXPECT_EQ(ops[0].color, "#008080");
  EXPECT_EQ(ops[1].kind, DrawOp::Kind::Rect);
  EXPECT_EQ(ops[1].color, "#c0dcc0");
  EXPECT_EQ(ops[1].y2, 20);
}

}  // namespace
}  // namespace ravlo
