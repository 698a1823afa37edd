#include "notebook/model/note_edit_session.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "notebook/model/hyoudai_input.h"
#include "note_test_support.h"

namespace ravlo {
namespace {

using note_testing::RecordingNoteView;
using Lines = std::vector<std::string>;

class NoteEditSessionTest : public ::testing::Test {
 protected:
  NoteEditSessionTest() { session.setView(&view); }
  void load(const Lines& problems) {
    doc.replaceProblems(problems);
    doc.markSaved();
    doc.HenkouFlag = 0;
  }

  NoteDoc doc;
  RecordingSink sink;
  RecordingNoteView view;
  NoteEditSession session{doc, sink};
};

TEST(NoteEditLines, SplitAtEveryLineEnd) {
  EXPECT_EQ(NoteEditLines("1+2=\n\n3b2=\n"), (Lines{"1+2=", "", "3b2="}));
  EXPECT_EQ(NoteEditLines("a\r\nb"), (Lines{"a", "b"}));
  EXPECT_EQ(NoteEditLines(""), Lines{});
}

struct LookRow {
  const char* name;
  std::size_t caret;
  const char* line;
};

class NoteLookLineRows : public ::testing::TestWithParam<LookRow> {};

TEST_P(NoteLookLineRows, IsTheLineThatHoldsTheCaret) {
  EXPECT_EQ(NoteLookLine("1+2=\n3b2=\n\n4*5", GetParam().caret), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    Table, NoteLookLineRows,
    ::testing::Values(LookRow{"Start", 0, "1+2="}, LookRow{"EndOfFirstLine", 4, "1+2="},
                      LookRow{"StartOfSecond", 5, "3b2="}, LookRow{"EmptyLine", 10, ""},
                      LookRow{"LastLine", 13, "4*5"}, LookRow{"PastTheEnd", 99, "4*5"}),
    [](const ::testing::TestParamInfo<LookRow>& row) { return std::string(row.param.name); });

TEST_F(NoteEditSessionTest, OpensOnceWithASnapshotAndTheProblemsAsLines) {
  load({"1+2=", "3b2="});
  doc.NoteFileName = "/tmp/a.siki";
  ASSERT_TRUE(session.begin());
  EXPECT_EQ(session.caption(), "ﾉｰﾄﾌﾞｯｸの式編集[ﾌｧｲﾙ名::/tmp/a.siki]");
  EXPECT_EQ(session.text(), "1+2=\n3b2=");
  EXPECT_FALSE(session.begin());
  ASSERT_EQ(sink.boxes().size(), 1u);
  EXPECT_EQ(sink.boxes()[0].text, "頁編集画面はすでに開いています。");
  EXPECT_EQ(sink.boxes()[0].caption, "ご確認");
  // The snapshot is the notebook before the editor changed anything.
  session.takeAndClose({"9="}, "3.14", true);
  doc.NoteUndo();
  EXPECT_EQ(doc.problems(), (Lines{"1+2=", "3b2="}));
}

TEST_F(NoteEditSessionTest, TakeAsksFirstThenTakesTheLines) {
  ASSERT_TRUE(session.begin());
  sink.scriptAnswer(BoxAnswer::Yes);
  EXPECT_TRUE(session.takeAndClose({"1+2=", "", "3b2=", "2*pai="}, "3.14", true));
  EXPECT_EQ(doc.problems(), (Lines{"1+2=", "3b2=", "2*3.14="}));
  EXPECT_EQ(doc.HenkouFlag, 1);
  ASSERT_EQ(sink.boxes().size(), 1u);
  EXPECT_EQ(sink.boxes()[0].caption, "反映終了のご確認");
  EXPECT_EQ(sink.boxes()[0].text, "ノート画面を書き換えます。\n\nこのまま反映終了していいですか？");
  EXPECT_EQ(sink.boxes()[0].buttons, BoxButtons::YesNo);
}

TEST_F(NoteEditSessionTest, TakeAnsweredNoKeepsTheEditorAndTheNotebook) {
  load({"1="});
  sink.scriptAnswer(BoxAnswer::No);
  EXPECT_FALSE(session.takeAndClose({"2="}, "3.14", true));
  EXPECT_EQ(doc.problems(), Lines{"1="});
  EXPECT_EQ(doc.HenkouFlag, 0);
}

TEST_F(NoteEditSessionTest, CheckReportsAllLinesGood) {
  EXPECT_EQ(session.check({"1+2=", "3b2=", "", " 4*5= ", "2x+3=7"}, nullptr), 5);
  ASSERT_EQ(sink.boxes().size(), 1u);
  EXPECT_EQ(sink.boxes()[0].caption, "ｴﾗｰの報告");
  EXPECT_EQ(sink.boxes()[0].text, "◇全5行::エラーはありませんでした。");
}

TEST_F(NoteEditSessionTest, PreviewWithAnErrorChangesNothing) {
  load({"1="});
  NoteLinesFault fault;
  EXPECT_FALSE(session.preview({"2=", "1+*2"}, "3.14", true, &fault));
  EXPECT_EQ(doc.problems(), Lines{"1="});
  EXPECT_EQ(doc.HenkouFlag, 0);
  EXPECT_EQ(fault.line, 2);
  EXPECT_EQ(view.redraws, 0);
  // Without errors it takes the lines and keeps the editor open.
  EXPECT_TRUE(session.preview({"2=", "3="}, "3.14", true, &fault));
  EXPECT_EQ(doc.problems(), (Lines{"2=", "3="}));
  EXPECT_EQ(view.redraws, 1);
}

TEST_F(NoteEditSessionTest, ClosingWithChangesAsksAndNoKeepsTheEditorOpen) {
  ASSERT_TRUE(session.begin());
  EXPECT_TRUE(session.mayClose(false));
  EXPECT_TRUE(sink.boxes().empty());
  sink.scriptAnswer(BoxAnswer::No);
  EXPECT_FALSE(session.mayClose(true));
  ASSERT_EQ(sink.boxes().size(), 1u);
  EXPECT_EQ(sink.boxes()[0].caption, "破棄終了のご確認");
  EXPECT_EQ(sink.boxes()[0].text, "画面の式は編集されています。\n\nこのまま破棄終了していいですか？");
  sink.scriptAnswer(BoxAnswer::Yes);
  EXPECT_TRUE(session.mayClose(true));
  EXPECT_EQ(doc.NoteOpenMode, kNoteOpenEditorLeft);
}

TEST_F(NoteEditSessionTest, EndMarksTheNotebookChangedWhateverTheWay) {
  load({"1="});
  ASSERT_TRUE(session.begin());
  session.end();
  EXPECT_EQ(doc.HenkouFlag, 1);
  EXPECT_FALSE(session.NoteEditOpenFlag);
  EXPECT_EQ(view.redraws, 1);
  EXPECT_TRUE(session.begin());
}

TEST_F(NoteEditSessionTest, LookShowsTheLineBuiltUpOnlyWhenTheCheckerPassesIt) {
  session.look("");
  EXPECT_TRUE(sink.empty());
  session.look("3b2+1=");
  ASSERT_EQ(sink.entries().size(), 1u);
  EXPECT_EQ(sink.entries()[0].kind, RecordingSink::Kind::Small);
  EXPECT_EQ(sink.entries()[0].text, "@3b2+1=");
  EXPECT_EQ(sink.entries()[0].caption, "式の分数形表示");
  EXPECT_EQ(sink.entries()[0].displayMs, 10000);
  sink.clear();
  // A solved equation shows the equation; the solver's answer is no typed text.
  session.look("2x+3=7&x＝2");
  ASSERT_EQ(sink.entries().size(), 1u);
  EXPECT_EQ(sink.entries()[0].text, "@2x+3=7");
  sink.clear();
  session.look("1+*2");
  ASSERT_EQ(sink.boxes().size(), 1u);  // the checker's own message
  EXPECT_EQ(sink.entries().size(), 1u);
}

TEST(HyoudaiInputTest, ClosingWithoutAnEditLeavesTheChangeFlag) {
  for (int before : {0, 1}) {
    NoteDoc doc;
    RecordingSink sink;
    HyoudaiInput input(doc, sink);
    doc.HyoudaiStr = "題";
    doc.HenkouFlag = before;
    ASSERT_TRUE(input.open());
    input.take("題", false);
    input.close();
    EXPECT_EQ(doc.HenkouFlag, before);
    EXPECT_FALSE(input.HyoudaiOpenFlag);
  }
}

TEST(HyoudaiInputTest, AnEditedTitleIsAChangeAndASecondOpeningIsRefused) {
  NoteDoc doc;
  RecordingSink sink;
  HyoudaiInput input(doc, sink);
  ASSERT_TRUE(input.open());
  EXPECT_FALSE(input.open());
  ASSERT_EQ(sink.boxes().size(), 1u);
  EXPECT_EQ(sink.boxes()[0].text, "表題記入欄はすでに開いています。");
  input.take("三年 分数", true);
  // Applying again without a further edit keeps what the first edit said.
  input.take("三年 分数", false);
  input.close();
  EXPECT_EQ(doc.HyoudaiStr, "三年 分数");
  EXPECT_EQ(doc.HenkouFlag, 1);
  ASSERT_TRUE(input.open());
  EXPECT_FALSE(input.HyoudaiChgFlag);
}

}  // namespace
}  // namespace ravlo
