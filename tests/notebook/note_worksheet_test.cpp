#include "notebook/model/note_worksheet.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "render/recording_canvas.h"

namespace ravlo {
namespace {

class NoteWorksheetTest : public ::testing::Test {
 protected:
  NoteWorksheetTest() {
    CalcSettings s;
    s.NOTE_FONTSIZE = 10;
    in = NotePaintDefaults(s, 96);
    const NoteMetrics m = NoteMeasure(c, in.noteFont);
    in.NoteCharW = m.NoteCharW;
    in.NoteCharH = m.NoteCharH;
    doc.HyoudaiStr = "小6のまとめ　42-07";
    doc.replaceProblems({"4b3*9b8=", "3b2+6b1=", "2x+3=7"});
  }
  // Draws the worksheet; the log index where each sheet after the first starts.
  std::vector<std::size_t> print(const NoteWorksheetStyle& style) {
    c.clearLog();
    std::vector<std::size_t> starts;
    NoteSheets sheets{100000, [&] {
                        starts.push_back(c.log().size());
                        return true;
                      }, 800};
    EXPECT_EQ(NotePrintWorksheet(c, sheets, doc, style, in, settings, sink), 2);
    return starts;
  }
  // How often text was drawn in the log entries [from, to).
  int count(std::string_view text, std::size_t from, std::size_t to) const {
    int n = 0;
    for (std::size_t i = from; i < to; ++i)
      n += c.log()[i].op == RecordingCanvas::Op::Text && c.log()[i].text == text;
    return n;
  }
  RecordingCanvas c;
  NotePaintInput in;
  NoteDoc doc;
  CalcSettings settings;
  NullSink sink;
};

TEST_F(NoteWorksheetTest, TheHeaderHasTheBoxesTheCodeAndTheProblemCount) {
  const std::size_t key = print({}).front(), end = c.log().size();
  for (const char* text : {"小6のまとめ", "No. 42-07", "名前", "日付", "点数", "／3"})
    EXPECT_EQ(count(text, 0, key), 1) << text;
  EXPECT_EQ(count("【答】", 0, key), 3);
  EXPECT_EQ(count("小6のまとめ　【解答】", key, end), 1);
  EXPECT_EQ(count("No. 42-07", key, end), 1);
  EXPECT_EQ(count("名前", key, end), 0);
}

TEST_F(NoteWorksheetTest, TwoColumnsPutTwoProblemsOnARow) {
  print({1, false});
  const auto one = c.findText("(1)"), two = c.findText("(2)"), three = c.findText("(3)");
  ASSERT_TRUE(one && two && three);
  EXPECT_LT(one->y, two->y);
  print({2, false});
  const auto a = c.findText("(1)"), b = c.findText("(2)"), d = c.findText("(3)");
  ASSERT_TRUE(a && b && d);
  EXPECT_EQ(a->y, b->y);
  EXPECT_GT(b->x, 300);
  EXPECT_EQ(d->x, a->x);
  EXPECT_GT(d->y, a->y);
}

TEST_F(NoteWorksheetTest, SolutionsFollowEachAnswerInTheKey) {
  const std::size_t plainStart = print({}).front();
  const std::size_t plainKey = c.log().size() - plainStart;
  const std::vector<std::size_t> starts = print({1, true});
  const std::size_t withSolutions = c.log().size() - starts.front();
  EXPECT_GT(withSolutions, plainKey);
  // The equation has no worked solution; it shows its answer.
  const std::string key = c.allText().substr(c.allText().find("【解答】"));
  EXPECT_NE(key.find("x＝2"), std::string::npos);
  EXPECT_LT(key.find("(2)"), key.find("(3)"));
  EXPECT_EQ(c.countText("(2)"), 2);
}

TEST(NoteSheetCode, OnlyATrailingSeedAndVariant) {
  const std::pair<const char*, const char*> rows[] = {
      {"小6のまとめ　42-07", "42-07"}, {"分数　1-01", "1-01"}, {"42-07", "42-07"},
      {"分数", ""},                     {"分数　42-7", ""},    {"分数　a2-07", ""},
      {"分数　-07", ""},
  };
  for (const auto& [title, code] : rows) EXPECT_EQ(NoteSheetCode(title), code) << title;
}

}  // namespace
}  // namespace ravlo
