#include "notebook/model/note_paint.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "notebook/model/note_print.h"
#include "render/recording_canvas.h"

namespace ravlo {
namespace {

using Problems = std::vector<std::string>;
using Canvas_ = RecordingCanvas;

// Cells of 10 × 20 pixels: NoteCharW 10, NoteCharH 20, a line step of 50 at KANKAKU 5.
class NotePaintTest : public ::testing::Test {
 protected:
  NotePaintTest() {
    CalcSettings settings;
    settings.NOTE_FONTSIZE = 10;
    in = NotePaintDefaults(settings, 96);
    const NoteMetrics m = NoteMeasure(c, in.noteFont);
    in.NoteCharW = m.NoteCharW;
    in.NoteCharH = m.NoteCharH;
    in.HyoudaiFont.size = 10;
    in.clientWidth = 600;
    in.clientHeight = 400;
  }
  NotePaintResult paint(const Problems& problems, int sel = 0) {
    doc.replaceProblems(problems);
    doc.SelNo = sel;
    c.clearLog();
    return NotePaint(c, doc, in);
  }
  // The row of a problem: the y of its number.
  int rowOf(int n) const {
    auto t = c.findText("[" + std::to_string(n) + "] ");
    return t ? t->y : -1;
  }
  // The empty answer columns drawn between two points of the log: "【答】" with an underline
  // from H/4 right of it to 9.5 characters past it (the renderer's answer column has its own
  // underline, under the answer).
  int emptyColumnLines(std::size_t from = 0, std::size_t to = SIZE_MAX) const {
    const auto& log = c.log();
    to = std::min(to, log.size());
    int n = 0;
    for (std::size_t i = from; i < to; ++i) {
      if (log[i].op != Canvas_::Op::Line || log[i].y != log[i].y2) continue;
      for (std::size_t j = from; j < to; ++j)
        if (log[j].op == Canvas_::Op::Text && log[j].text == "【答】" && log[i].y == log[j].y + 25 &&
            std::min(log[i].x, log[i].x2) == log[j].x + 5 &&
            std::max(log[i].x, log[i].x2) == log[j].x + 60 + 95)
          ++n;
    }
    return n;
  }

