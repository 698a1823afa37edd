// The side panel: the date down the panel, the weekly goal in vertical text.
#include <gtest/gtest.h>

#include <QImage>

#include "app/side_panel.h"
#include "render/date_labels.h"
#include "render/recording_canvas.h"
#include "render/tategaki.h"
#include "window_fixture.h"

#include "tests/param_names.h"

namespace ravlo::test {
namespace {

struct DateRow {
  int month, day, weekday;
  const char* monthText;
  const char* dayText;
  const char* weekdayText;
  Color weekdayColor;
};

class DateLabelTable : public ::testing::TestWithParam<DateRow> {};

TEST_P(DateLabelTable, TextsAndColours) {
  const DateRow& r = GetParam();
  const DateLabels l = dateLabels(r.month, r.day, r.weekday);
  EXPECT_EQ(l.month, r.monthText);
  EXPECT_EQ(l.day, r.dayText);
  EXPECT_EQ(l.weekday, r.weekdayText);
  EXPECT_EQ(l.weekdayColor, r.weekdayColor);
}

INSTANTIATE_TEST_SUITE_P(
    Days, DateLabelTable,
    ::testing::Values(DateRow{11, 5, 4, "11", "５", "(木)", 0x000000},
                      DateRow{1, 10, 0, "１", "10", "(日)", 0x0000FF},
                      DateRow{9, 9, 6, "９", "９", "(土)", 0xFF0000},
                      DateRow{12, 31, 1, "12", "31", "(月)", 0x000000},
                      DateRow{10, 1, 3, "10", "１", "(水)", 0x000000},
                      DateRow{2, 29, 7, "２", "29", "", 0x000000}),
    ravlo::test_names::RowName<&DateRow::month>{});

// Full-width characters are 20 × 20 here, half-width ones 10 × 20.
RecordingCanvas tenPointCanvas() {
  RecordingCanvas c;
  c.setFontSize(10);
  return c;
}

TEST(TategakiDraw, OneCharacterPerRowCentredOnX) {
  RecordingCanvas c = tenPointCanvas();
  const int end = TategakiDraw(c, 13, 0, "目標3ｱ個", 1, 100);
  const auto t = c.texts();
  ASSERT_EQ(t.size(), 5u) << c.dump();
  const int left = 13 - 10;
  EXPECT_EQ(t[0].text, "目");
  EXPECT_EQ(t[0].x, left);
  EXPECT_EQ(t[0].y, 0);
  EXPECT_EQ(t[1].text, "標");
  EXPECT_EQ(t[1].y, 20);
  // Half-width characters, digits and katakana alike, stand near the middle of the column.
  EXPECT_EQ(t[2].text, "3");
  EXPECT_EQ(t[2].x, left + 5);
  EXPECT_EQ(t[2].y, 40);
  EXPECT_EQ(t[3].text, "ｱ");
  EXPECT_EQ(t[3].x, left + 5);
  EXPECT_EQ(t[4].text, "個");
  EXPECT_EQ(t[4].x, left);
  EXPECT_EQ(t[4].y, 80);
  EXPECT_EQ(end, 100);
}

struct PitchRow {
  int pitch;
  int secondY;
  int thirdY;
};

class TategakiPitch : public ::testing::TestWithParam<PitchRow> {};

TEST_P(TategakiPitch, RowsFollowThePitch) {
  RecordingCanvas c = tenPointCanvas();
  TategakiDraw(c, 0, 7, "一二三", 0, GetParam().pitch);
  const auto t = c.texts();
  ASSERT_EQ(t.size(), 3u);
  EXPECT_EQ(t[0].y, 7);
  EXPECT_EQ(t[1].y, 7 + GetParam().secondY);
  EXPECT_EQ(t[2].y, 7 + GetParam().thirdY);
}

INSTANTIATE_TEST_SUITE_P(Pitches, TategakiPitch,
                         ::testing::Values(PitchRow{100, 20, 40}, PitchRow{80, 16, 32},
                                           PitchRow{200, 40, 80}, PitchRow{150, 30, 60}),
    ravlo::test_names::RowName<&PitchRow::pitch>{});

TEST(TategakiDraw, AlignmentMovesTheColumn) {
  for (auto [align, x] : {std::pair{0, 50}, std::pair{1, 40}, std::pair{2, 30}, std::pair{-1, 30}}) {
    RecordingCanvas c = tenPointCanvas();
    TategakiDraw(c, 50, 0, "山", align, 100);
    ASSERT_EQ(c.texts().size(), 1u);
    EXPECT_EQ(c.texts()[0].x, x) << "align " << align;
  }
}

TEST(TategakiDraw, BrokenBytesAndEmptyTextAreHarmless) {
  RecordingCanvas c = tenPointCanvas();
  EXPECT_EQ(TategakiDraw(c, 0, 5, "", 1, 100), 5);
  EXPECT_TRUE(c.texts().empty());
  TategakiDraw(c, 0, 0, std::string("a\xE3\x81") + "\xFF" + "b", 1, 100);
  EXPECT_EQ(c.texts().size(), 5u) << c.dump();
  // A goal long enough to run off any window stops instead of overflowing.
  const std::string longGoal(400000, 'x');
  RecordingCanvas big = tenPointCanvas();
  TategakiDraw(big, 0, 0, longGoal, 1, 200);
  EXPECT_LT(big.texts().size(), longGoal.size());
}

TEST(SidePanel, DateOfTheFifthOfNovember) {
  Window w;
  SidePanel* panel = w.form().sidePanel();
  panel->DateDsp(QDate(2026, 11, 5));
  EXPECT_EQ(panel->monthLabel()->text(), QStringLiteral("11"));
  EXPECT_EQ(panel->dayLabel()->text(), QStringLiteral("５"));
  EXPECT_EQ(panel->weekdayLabel()->text(), QStringLiteral("(木)"));
  panel->DateDsp(QDate(2026, 11, 8));
  EXPECT_EQ(panel->weekdayLabel()->text(), QStringLiteral("(日)"));
  EXPECT_TRUE(panel->weekdayLabel()->styleSheet().contains("#ff0000"));
  panel->DateDsp(QDate(2026, 11, 7));
  EXPECT_TRUE(panel->weekdayLabel()->styleSheet().contains("#0000ff"));
}

TEST(SidePanel, ShowsTheChosenGoal) {
  Window w(
      "[▼週の目標▼]\n"
      "SOUSUU=2\n"
      "DSPBANGOU=1\n"
      "MOKUHYOU0=早ね早おき\n"
      "MOKUHYOU1=毎日10問\n"
      "FONTCOLOR=255\n");
  GoalLabel* goal = w.form().sidePanel()->goalLabel();
  EXPECT_EQ(goal->goalText(), QStringLiteral("毎日10問"));
  EXPECT_TRUE(goal->isVisible());
  EXPECT_EQ(goal->height(), w.form().sidePanel()->height() - kGoalLabelTop);
  const QImage img = goal->grab().toImage();
  int red = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) {
      const QColor c = img.pixelColor(x, y);
      if (c.red() > 150 && c.green() < 100 && c.blue() < 100) ++red;
    }
  EXPECT_GT(red, 20);
  // A number past the goals there are shows nothing.
  w.settings().DSPBANGOU = 2;
  EXPECT_TRUE(goal->goalText().isEmpty());
}

TEST(SidePanel, HiddenWithoutWakigaki) {
  Window shown;
  EXPECT_TRUE(shown.form().sidePanel()->isVisible());
  EXPECT_EQ(shown.form().sidePanel()->x(),
            shown.form().screen()->width() - kSidePanelWidth);
  Window hidden("[▼計算画面▼]\nWAKIGAKI=0\n");
  EXPECT_FALSE(hidden.form().sidePanel()->isVisible());
}

}  // namespace
}  // namespace ravlo::test
