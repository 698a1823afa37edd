// The expression editor over the notebook window: 選択式を編集 and 新式を追加 open it on the
// selected problem, and what it computes goes back into that problem; its ﾉｰﾄ button opens
// the notebook with its text.
#include <gtest/gtest.h>

#include <QAction>
#include <QPointer>

#include "notebook/note_form.h"
#include "notebook_fixture.h"
#include "tools/siki_edit_form.h"
#include "tools/tool_windows.h"

namespace ravlo::test {
namespace {

TEST(NoteSikiEditor, EditingTheSelectedProblemWritesTheComputedLineBack) {
  Notebook n;
  NoteForm& f = n.openWith({"1+1=", "3b2+1="});
  n.doc().SelNo = 2;
  f.action(NoteCommand::EditSelected)->trigger();
  QPointer<SikiEditForm> e = n.w().form().toolWindows().editor();
  ASSERT_TRUE(e);
  EXPECT_TRUE(e->forNotebook());
  EXPECT_EQ(e->windowModality(), Qt::WindowModal);
  EXPECT_EQ(e->parentWidget(), &f);
  EXPECT_EQ(e->field()->text(), QStringLiteral("3b2+1="));
  e->field()->setText("3b2+1");
  QTest::keyClick(e->field(), Qt::Key_Return, Qt::ControlModifier);
  EXPECT_EQ(n.doc().Siki(2), "3b2+1=1k3b2&1k3b2");
  EXPECT_EQ(n.doc().HenkouFlag, 1);
  EXPECT_EQ(n.w().state().InpSiki, "");
  // ﾉｰﾄ with the notebook open goes back to it.
  e->findChild<QPushButton*>("NoteButton")->click();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(e.isNull());
}

TEST(NoteSikiEditor, ANewProblemIsEditedAndComputedInPlace) {
  Notebook n("[▼式の表示▼]\nKAKERU_ABR=1\n");
  NoteForm& f = n.openWith({"1+1="});
  f.action(NoteCommand::AddNew)->trigger();
  SikiEditForm* e = n.w().form().toolWindows().editor();
  ASSERT_NE(e, nullptr);
  EXPECT_EQ(e->field()->text(), QString());
  e->field()->setText("2x+3=7");
  e->findChild<QPushButton*>("CalcButton")->click();
  EXPECT_EQ(n.doc().problems(), (std::vector<std::string>{"1+1=", "2x+3=7&x＝2"}));
  e->closeNow();
}

TEST(NoteSikiEditor, TheEditorsNotebookButtonOpensTheNotebookWithItsText) {
  Notebook n;
  n.w().form().toolWindows().SikiEditOpen();
  SikiEditForm* e = n.w().form().toolWindows().editor();
  ASSERT_NE(e, nullptr);
  e->field()->setText("5b3*2");
  e->findChild<QPushButton*>("NoteButton")->click();
  ASSERT_NE(n.ctx().window(), nullptr);
  EXPECT_EQ(n.doc().problems(), std::vector<std::string>{"5b3*2"});
  EXPECT_EQ(n.doc().NoteOpenMode, kNoteOpenFromEditor);
  e->findChild<QPushButton*>("NoteButton")->click();
  ASSERT_EQ(n.rec().boxes().size(), 1u);
  EXPECT_EQ(n.rec().boxes()[0].text, "ノート画面はすでに開いています。");
  e->closeNow();
}

}  // namespace
}  // namespace ravlo::test
