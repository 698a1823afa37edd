#include "notebook/model/note_commands.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "note_test_support.h"

namespace ravlo {
namespace {

using note_testing::RecordingNoteView;
using note_testing::ScriptedChooser;
using note_testing::TempDir;
using Problems = std::vector<std::string>;

Problems numbered(int n) {
  Problems p;
  for (int i = 1; i <= n; ++i) p.push_back(std::to_string(i) + "=");
  return p;
}

class NoteCommandsTest : public ::testing::Test {
 protected:
  NoteCommandsTest() {
    cmd.setView(&view);
    cmd.setChooser(&chooser);
  }
  // A notebook just read from its file: nothing unsaved.
  void load(const Problems& problems, int sel = 0) {
    doc.replaceProblems(problems);
    doc.SelNo = sel;
    doc.markSaved();
  }
  // The one box shown since the last check, then forgets it.
  RecordingSink::Entry onlyBox() {
    auto boxes = sink.boxes();
    EXPECT_EQ(boxes.size(), 1u);
    sink.clear();
    return boxes.empty() ? RecordingSink::Entry{} : boxes.front();
  }

  NoteDoc doc;
  RecordingSink sink;
  RecordingNoteView view;
  ScriptedChooser chooser;
  NoteCommands cmd{doc, sink};
};

// ---- add and edit ----

TEST_F(NoteCommandsTest, AddNewProblemSelectsItAndOpensTheEditor) {
  load({"1="});
  EXPECT_TRUE(cmd.addNewSiki());
  EXPECT_EQ(doc.problems(), (Problems{"1=", ""}));
  EXPECT_EQ(doc.SelNo, 2);
  EXPECT_EQ(doc.HenkouFlag, 1);
  EXPECT_EQ(doc.EditBuffer, "");
  EXPECT_EQ(view.sikiEditorOpens, 1);
  EXPECT_GE(view.redraws, 1);
  EXPECT_TRUE(sink.empty());
}

TEST_F(NoteCommandsTest, AddNewProblemOnAFullNotebookIsRefused) {
  load(numbered(50), 3);
  EXPECT_FALSE(cmd.addNewSiki());
  auto box = onlyBox();
  EXPECT_EQ(box.caption, "ご確認");
  EXPECT_EQ(box.text, "ﾉｰﾄに書ける式は50問までです。\n\nこれ以上は追加できません。");
  EXPECT_EQ(doc.SikiSuu, 50);
  EXPECT_EQ(doc.SelNo, 3);
  EXPECT_EQ(doc.HenkouFlag, 0);
  EXPECT_EQ(view.sikiEditorOpens, 0);
}

TEST_F(NoteCommandsTest, EditSelectedHandsTheProblemToTheEditor) {
  load({"1=", "3b2+1="}, 2);
  EXPECT_TRUE(cmd.editSelected());
  EXPECT_TRUE(sink.empty());
  EXPECT_EQ(doc.EditBuffer, "3b2+1=");
  EXPECT_EQ(view.sikiEditorOpens, 1);
  EXPECT_EQ(doc.HenkouFlag, 0);  // the editor marks the change when it writes back
  EXPECT_EQ(doc.UndoSel, 2);
}

TEST_F(NoteCommandsTest, EditWithoutSelectionOffersANewProblem) {
  load({"1="});
  sink.scriptAnswer(BoxAnswer::Cancel);
  EXPECT_FALSE(cmd.editSelected());
  auto box = onlyBox();
  EXPECT_EQ(box.caption, "ご確認");
  EXPECT_EQ(box.text, "式が選択されていません。\n\n新しく追加しますか。");
  EXPECT_EQ(box.buttons, BoxButtons::OkCancel);
  EXPECT_EQ(doc.problems(), Problems{"1="});
  EXPECT_EQ(view.sikiEditorOpens, 0);

  sink.scriptAnswer(BoxAnswer::Ok);
  EXPECT_TRUE(cmd.editSelected());
  EXPECT_EQ(doc.problems(), (Problems{"1=", ""}));
  EXPECT_EQ(doc.SelNo, 2);
  EXPECT_EQ(doc.HenkouFlag, 1);
  EXPECT_EQ(view.sikiEditorOpens, 1);
  // The snapshot comes after the new problem: undo keeps it.
  cmd.NoteUndo();
  EXPECT_EQ(doc.problems(), (Problems{"1=", ""}));
}

TEST_F(NoteCommandsTest, EditWithoutSelectionOnAFullNotebook) {
  load(numbered(50));
  sink.scriptAnswer(BoxAnswer::Ok);
  EXPECT_FALSE(cmd.editSelected());
  auto boxes = sink.boxes();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[1].text, "ﾉｰﾄに書ける式は50問までです。\n\nこれ以上は追加できません。");
  EXPECT_EQ(doc.SikiSuu, 50);
  EXPECT_EQ(view.sikiEditorOpens, 0);
}

// ---- delete and copy ----

TEST_F(NoteCommandsTest, DeleteSelectedAsksThenRemoves) {
  load({"1=", "2=", "3="}, 2);
  sink.scriptAnswer(BoxAnswer::Cancel);
  EXPECT_FALSE(cmd.deleteSelected());
  auto box = onlyBox();
  EXPECT_EQ(box.caption, "ご確認");
  EXPECT_EQ(box.text, "選択した式を削除します。\n\nいいですか？");
  EXPECT_EQ(box.buttons, BoxButtons::OkCancel);
  EXPECT_EQ(doc.SikiSuu, 3);
  EXPECT_EQ(doc.HenkouFlag, 0);

  sink.scriptAnswer(BoxAnswer::Ok);
  EXPECT_TRUE(cmd.deleteSelected());
  EXPECT_EQ(doc.problems(), (Problems{"1=", "3="}));
  EXPECT_EQ(doc.SelNo, 0);
  EXPECT_EQ(doc.HenkouFlag, 1);
  // Undo after a delete brings the problem back and clears the flag.
  cmd.NoteUndo();
  EXPECT_EQ(doc.problems(), (Problems{"1=", "2=", "3="}));
  EXPECT_EQ(doc.SelNo, 2);
  EXPECT_EQ(doc.HenkouFlag, 0);
}

TEST_F(NoteCommandsTest, DeleteWithoutSelection) {
  load({"1="});
  EXPECT_FALSE(cmd.deleteSelected());
  auto box = onlyBox();
  EXPECT_EQ(box.text, "削除したい式を選択してください。");
  EXPECT_EQ(box.buttons, BoxButtons::Ok);
  EXPECT_EQ(doc.SikiSuu, 1);
}

TEST_F(NoteCommandsTest, DeleteTheLastProblemLeavesAnEmptyNotebook) {
  load({"1="}, 1);
  sink.scriptAnswer(BoxAnswer::Ok);
  EXPECT_TRUE(cmd.deleteSelected());
  EXPECT_EQ(doc.SikiSuu, 0);
  EXPECT_EQ(doc.HenkouFlag, 1);
}

TEST_F(NoteCommandsTest, CopyAppendsTheSelectedProblemUpTo50) {
  Problems p = numbered(49);
  load(p, 5);
  EXPECT_TRUE(cmd.copySelected());
  EXPECT_TRUE(sink.empty());
  EXPECT_EQ(doc.SikiSuu, 50);
  EXPECT_EQ(doc.Siki(50), "5=");
  EXPECT_EQ(doc.SelNo, 5);
  EXPECT_EQ(doc.HenkouFlag, 1);
  // A full notebook refuses the copy and says why.
  EXPECT_FALSE(cmd.copySelected());
  auto box = onlyBox();
  EXPECT_EQ(box.caption, "ご確認");
  EXPECT_EQ(box.text, "ﾉｰﾄに書ける式は50問までです。\n\nこれ以上は追加できません。");
  EXPECT_EQ(doc.SikiSuu, 50);
}

TEST_F(NoteCommandsTest, CopyWithoutSelection) {
  load({"1="});
  EXPECT_FALSE(cmd.copySelected());
  EXPECT_EQ(onlyBox().text, "複写したい式を選択してください。");
  EXPECT_EQ(doc.SikiSuu, 1);
  EXPECT_EQ(doc.HenkouFlag, 0);
}

// ---- answers ----

TEST_F(NoteCommandsTest, RemoveAnswerOfSelected) {
  load({"3b2+1=1k3b2&1k3b2", "2x+3=7&x＝2", "3b2+1", "2x+3<7&x＜2"}, 1);
  sink.scriptAnswer(BoxAnswer::Cancel);
  EXPECT_FALSE(cmd.cutSelectedAnswer());
  auto box = onlyBox();
  EXPECT_EQ(box.caption, "ご確認");
  EXPECT_EQ(box.text, "選択した式の答えを削除します。\n\nいいですか？");
  EXPECT_EQ(box.buttons, BoxButtons::OkCancel);
  EXPECT_EQ(doc.Siki(1), "3b2+1=1k3b2&1k3b2");
  EXPECT_EQ(doc.HenkouFlag, 0);

  for (int n : {1, 2, 4}) {
    doc.SelNo = n;
    sink.scriptAnswer(BoxAnswer::Ok);
    EXPECT_TRUE(cmd.cutSelectedAnswer()) << n;
  }
  EXPECT_EQ(doc.problems(), (Problems{"3b2+1=", "2x+3=7", "3b2+1", "2x+3<7"}));
  EXPECT_EQ(doc.HenkouFlag, 1);
  // Undo brings back the last one removed.
  cmd.NoteUndo();
  EXPECT_EQ(doc.Siki(4), "2x+3<7&x＜2");
  EXPECT_EQ(doc.Siki(2), "2x+3=7");
}

TEST_F(NoteCommandsTest, RemoveAnswerWithNothingToRemoveAsksNothing) {
  load({"3b2+1", "9="}, 2);
  doc.NoteSnapshot();
  doc.SelNo = 1;
  EXPECT_FALSE(cmd.cutSelectedAnswer());
  EXPECT_TRUE(sink.empty());
  EXPECT_EQ(doc.Siki(1), "3b2+1");
  EXPECT_EQ(doc.HenkouFlag, 0);
  EXPECT_EQ(doc.UndoSel, 1);  // the snapshot is taken before the test
}

TEST_F(NoteCommandsTest, RemoveAnswerWithoutSelection) {
  load({"1=1&1"});
  EXPECT_FALSE(cmd.cutSelectedAnswer());
  auto box = onlyBox();
  EXPECT_EQ(box.text, "答を削除したい式を選択してください。");
  EXPECT_EQ(box.buttons, BoxButtons::Ok);
}

TEST_F(NoteCommandsTest, RemoveAllAnswers) {
  const Problems answered = {"3b2+1=1k3b2&1k3b2", "", "2x+3=7&x＝2", "5b3*2", "2x+3<7&x＜2",
                             "4:6=2:3&2:3"};
  load(answered, 3);
  sink.scriptAnswer(BoxAnswer::Cancel);
  EXPECT_FALSE(cmd.cutAllAnswers());
  auto box = onlyBox();
  EXPECT_EQ(box.caption, "ご確認");
  EXPECT_EQ(box.text, "答えをすべて削除します。\n\nいいですか？");
  EXPECT_EQ(box.buttons, BoxButtons::OkCancel);
  EXPECT_EQ(doc.problems(), answered);
  EXPECT_EQ(doc.UndoSuu, 0);  // no snapshot on Cancel

  sink.scriptAnswer(BoxAnswer::Ok);
  EXPECT_TRUE(cmd.cutAllAnswers());
  EXPECT_EQ(doc.problems(), (Problems{"3b2+1=", "", "2x+3=7", "5b3*2", "2x+3<7", "4:6="}));
  EXPECT_EQ(doc.SelNo, 3);
  EXPECT_EQ(doc.HenkouFlag, 1);
}

TEST_F(NoteCommandsTest, RemoveAllAnswersOfAnEmptyNotebook) {
  sink.scriptAnswer(BoxAnswer::Ok);
  EXPECT_TRUE(cmd.cutAllAnswers());
  EXPECT_EQ(doc.SikiSuu, 0);
}

// ---- clear ----

TEST_F(NoteCommandsTest, ClearWithoutChangesAsksNothing) {
  load({"1=", "2="}, 1);
  doc.HyoudaiStr = "表題";
  doc.markSaved();
  doc.NoteFileName = "/keep/this.siki";
  EXPECT_TRUE(cmd.clearNotebook());
  EXPECT_TRUE(sink.empty());
  EXPECT_EQ(doc.SikiSuu, 0);
  EXPECT_EQ(doc.SelNo, 0);
  EXPECT_EQ(doc.HyoudaiStr, "");
  EXPECT_EQ(doc.NoteFileName, "/keep/this.siki");
  EXPECT_EQ(doc.HenkouFlag, 0);
  EXPECT_EQ(view.clearedPaints, 1);
  // The list comes back by undo; the title does not, so the notebook differs from its file.
  cmd.NoteUndo();
  EXPECT_EQ(doc.problems(), (Problems{"1=", "2="}));
  EXPECT_EQ(doc.HenkouFlag, 1);
}

TEST_F(NoteCommandsTest, ClearWithChangesCancelAndNo) {
  load({"1="});
  doc.HenkouFlag = 1;
  sink.scriptAnswer(BoxAnswer::Cancel);
  EXPECT_FALSE(cmd.clearNotebook());
  auto box = onlyBox();
  EXPECT_EQ(box.caption, "ご確認");
  EXPECT_EQ(box.text, "テキストは編集されています。\n\nﾉｰﾄをｸﾘｱｰする前に変更を保存しますか？");
  EXPECT_EQ(box.buttons, BoxButtons::YesNoCancel);
  EXPECT_EQ(doc.SikiSuu, 1);
  EXPECT_EQ(doc.HenkouFlag, 1);

  sink.scriptAnswer(BoxAnswer::No);
  EXPECT_TRUE(cmd.clearNotebook());
  EXPECT_EQ(doc.SikiSuu, 0);
  EXPECT_EQ(doc.HenkouFlag, 0);
  EXPECT_TRUE(chooser.saveStarts.empty());
}

// ---- 問題を作る ----

TEST_F(NoteCommandsTest, AGeneratedSheetReplacesUnsavedProblemsOnlyWhenAllowed) {
  const Problems sheet = {"3b2+6b1=", "4b3*9b8="};
  load({"1="});
  EXPECT_TRUE(cmd.fillGenerated("小5のまとめ　42-01", sheet));  // saved: nothing to ask
  EXPECT_TRUE(sink.empty());
  EXPECT_EQ(doc.problems(), sheet);
  EXPECT_EQ(doc.HyoudaiStr, "小5のまとめ　42-01");
  EXPECT_EQ(doc.HenkouFlag, 1);

  load({"1="});
  doc.replaceProblems({"1=", "2="});  // an unsaved change
  sink.scriptAnswer(BoxAnswer::Cancel);
  EXPECT_FALSE(cmd.fillGenerated("t", sheet));
  EXPECT_EQ(onlyBox().text, "ノートの式は保存されていません。\n\n問題を作る前に変更を保存しますか？");
  EXPECT_EQ(doc.problems(), (Problems{"1=", "2="}));

  sink.scriptAnswer(BoxAnswer::No);
  EXPECT_TRUE(cmd.fillGenerated("t", sheet));
  EXPECT_EQ(doc.problems(), sheet);
  cmd.NoteUndo();
  EXPECT_EQ(doc.problems(), (Problems{"1=", "2="}));
}

TEST_F(NoteCommandsTest, ClearWithChangesYesSavesFirst) {
  TempDir dir;
  load({"1+2="});
  doc.HyoudaiStr = "T";
  doc.NoteFileName = dir.file("n.siki");
  doc.HenkouFlag = 1;
  sink.scriptAnswer(BoxAnswer::Yes);
  EXPECT_TRUE(cmd.clearNotebook());
  EXPECT_EQ(note_testing::readBytes(dir.file("n.siki")), "#T\r\n1+2=\r\n");
  EXPECT_EQ(doc.SikiSuu, 0);
  EXPECT_EQ(doc.NoteFileName, dir.file("n.siki"));
}

TEST_F(NoteCommandsTest, AfterClearOrCloseTheNextSaveAsksForAName) {
  TempDir dir;
  const std::string old = dir.file("old.siki");
  note_testing::writeBytes(old, "1+2=\r\n");
  ASSERT_TRUE(cmd.files().NoteReadFile(old));
  for (bool viaClear : {true, false}) {
    if (viaClear) {
      EXPECT_TRUE(cmd.clearNotebook());
    } else {
      doc.NoteClearAll();  // what closing the window does
    }
    doc.appendSiki("5*6=");
    doc.HenkouFlag = 1;
    chooser.saveStarts.clear();
    chooser.saveAnswers = {std::nullopt};
    EXPECT_EQ(cmd.files().NoteSave(), NoteSaveResult::Cancelled);
    EXPECT_EQ(chooser.saveStarts, std::vector<std::string>{old});
    EXPECT_EQ(note_testing::readBytes(old), "1+2=\r\n");
    // Once saved under a name, Save writes there without asking.
    const std::string fresh = dir.file(viaClear ? "new1.siki" : "new2.siki");
    chooser.saveAnswers = {fresh};
    EXPECT_EQ(cmd.files().NoteSave(), NoteSaveResult::Saved);
    doc.appendSiki("1=");
    doc.HenkouFlag = 1;
    EXPECT_EQ(cmd.files().NoteSave(), NoteSaveResult::Saved);
    EXPECT_EQ(note_testing::readBytes(fresh), "5*6=\r\n1=\r\n");
    EXPECT_EQ(chooser.saveStarts.size(), 2u);
    doc.NoteFileName = old;
    doc.NoteFileNameStale = false;
  }
}

TEST_F(NoteCommandsTest, ClearStopsWhenTheOfferedSaveDoesNotHappen) {
  load({"1+2="});
  doc.HenkouFlag = 1;
  sink.scriptAnswer(BoxAnswer::Yes);  // no file yet: Save As, whose dialog is cancelled
  EXPECT_FALSE(cmd.clearNotebook());
  EXPECT_EQ(chooser.saveStarts.size(), 1u);
  EXPECT_EQ(doc.problems(), Problems{"1+2="});
  EXPECT_EQ(doc.HenkouFlag, 1);
  EXPECT_EQ(view.clearedPaints, 0);
}

// ---- every change can be undone, once ----

TEST_F(NoteCommandsTest, UndoAfterEachKindOfChange) {
  const Problems start = {"3b2+1=1k3b2&1k3b2", "2x+3=7&x＝2", "5b3*2="};
  const std::vector<std::pair<const char*, std::function<bool()>>> changes = {
      {"add", [&] { return cmd.addNewSiki(); }},
      {"delete", [&] { sink.scriptAnswer(BoxAnswer::Ok); return cmd.deleteSelected(); }},
      {"copy", [&] { return cmd.copySelected(); }},
      {"cut answer", [&] { sink.scriptAnswer(BoxAnswer::Ok); return cmd.cutSelectedAnswer(); }},
      {"cut all", [&] { sink.scriptAnswer(BoxAnswer::Ok); return cmd.cutAllAnswers(); }},
      {"clear", [&] { return cmd.clearNotebook(); }},
      {"editor", [&] { cmd.editSelected(); return doc.setSelectedSiki("1="); }},
  };
  for (const auto& [name, change] : changes) {
    load(start, 2);
    ASSERT_TRUE(change()) << name;
    ASSERT_NE(doc.problems(), start) << name;
    cmd.NoteUndo();
    EXPECT_EQ(doc.problems(), start) << name;
    EXPECT_EQ(doc.SelNo, 2) << name;
    EXPECT_EQ(doc.HenkouFlag, 0) << name;
    cmd.NoteUndo();  // a second undo has nothing older to go back to
    EXPECT_EQ(doc.problems(), start) << name;
  }
}

TEST_F(NoteCommandsTest, SelectingRedrawsAndChangesNothingElse) {
  load({"1=", "2="});
  cmd.selectNext();
  cmd.selectNext();
  cmd.selectPrevious();
  EXPECT_EQ(doc.SelNo, 1);
  EXPECT_EQ(view.redraws, 3);
  EXPECT_EQ(doc.HenkouFlag, 0);
}

// ---- opening the notebook window ----

TEST_F(NoteCommandsTest, OpenedFromTheMainWindow) {
  doc.NoteOpenMode = kNoteOpenFromMain;
  cmd.windowOpened("3b2+1=");
  EXPECT_EQ(doc.problems(), Problems{"3b2+1="});
  EXPECT_EQ(doc.HenkouFlag, 1);

  doc.NoteClearAll();
  cmd.windowOpened("");
  EXPECT_EQ(doc.SikiSuu, 0);
  EXPECT_EQ(doc.HenkouFlag, 0);
}

TEST_F(NoteCommandsTest, OpenedFromTheExpressionEditorAppends) {
  load({"1="}, 1);
  doc.NoteOpenMode = kNoteOpenFromEditor;
  cmd.windowOpened("2=");
  EXPECT_EQ(doc.problems(), (Problems{"1=", "2="}));
  EXPECT_EQ(doc.SelNo, 1);
  EXPECT_EQ(doc.HenkouFlag, 1);
  cmd.windowOpened("");
  EXPECT_EQ(doc.SikiSuu, 2);

  load(numbered(50));
  cmd.windowOpened("51=");
  EXPECT_EQ(doc.SikiSuu, 50);
  EXPECT_EQ(onlyBox().text, "ﾉｰﾄに書ける式は50問までです。\n\nこれ以上は追加できません。");
}

TEST_F(NoteCommandsTest, OpenedWhenTheWholeNotebookEditorClosed) {
  for (int mode : {kNoteOpenEditorLeft, kNoteOpenEditorTook}) {
    load({"1="});
    doc.NoteOpenMode = mode;
    cmd.windowOpened("9=");
    EXPECT_EQ(doc.problems(), Problems{"1="});
    EXPECT_EQ(doc.HenkouFlag, 1);
  }
}

}  // namespace
}  // namespace ravlo
