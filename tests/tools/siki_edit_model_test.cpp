// The expression editor without its window: display, compute, the two targets, the saved text
// and closing.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <ostream>
#include <string>

#include "notebook/model/note_commands.h"
#include "notebook/model/note_doc.h"
#include "tests/app/calc_state_support.h"
#include "tools/model/siki_edit_model.h"

namespace ravlo::test {
namespace {

using testing_support::Session;

struct Editor {
  explicit Editor(const std::function<void(CalcSettings&)>& configure = {}) : s(configure) {}
  Session s;
  ToolSession session;
  SikiEditModel model{*s, session, SikiEditTarget()};
};

std::vector<std::string> boxTexts(const RecordingSink& sink) {
  std::vector<std::string> texts;
  for (const auto& b : sink.boxes()) texts.push_back(b.caption + "|" + b.text);
  return texts;
}

// ---- display ----

struct DisplayRow {
  const char* field;
  const char* line;  // InpSiki afterwards
  bool open;         // still open for typing
  friend void PrintTo(const DisplayRow& r, std::ostream* os) { *os << r.field; }
};

class EditorDisplay : public ::testing::TestWithParam<DisplayRow> {};

TEST_P(EditorDisplay, PutsTheCheckedTextOnTheScreen) {
  Editor e([](CalcSettings& c) { c.KAKERU_ABR = 1; });
  e.s.type("9");
  const EditorOutcome r = e.model.display(GetParam().field);
  EXPECT_TRUE(r.done);
  EXPECT_EQ(r.errorLine, "◇ｴﾗｰ ⇒");
  EXPECT_EQ(r.field, std::nullopt);
  EXPECT_EQ(e.s->InpSiki, GetParam().line);
  EXPECT_EQ(e.s->InpAccept, GetParam().open);
  EXPECT_TRUE(e.s.sink.boxes().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, EditorDisplay,
    ::testing::Values(DisplayRow{"1+2 # memo", "1+2", true},
                      DisplayRow{"2*pai", "2*3.14", true},
                      DisplayRow{"  -3b2+1  ", "m3b2+1", true},
                      DisplayRow{"3b2+1=", "3b2+1", true},
                      DisplayRow{"2x+3=7", "2x+3=7", true},
                      DisplayRow{"3b2+1=1k3b2&1k3b2", "3b2+1=1k3b2&1k3b2", false}));

TEST(EditorDisplay, TheScreenGoesOnFromTheDisplayedLine) {
  Editor e;
  e.model.display("3b2+1");
  e.s.type("=");
  EXPECT_EQ(e.s->InpSiki, "3b2+1=1k3b2");
  EXPECT_FALSE(e.s->InpAccept);
}

TEST(EditorDisplay, ARefusedCharacterIsNamedAndSelectedWhereItWasTyped) {
  Editor e;
  e.s.type("9");
  // Two blanks and "pai" before it: the checker's 8th character is the field's 9th.
  const EditorOutcome r = e.model.display("  2*pai+*1");
  EXPECT_FALSE(r.done);
  EXPECT_EQ(r.errorLine, "◇ｴﾗｰ::(8字目) [4]: 演算記号の連続は不可");
  EXPECT_EQ(r.selectChar, 8);
  EXPECT_EQ(e.s->InpSiki, "");
  EXPECT_TRUE(e.s.sink.boxes().empty());
}

// ---- compute ----

struct ComputeRow {
  const char* what;
  const char* field;
  std::function<void(CalcSettings&)> settings;
  const char* line;  // "" when nothing was computed
  const char* box;   // caption|text, "" for none
  friend void PrintTo(const ComputeRow& r, std::ostream* os) { *os << r.what; }
};

class EditorCompute : public ::testing::TestWithParam<ComputeRow> {};

TEST_P(EditorCompute, ShowsTheLineWithItsAnswerColumn) {
  const ComputeRow& row = GetParam();
  Editor e(row.settings);
  e.s.type("9");
  const EditorOutcome r = e.model.compute(row.field);
  const std::string line = row.line;
  EXPECT_EQ(r.done, !line.empty());
  if (!line.empty()) {
    EXPECT_EQ(e.s->InpSiki, line);
    EXPECT_EQ(e.s->LastSiki, line);
    EXPECT_FALSE(e.s->InpAccept);
  }
  const std::string box = row.box;
  EXPECT_EQ(boxTexts(e.s.sink), box.empty() ? std::vector<std::string>{} : std::vector{box});
}

const auto kDefaults = [](CalcSettings&) {};

INSTANTIATE_TEST_SUITE_P(
    Rows, EditorCompute,
    ::testing::Values(
        ComputeRow{"mixed", "3b2+1", kDefaults, "3b2+1=1k3b2&1k3b2", ""},
        ComputeRow{"mixed and improper: the column holds the mixed form", "3b2+1",
                   [](CalcSettings& c) { c.ANSSYU = 2; }, "3b2+1=1k3b2=3b5&1k3b2", ""},
        ComputeRow{"pai", "2*pai", kDefaults, "2*3.14=6k25b7&6k25b7", ""},
        ComputeRow{"ratio", "4:6", kDefaults, "4:6=2:3&2:3", ""},
        ComputeRow{"equation", "2x+3=7", [](CalcSettings& c) { c.KAKERU_ABR = 1; },
                   "2x+3=7&x＝2", ""},
        ComputeRow{"not linear", "x*x=4", kDefaults, "",
                   "ご報告!!|ｘの一次式しか計算できません。\n\nめんご！"},
        ComputeRow{"y", "x+y=3", [](CalcSettings& c) { c.KAKERU_ABR = 1; }, "",
                   "注意!!|ｙやｚの文字は計算できません。"}));

TEST(EditorCompute, ACommentMustGoFirst) {
  Editor e;
  e.s.type("9");
  const EditorOutcome r = e.model.compute("1+2 # memo");
  EXPECT_FALSE(r.done);
  EXPECT_EQ(r.errorLine, " ｢#｣ 以降を削除せよ！");
  EXPECT_EQ(e.s->InpSiki, "9");
}

TEST(EditorCompute, TheFieldGetsItsTextBackWithPaiReplacedAndTrimmed) {
  Editor e;
  EXPECT_EQ(e.model.compute(" 2*pai ").field, "2*3.14");
}

TEST(EditorCompute, InBaseNModeConvertsTheUpperCasedText) {
  Editor e;
  e.s->NsinMode = true;
  EXPECT_TRUE(e.model.compute("ff(16>10").done);
  EXPECT_EQ(e.s->InpSiki, "FF(16)=255(10)");
}

// ---- the notebook's selected problem as target ----

struct Notebook {
  Notebook() {
    doc.appendSiki("1+1=");
    doc.appendSiki("3b2+1=");
    doc.SelNo = 2;
    doc.EditBuffer = "3b2+1=";
  }
  NoteDoc doc;
  int redraws = 0;
  SikiEditTarget target() {
    return SikiEditTarget(NoteTarget{&doc, [this] { ++redraws; }});
  }
};

TEST(EditorForNotebook, WritesTheSelectedProblemAndLeavesTheScreenAlone) {
  Session s([](CalcSettings& c) { c.KAKERU_ABR = 1; });
  s.type("12");
  ToolSession session;
  Notebook n;
  SikiEditModel model(*s, session, n.target());
  EXPECT_EQ(model.openingText(), "3b2+1=");

  EXPECT_TRUE(model.display("5b3*2").done);
  EXPECT_EQ(n.doc.Siki(2), "5b3*2");
  EXPECT_TRUE(model.compute("3b2+1").done);
  EXPECT_EQ(n.doc.Siki(2), "3b2+1=1k3b2&1k3b2");
  EXPECT_TRUE(model.compute("2x+3=7").done);
  EXPECT_EQ(n.doc.Siki(2), "2x+3=7&x＝2");
  EXPECT_EQ(n.redraws, 3);
  EXPECT_EQ(n.doc.HenkouFlag, 1);
  EXPECT_EQ(n.doc.Siki(1), "1+1=");
  EXPECT_EQ(s->InpSiki, "12");
  EXPECT_TRUE(s->InpAccept);
}

// The notebook's 選択式を編集 hands the editor its document; the editor writes back there.
class EditorOpeningView final : public NoteView {
 public:
  EditorOpeningView(CalcState& st, ToolSession& session, NoteDoc& doc)
      : st_(st), session_(session), doc_(doc) {}
  void NoteRedraw() override { ++redraws; }
  void OpenSikiEditor() override {
    SikiEditModel editor(st_, session_, SikiEditTarget(NoteTarget{&doc_, [this] { NoteRedraw(); }}));
    opened = editor.openingText();
    editor.compute(opened);
  }
  std::string opened;
  int redraws = 0;

 private:
  CalcState& st_;
  ToolSession& session_;
  NoteDoc& doc_;
};

TEST(EditorForNotebook, TheNotebooksEditCommandOpensItOnTheSelectedProblem) {
  Session s;
  ToolSession session;
  Notebook n;
  n.doc.EditBuffer.clear();
  NoteCommands commands(n.doc, s.sink);
  EditorOpeningView view(*s, session, n.doc);
  commands.setView(&view);
  ASSERT_TRUE(commands.editSelected());
  EXPECT_EQ(view.opened, "3b2+1=");
  EXPECT_EQ(n.doc.Siki(2), "3b2+1=1k3b2&1k3b2");
  // Undo brings the problem back as it was before the editor.
  commands.NoteUndo();
  EXPECT_EQ(n.doc.Siki(2), "3b2+1=");
}

TEST(EditorForNotebook, WithoutASelectionNothingIsWritten) {
  Session s;
  ToolSession session;
  Notebook n;
  n.doc.SelNo = 0;
  SikiEditModel model(*s, session, n.target());
  EXPECT_TRUE(model.compute("1+2").done);
  EXPECT_EQ(n.doc.problems(), (std::vector<std::string>{"1+1=", "3b2+1="}));
  EXPECT_EQ(n.redraws, 0);
}

TEST(EditorNoteButton, OpensClosesOrSaysTheNotebookIsOpen) {
  Session s;
  ToolSession session;
  Notebook n;
  SikiEditModel forScreen(*s, session, SikiEditTarget());
  SikiEditModel forNote(*s, session, n.target());
  EXPECT_EQ(forScreen.noteButton(false), NoteButtonAction::OpenNotebook);
  EXPECT_EQ(forNote.noteButton(true), NoteButtonAction::CloseEditor);
  EXPECT_TRUE(s.sink.boxes().empty());
  EXPECT_EQ(forScreen.noteButton(true), NoteButtonAction::AlreadyOpen);
  EXPECT_EQ(boxTexts(s.sink), std::vector<std::string>{"ご確認|ノート画面はすでに開いています。"});
}

// ---- solve, saved text, closing ----

TEST(EditorSolve, PutsTheTextOnTheScreenAndRunsTheSolveCommand) {
  Editor e([](CalcSettings& c) { c.KAKERU_ABR = 1; });
  EditorOutcome r;
  EXPECT_TRUE(e.model.solve("2x+3=7 # eq", r));
  EXPECT_EQ(e.s->InpSiki, "2x+3=7");
  EXPECT_EQ(e.s.commands.ran, std::vector<CalcCommand>{CalcCommand::Solve});
  EXPECT_FALSE(e.model.solve("2x+=7", r));
  EXPECT_EQ(e.s.commands.ran.size(), 1u);
}

TEST(EditorSavedText, IsKeptInsertedAndLookedAt) {
  Editor e;
  e.model.keepAside("");
  EXPECT_EQ(e.model.savedForInsert(), std::nullopt);
  e.model.lookSaved();
  e.model.keepAside("3b2+1");
  EXPECT_EQ(e.session.savedText, "3b2+1");
  EXPECT_EQ(e.model.savedForInsert(), "3b2+1");
  e.model.lookSaved();
  EXPECT_EQ(boxTexts(e.s.sink),
            (std::vector<std::string>{"報告！|退避する式はありません。",
                                      "報告！|退避してある式はありません。",
                                      "報告！|退避してある式はありません。",
                                      "報告！|< 3b2+1 > を一時退避しました。"}));
  const auto& last = e.s.sink.entries().back();
  EXPECT_EQ(last.kind, RecordingSink::Kind::Small);
  EXPECT_EQ(last.text, "@3b2+1");
  EXPECT_EQ(last.caption, "退避してある式");
  EXPECT_EQ(last.displayMs, 6000);
}

TEST(EditorSavedText, ARefusedSavedTextIsReportedByTheChecker) {
  Editor e;
  e.model.keepAside("1+*2");
  e.s.sink.clear();
  e.model.lookSaved();
  ASSERT_EQ(e.s.sink.entries().size(), 1u);
  EXPECT_EQ(e.s.sink.entries()[0].caption, "ｴﾗｰの報告");
}

TEST(EditorClose, AnUnshownEditAsksFirst) {
  Editor e;
  EXPECT_TRUE(e.model.mayClose(false));
  EXPECT_TRUE(e.s.sink.boxes().empty());
  e.s.sink.scriptAnswer(BoxAnswer::Cancel);
  EXPECT_FALSE(e.model.mayClose(true));
  EXPECT_TRUE(e.model.mayClose(true));
  EXPECT_EQ(boxTexts(e.s.sink).back(),
            "報告！|編集内容を画面に反映していません。\n\nこのまま終了していいですか？");
}

TEST(EditorClose, RestoreBringsBackWhatTheEditorShowed) {
  Editor e;
  e.model.compute("3b2+1");
  e.model.closed();
  e.s->SikiClear();
  e.s->SikiRestore();
  EXPECT_EQ(e.s->InpSiki, "3b2+1");
}

}  // namespace
}  // namespace ravlo::test
