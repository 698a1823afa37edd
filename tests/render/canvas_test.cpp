#include <gtest/gtest.h>

#include "render/recording_canvas.h"
#include "render/text_cells.h"

namespace ravlo::test {

TEST(Colors, ConvertBetweenNumberAndChannels) {
  Rgb c = toRgb(0x00804020);
  EXPECT_EQ(c.r, 0x20);
  EXPECT_EQ(c.g, 0x40);
  EXPECT_EQ(c.b, 0x80);
  EXPECT_EQ(fromRgb(0x20, 0x40, 0x80), 0x804020u);
  EXPECT_EQ(toRgb(0x0000FF).r, 0xFF);  // 0x0000FF is red in the program's notation
}

TEST(TextCells, HalfWidthOneFullWidthTwo) {
  struct Row {
    const char* text;
    int cells;
  };
  const Row rows[] = {
      {"", 0}, {"1234567890", 10}, {"＋", 2}, {"あまり", 6}, {"【3の答】", 9},
      {"ｱｲ", 2}, {"≦", 2}, {"\xff", 1}, {"\xe3\x81", 2}, {"x＝2", 4},
  };
  for (const auto& row : rows) EXPECT_EQ(displayCells(row.text), row.cells) << row.text;
}

TEST(RecordingCanvas, FixedMetricsScaleWithTheFontSize) {
  RecordingCanvas c;
  EXPECT_EQ(c.textWidth("1234567890"), 100);
  EXPECT_EQ(c.textHeight("1234567890"), 20);
  EXPECT_EQ(c.textWidth("＝"), 20);
  c.setFontSize(7);
  EXPECT_EQ(c.textWidth("12"), 14);
  EXPECT_EQ(c.textHeight("1"), 14);

  RecordingCanvas fixed(RecordingMetrics{8, 16, 10, false});
  fixed.setFontSize(20);
  EXPECT_EQ(fixed.textWidth("ab"), 16);
  EXPECT_EQ(fixed.textHeight("ab"), 16);
}

TEST(RecordingCanvas, TextOutMovesThePenAndLogsState) {
  RecordingCanvas c;
  c.setTextColor(0x0000FF);
  c.setBold(true);
  c.textOut(5, 7, "1＋");
  EXPECT_EQ(c.penPos(), (Point{35, 7}));
  auto t = c.findText("1＋");
  ASSERT_TRUE(t);
  EXPECT_EQ(t->x, 5);
  EXPECT_EQ(t->width, 30);
  EXPECT_EQ(t->color, 0x0000FFu);
  EXPECT_TRUE(t->font.bold);
  EXPECT_EQ(c.allText(), "1＋");
  EXPECT_NE(c.dump().find("text (5,7)"), std::string::npos);
}

TEST(RecordingCanvas, LinesAndRects) {
  RecordingCanvas c;
  c.setPenColor(0x808000);
  c.setPenWidth(2);
  c.moveTo(0, 10);
  c.lineTo(30, 10);
  c.lineTo(0, 10);  // there and back: one horizontal segment
  c.lineTo(0, 40);
  EXPECT_EQ(c.lines().size(), 3u);
  ASSERT_EQ(c.horizontalLines().size(), 1u);
  EXPECT_EQ(c.horizontalLines()[0].length(), 30);
  EXPECT_EQ(c.horizontalLines()[0].color, 0x808000u);
  EXPECT_EQ(c.horizontalLines()[0].width, 2);
  EXPECT_EQ(c.penPos(), (Point{0, 40}));

  c.setBrushColor(0xC0DCC0);
  c.fillRect(1, 2, 3, 4);
  c.fillRect(5, 5, 5, 9);  // empty: nothing
  ASSERT_EQ(c.rects().size(), 1u);
  EXPECT_EQ(c.rects()[0].color, 0xC0DCC0u);
}

}  // namespace ravlo::test
