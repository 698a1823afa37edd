// The whole-notebook editor and the title input, as dialogs over the notebook window.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>

#include "notebook/hyoudai_edit_form.h"
#include "notebook/note_edit_form.h"
#include "notebook_fixture.h"

namespace ravlo::test {
namespace {

using Problems = std::vector<std::string>;

// Runs the editor on the notebook; `inside` works with it while it is open.
std::string withEditor(Notebook& nb, const std::function<void(NoteEditForm&)>& inside) {
  return whileModal([&] { nb.key(Qt::Key_G, Qt::ControlModifier); }, [&](QWidget& d) {
    inside(static_cast<NoteEditForm&>(d));
  });
}

void setText(NoteEditForm& e, const char* text) {
  e.editor()->setPlainText(QString::fromUtf8(text));
  e.editor()->document()->setModified(true);
}

TEST(NoteEditor, TakesTheLinesOverAndClosesAfterYes) {
  Notebook nb;
  nb.openWith({"9="});
  nb.doc().NoteFileName = "/x/a.siki";
  const std::string seen = withEditor(nb, [&](NoteEditForm& e) {
    EXPECT_EQ(e.windowTitle(), QStringLiteral("ﾉｰﾄﾌﾞｯｸの式編集[ﾌｧｲﾙ名::/x/a.siki]"));
    EXPECT_EQ(e.editor()->toPlainText(), QStringLiteral("9="));
    EXPECT_FALSE(e.editor()->document()->isModified());
    setText(e, "1+2=\n\n3b2=\n2*pai=");
    nb.rec().scriptAnswer(BoxAnswer::Yes);
    e.action("TakeExit")->trigger();
    EXPECT_FALSE(e.isVisible());
  });
  EXPECT_EQ(seen, "NoteEditForm");
  EXPECT_EQ(nb.doc().problems(), (Problems{"1+2=", "3b2=", "2*3.14="}));
  EXPECT_EQ(nb.doc().HenkouFlag, 1);
  EXPECT_FALSE(nb.ctx().editSession.NoteEditOpenFlag);
}

TEST(NoteEditor, CheckSelectsTheBadCharacterAndLookShowsTheCaretLine) {
  Notebook nb;
  nb.openWith({"1="});
  withEditor(nb, [&](NoteEditForm& e) {
    setText(e, "1+2=\n ３+*2\n4=");
    e.action("CheckLines")->trigger();
    ASSERT_EQ(nb.rec().boxes().size(), 1u);
    EXPECT_EQ(nb.rec().boxes()[0].caption, "ｴﾗｰの報告");
    EXPECT_EQ(e.editor()->textCursor().blockNumber(), 1);
    EXPECT_FALSE(e.editor()->textCursor().selectedText().isEmpty());
    nb.rec().clear();

    QTextCursor c(e.editor()->document()->findBlockByNumber(2));
    e.editor()->setTextCursor(c);
    e.action("LookLine")->trigger();
    ASSERT_EQ(nb.rec().entries().size(), 1u);
    EXPECT_EQ(nb.rec().entries()[0].text, "@4=");
    EXPECT_EQ(nb.rec().entries()[0].caption, "式の分数形表示");
    nb.rec().clear();

    // "表示確認" with the error changes nothing in the notebook.
    e.action("PreviewLines")->trigger();
    EXPECT_EQ(nb.doc().problems(), Problems{"1="});
    nb.rec().scriptAnswer(BoxAnswer::Yes);
  });
  // Leaving with changes asked first; the notebook still counts as changed.
  ASSERT_FALSE(nb.rec().boxes().empty());
  EXPECT_EQ(nb.rec().boxes().back().caption, "破棄終了のご確認");
  EXPECT_EQ(nb.doc().problems(), Problems{"1="});
  EXPECT_EQ(nb.doc().HenkouFlag, 1);
  EXPECT_EQ(nb.doc().NoteOpenMode, kNoteOpenEditorLeft);
}

TEST(NoteEditor, DiscardAnsweredNoKeepsItOpen) {
  Notebook nb;
  nb.openWith({"1="});
  withEditor(nb, [&](NoteEditForm& e) {
    setText(e, "2=");
    nb.rec().scriptAnswer(BoxAnswer::No);
    e.action("DiscardExit")->trigger();
    EXPECT_TRUE(e.isVisible());
    nb.rec().scriptAnswer(BoxAnswer::Yes);
  });
  EXPECT_EQ(nb.rec().boxes().size(), 2u);
}

struct EditKeyRow {
  const char* name;
  Qt::Key key;
  Qt::KeyboardModifiers mods;
  int keyTenyou;
  const char* typed;
};

class NoteEditorKeys : public ::testing::TestWithParam<EditKeyRow> {};

TEST_P(NoteEditorKeys, InsertTheirTextAtTheCaret) {
  const EditKeyRow& row = GetParam();
  Notebook nb;
  nb.openWith({});
  nb.w().settings().KEYTENYOU = row.keyTenyou;
  withEditor(nb, [&](NoteEditForm& e) {
    e.editor()->setPlainText(QStringLiteral("2*"));
    e.editor()->moveCursor(QTextCursor::End);
    QTest::keyClick(e.editor(), row.key, row.mods);
    EXPECT_EQ(e.editor()->toPlainText().toStdString(), std::string("2*") + row.typed);
    EXPECT_EQ(e.editor()->textCursor().position(), e.editor()->toPlainText().size());
  });
}

INSTANTIATE_TEST_SUITE_P(
    Table, NoteEditorKeys,
    ::testing::Values(EditKeyRow{"Yen", Qt::Key_yen, Qt::NoModifier, 0, "3.14"},
                      EditKeyRow{"Backslash", Qt::Key_Backslash, Qt::NoModifier, 0, "3.14"},
                      EditKeyRow{"RoKeyShifted", Qt::Key_Underscore, Qt::ShiftModifier, 0, "="},
                      EditKeyRow{"PageUpDiverted", Qt::Key_PageUp, Qt::NoModifier, 1, "k"},
                      EditKeyRow{"PageDownDiverted", Qt::Key_PageDown, Qt::NoModifier, 1, "b"},
                      EditKeyRow{"HomeDiverted", Qt::Key_Home, Qt::NoModifier, 1, "("},
                      EditKeyRow{"EndDiverted", Qt::Key_End, Qt::NoModifier, 1, ")"},
                      EditKeyRow{"LetterTypesItself", Qt::Key_A, Qt::NoModifier, 0, "a"}),
    [](const ::testing::TestParamInfo<EditKeyRow>& row) { return std::string(row.param.name); });

TEST(NoteEditor, OpensByItselfAfterAFileWithRefusedLines) {
  Notebook nb;
  const std::string file = nb.dir.file("bad.siki");
  note_testing::writeBytes(file, "3b2+1=\r\n1+*2\r\n");
  nb.open();
  nb.chooser.openAnswers.push_back(file);
  const std::string seen = whileModal([&] { nb.key(Qt::Key_O, Qt::ControlModifier); });
  EXPECT_EQ(seen, "NoteEditForm");
  ASSERT_FALSE(nb.rec().boxes().empty());
  EXPECT_EQ(nb.rec().boxes()[0].caption, "ご注意!!");
}

// Runs the title input; `inside` works with it while it is open.
std::string withTitle(Notebook& nb, const std::function<void(HyoudaiEditForm&)>& inside) {
  return whileModal([&] { nb.key(Qt::Key_T, Qt::ControlModifier); }, [&](QWidget& d) {
    inside(static_cast<HyoudaiEditForm&>(d));
  });
}

TEST(TitleInput, CloseWithoutAnEditLeavesTheChangeFlag) {
  Notebook nb;
  nb.openWith({"1="});
  nb.doc().HyoudaiStr = "分数";
  const std::string seen = withTitle(nb, [&](HyoudaiEditForm& t) {
    EXPECT_EQ(t.windowTitle(), QStringLiteral("◆ノートの表題を記入する"));
    EXPECT_EQ(t.titleField()->text(), QStringLiteral("分数"));
    EXPECT_EQ(t.fontButton()->toolTip(), QStringLiteral("表題の書体(フォント)を設定する"));
    EXPECT_EQ(t.applyButton()->toolTip(), QStringLiteral("上記表題をノート画面に表示する"));
    EXPECT_EQ(t.closeButton()->toolTip(), QStringLiteral("このﾎﾞｯｸｽを閉じる"));
    QTest::mouseClick(t.closeButton(), Qt::LeftButton);
  });
  EXPECT_EQ(seen, "HyoudaiEditForm");
  EXPECT_EQ(nb.doc().HenkouFlag, 0);
  EXPECT_FALSE(nb.ctx().hyoudai.HyoudaiOpenFlag);
}

TEST(TitleInput, ApplyShowsAnEditedTitleAndMarksTheNotebookChanged) {
  Notebook nb;
  NoteForm& f = nb.openWith({"1="});
  withTitle(nb, [&](HyoudaiEditForm& t) {
    t.titleField()->setFocus();
    QTest::keyClicks(t.titleField(), "3nen");
    QTest::mouseClick(t.applyButton(), Qt::LeftButton);
    EXPECT_EQ(nb.doc().HyoudaiStr, "3nen");
    t.fileNameCheck()->click();
    EXPECT_TRUE(nb.ctx().hyoudai.look.FileNameDspFlag);
    t.reject();
  });
  EXPECT_EQ(nb.doc().HenkouFlag, 1);
  EXPECT_TRUE(f.paintInput().FileNameDspFlag);
  // The focus goes to the control box's line-spacing field.
  EXPECT_TRUE(nb.box().kankakuField()->hasFocus());
}

}  // namespace
}  // namespace ravlo::test
