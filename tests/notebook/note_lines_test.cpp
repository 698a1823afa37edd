#include "notebook/model/note_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ravlo {
namespace {

using Lines = std::vector<std::string>;

TEST(NoteLinesTake, SkipsEmptyLinesAndWritesPi) {
  NoteDoc doc;
  doc.SelNo = 1;
  RecordingSink sink;
  EXPECT_TRUE(NoteLinesTake(doc, {"1+2=", "", "3b2=", "2*pai=", " 4 "}, "3.14", true, sink));
  EXPECT_EQ(doc.problems(), (Lines{"1+2=", "3b2=", "2*3.14=", " 4 "}));
  EXPECT_EQ(doc.SelNo, 0);
  EXPECT_EQ(doc.NoteOpenMode, kNoteOpenEditorTook);
  EXPECT_EQ(doc.HenkouFlag, 1);
  EXPECT_TRUE(NoteLinesTake(doc, {"1="}, "3.14", false, sink));
  EXPECT_EQ(doc.NoteOpenMode, kNoteOpenEditorLeft);
  EXPECT_TRUE(sink.empty());
}

TEST(NoteLinesTake, MoreThanFiftyProblemsAreRefused) {
  NoteDoc doc;
  doc.replaceProblems({"9="});
  Lines lines(51, "1=");
  lines.insert(lines.begin() + 3, "");
  RecordingSink sink;
  EXPECT_FALSE(NoteLinesTake(doc, lines, "3.14", true, sink));
  EXPECT_EQ(doc.problems(), Lines{"9="});
  ASSERT_EQ(sink.boxes().size(), 1u);
  EXPECT_EQ(sink.boxes()[0].text,
            "ﾉｰﾄに書ける式は50問までです。\n\n画面には式が51行あるので、反映できません。");
  lines.pop_back();  // fifty, and an empty line
  EXPECT_TRUE(NoteLinesTake(doc, lines, "3.14", true, sink));
  EXPECT_EQ(doc.count(), 50);
}

TEST(NoteLinesCheck, CountsLinesOrStopsAtTheFirstFault) {
  RecordingSink sink;
  EXPECT_EQ(NoteLinesCheck({"1+2=", "", "  3b2=  ", "2x+3=7&x＝2", "5"}, sink), 5);
  EXPECT_TRUE(sink.empty());
  EXPECT_EQ(NoteLinesAllGood(5), "◇全5行::エラーはありませんでした。");

  NoteLinesFault fault;
  EXPECT_EQ(NoteLinesCheck({"1+2=", "  1+*2=", "(("}, sink, &fault), -1);
  EXPECT_EQ(fault.line, 2);
  EXPECT_EQ(fault.position, 3u);
  EXPECT_EQ(fault.column, 5u);
  ASSERT_EQ(sink.boxes().size(), 1u);  // the third line is not looked at
  EXPECT_EQ(sink.boxes()[0].caption, "ｴﾗｰの報告");
  EXPECT_EQ(sink.boxes()[0].text, "◇ｴﾗｰ::(2問: 3字目) [4]: 演算記号の連続は不可");
}

}  // namespace
}  // namespace ravlo