  Canvas_ c;
  NotePaintInput in;
  NoteDoc doc;
};

TEST_F(NotePaintTest, AnEmptyPageShowsTitleAndRulersOnly) {
  doc.HyoudaiStr = "分数の練習";
  doc.NoteFileName = "/home/a/renshuu.siki";
  in.FileNameDspFlag = true;
  in.hpos = 7;
  in.vpos = 3;
  const NotePaintResult r = paint({});
  EXPECT_EQ(r.caption, "ノート画面 [ /home/a/renshuu.siki]");
  EXPECT_EQ(in.A4Height, 1123);
  EXPECT_EQ(r.verticalRange, 1123);

  ASSERT_EQ(c.rects().size(), 1u);
  EXPECT_EQ(c.rects()[0].color, kNoteBackColor);
  auto title = c.findText("分数の練習　[ renshuu.siki ]");
  ASSERT_TRUE(title);
  EXPECT_EQ(title->x, 60 - 7);
  EXPECT_EQ(title->y, 30 - 3);

  // Left ruler: one mark per line step of the page (1123 / 50 = 22), "1", "*", every fifth
  // numbered; red from the first mark below the A4 height less 60 (y 80 + 20 × 50).
  std::vector<Canvas_::TextItem> left, top;
  for (const auto& t : c.texts()) {
    if (t.y == 2 - 3) top.push_back(t);
    else if (t.x == 4 - 7) left.push_back(t);
  }
  ASSERT_EQ(left.size(), 22u);
  EXPECT_EQ(left[0].text, "1");
  EXPECT_EQ(left[0].y, 80 - 3);
  EXPECT_EQ(left[1].text, "*");
  EXPECT_EQ(left[4].text, "5");
  EXPECT_EQ(left[19].text, "20");
  EXPECT_EQ(left[19].color, kHotLight);
  EXPECT_EQ(left[20].color, kNoteMarkColor);
  EXPECT_EQ(left[0].font.size, 7);
  // Top ruler: one mark per character of the A4 width, "+" every tenth, red near its end.
  ASSERT_EQ(top.size(), 797u / 10);
  EXPECT_EQ(top[8].text, "-");
  EXPECT_EQ(top[9].text, "+");
  EXPECT_EQ(top[9].x, 90 - 7 + 4);
  EXPECT_EQ(top[76].color, kHotLight);
  EXPECT_EQ(top[77].color, kNoteMarkColor);
  EXPECT_EQ(top[0].font.size, 10);
  EXPECT_EQ(c.texts().size(), 1 + left.size() + top.size());
}

TEST_F(NotePaintTest, PrintedPagesHaveNoBackgroundAndNoRulers) {
  doc.HyoudaiStr = "T";
  in.PrintFlag = true;
  paint({});
  EXPECT_TRUE(c.rects().empty());
  EXPECT_EQ(c.allText(), "T");
  paint({"1+1="});
  EXPECT_TRUE(c.rects().empty());
  for (const auto& t : c.texts()) EXPECT_NE(t.x, 4) << t.text;  // no left ruler
  EXPECT_EQ(c.findText("-"), std::nullopt);                      // no top ruler
  EXPECT_TRUE(c.findText("[1] "));
}

TEST_F(NotePaintTest, NumbersSelectionAndRows) {
  in.EqKaigyoFlag = false;
  paint({"1+1=", "2+2=", "3+3="}, 2);
  EXPECT_EQ(rowOf(1), 80);
  EXPECT_EQ(rowOf(2), 130);
  EXPECT_EQ(rowOf(3), 180);
  auto mark = c.findText("◆");
  ASSERT_TRUE(mark);
  EXPECT_EQ(mark->x, 40);
  EXPECT_EQ(mark->y, 130);
  EXPECT_EQ(mark->color, kNoteMarkColor);
  EXPECT_EQ(c.findText("[1] ")->color, kNoteNumberColor);
  EXPECT_EQ(c.findText("[1] ")->x, 80);
}

TEST_F(NotePaintTest, ProblemTenAndAboveStartOneCharacterLeft) {
  in.EqKaigyoFlag = false;
  Problems p(10, "7");
  paint(p);
  // "[9] " ends at 120 and "[10] " at 130; both expressions start at 140.
  for (int n : {9, 10}) {
    SCOPED_TRACE(n);
    const int y = rowOf(n);
    bool found = false;
    for (const auto& t : c.texts())
      if (t.text == "7" && t.y == y) {
        EXPECT_EQ(t.x, 140);
        found = true;
      }
    EXPECT_TRUE(found);
  }
}

TEST_F(NotePaintTest, EqualsLineBreaksMoveTheFollowingProblems) {
  paint({"1+2=3", "5"});
  EXPECT_EQ(rowOf(2), 80 + 2 * 50);
  in.EqKaigyoFlag = false;
  paint({"1+2=3", "5"});
  EXPECT_EQ(rowOf(2), 80 + 50);
}

TEST_F(NotePaintTest, EmptyAnswerColumnAndItsPosition) {
  in.EqKaigyoFlag = false;
  struct Row {
    int iti;
    int columnX, columnY, secondRow;
  };
  // The column at 4H + ITI·W; with ITI 10 the long question reaches past it, so the column
  // goes 2.5 lines down and the next problem one line step.
  for (const Row& row : {Row{36, 440, 80, 130}, Row{10, 180, 130, 180}}) {
    SCOPED_TRACE(row.iti);
    in.KAITOURAN_ITI = row.iti;
    paint({"1234567890+1=", "2="});
    auto column = c.findText("【答】");
    ASSERT_TRUE(column);
    EXPECT_EQ(column->x, row.columnX);
    EXPECT_EQ(column->y, row.columnY);
    EXPECT_EQ(column->color, kNoteMarkColor);
    EXPECT_EQ(rowOf(2), row.secondRow);
    EXPECT_EQ(emptyColumnLines(), 2);
    // The underline: from H/4 right of the label to 9.5 characters past it, in teal.
    for (const auto& l : c.horizontalLines())
      if (l.left() == row.columnX + 5 && l.from.y == row.columnY + 25) {
        EXPECT_EQ(l.right(), row.columnX + 60 + 95);
        EXPECT_EQ(l.color, kNotePenColor);
      }
  }
}

TEST_F(NotePaintTest, AnsweredProblemsNeverShowTheEmptyColumn) {
  paint({"3b2+1=1k3b2&1k3b2", "2x+3=7&x＝2", "5b3*2="});
  // The renderer labels the two answers; only the unanswered problem has the empty column.
  EXPECT_EQ(c.countText("【答】"), 3);
  EXPECT_EQ(emptyColumnLines(), 1);
  in.KAITOURAN_FLAG = false;
  paint({"5b3*2="});
  EXPECT_EQ(c.countText("【答】"), 0);
}

TEST_F(NotePaintTest, AClearedPageUsesTheLighterBackground) {
  in.cleared = true;
  paint({});
  ASSERT_EQ(c.rects().size(), 1u);
  EXPECT_EQ(c.rects()[0].color, kNoteClearedBackColor);
  EXPECT_EQ(c.rects()[0].x2, 600);
  EXPECT_EQ(c.rects()[0].y2, 400);
}

// ---- sheets ----

// Where each sheet starts in the canvas log.
struct SheetLog {
  std::vector<std::size_t> starts{0};
  std::vector<std::string> textsOf(const Canvas_& c, std::size_t sheet) const {
    const std::size_t end = sheet + 1 < starts.size() ? starts[sheet + 1] : c.log().size();
    std::vector<std::string> t;
    for (std::size_t i = starts[sheet]; i < end; ++i)
      if (c.log()[i].op == Canvas_::Op::Text) t.push_back(c.log()[i].text);
    return t;
  }
};

TEST_F(NotePaintTest, ALongPageGoesOnOnTheNextSheet) {
  in.EqKaigyoFlag = false;
  in.KAITOURAN_FLAG = false;
  in.vpos = 500;  // printing starts at the top whatever the window shows
  doc.HyoudaiStr = "T";
  doc.replaceProblems(Problems(10, "1+1="));
  SheetLog log;
  NoteSheets sheets{300, [&] {
                      log.starts.push_back(c.log().size());
                      return true;
                    }};
  // Rows 80 … 280 reach 300 at most; the sixth problem starts the second sheet at 80.
  EXPECT_EQ(NotePaintSheets(c, doc, in, sheets), 2);
  ASSERT_EQ(log.starts.size(), 2u);
  EXPECT_EQ(rowOf(1), 80);
  EXPECT_EQ(rowOf(5), 280);
  EXPECT_EQ(rowOf(6), 80);
  EXPECT_EQ(rowOf(10), 280);
  EXPECT_EQ(log.textsOf(c, 1).front(), "[6] ");
  EXPECT_EQ(c.countText("T"), 1);

  // A job that cannot go on stops there.
  c.clearLog();
  sheets.newSheet = [] { return false; };
  EXPECT_EQ(NotePaintSheets(c, doc, in, sheets), -1);
  EXPECT_EQ(c.findText("[6] "), std::nullopt);
}

TEST_F(NotePaintTest, AWorksheetIsTheProblemsThenTheAnswerKey) {
  doc.HyoudaiStr = "第1回";
  doc.replaceProblems({"3b2+1=1k3b2&1k3b2", "2x+3=7", "1+*2="});
  doc.SelNo = 1;
  in.KAITOURAN_FLAG = false;  // the worksheet has its columns whatever the window shows
  CalcSettings settings;
  RecordingSink sink;
  SheetLog log;
  NoteSheets sheets{100000, [&] {
                      log.starts.push_back(c.log().size());
                      return true;
                    }};
  EXPECT_EQ(NotePrintPages(c, sheets, doc, NotePrintKind::Worksheet, in, settings, sink), 2);
  ASSERT_EQ(log.starts.size(), 2u);
  const std::vector<std::string> problems = log.textsOf(c, 0);
  const std::vector<std::string> key = log.textsOf(c, 1);
  auto has = [](const std::vector<std::string>& t, const std::string& s) {
    return std::find(t.begin(), t.end(), s) != t.end();
  };
  EXPECT_TRUE(has(problems, "第1回"));
  EXPECT_FALSE(has(problems, "◆"));
  EXPECT_EQ(std::count(problems.begin(), problems.end(), "【答】"), 3);
  EXPECT_EQ(emptyColumnLines(0, log.starts[1]), 3);  // every problem
  EXPECT_EQ(emptyColumnLines(log.starts[1]), 1);     // the one the key could not answer
  EXPECT_TRUE(has(key, "第1回　【解答】"));
  EXPECT_EQ(std::count(key.begin(), key.end(), "【答】"), 3);
  // The refusal of the third problem was reported; the document is as it was.
  ASSERT_EQ(sink.boxes().size(), 1u);
  EXPECT_EQ(sink.boxes()[0].text.rfind("[3 問:3 字目]", 0), 0u);
  EXPECT_EQ(doc.problems(), (Problems{"3b2+1=1k3b2&1k3b2", "2x+3=7", "1+*2="}));

  const std::vector<NoteDoc> docs = NotePrintDocs(doc, NotePrintKind::Worksheet, settings, sink);
  ASSERT_EQ(docs.size(), 2u);
  EXPECT_EQ(docs[0].problems(), (Problems{"3b2+1=", "2x+3=7", "1+*2="}));
  EXPECT_EQ(docs[1].problems(), (Problems{"3b2+1=1k3b2&1k3b2", "2x+3=7&x＝2", "1+*2="}));
  EXPECT_EQ(NotePrintDocs(doc, NotePrintKind::Page, settings, sink)[0].problems(), doc.problems());
}

}  // namespace
}  // namespace ravlo
