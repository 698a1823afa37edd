// The notebook from the main window: its command by key, button and menu, what the page
// starts with, the locked calculation screen and the input panel while it is open, and the
// main window's close question.
#include <gtest/gtest.h>

#include <QAction>

#include "app/input_form.h"
#include "notebook_fixture.h"

namespace ravlo::test {
namespace {

using Problems = std::vector<std::string>;

struct EntryRow {
  const char* name;
  std::function<void(Window&)> command;
};

class NotebookEntry : public ::testing::TestWithParam<EntryRow> {};

TEST_P(NotebookEntry, OpensWithTheCurrentLineAsItsProblem) {
  Notebook nb;
  nb.w().type("3b2+1=");
  ASSERT_EQ(nb.w().state().InpSiki, "3b2+1=1k3b2");
  GetParam().command(nb.w());
  ASSERT_TRUE(nb.ctx().isOpen());
  EXPECT_EQ(nb.doc().problems(), Problems{"3b2+1=1k3b2"});
  EXPECT_EQ(nb.doc().HenkouFlag, 1);
  EXPECT_EQ(nb.doc().NoteOpenMode, kNoteOpenFromMain);
  EXPECT_FALSE(nb.w().form().inputForm()->isVisible());
  EXPECT_NE(nb.form().controlBox(), nullptr);
  EXPECT_EQ(nb.w().status(), "");
  // A second command brings the same window back.
  NoteForm* first = nb.ctx().window();
  first->showMinimized();
  GetParam().command(nb.w());
  EXPECT_EQ(nb.ctx().window(), first);
  EXPECT_FALSE(first->isMinimized());
}

INSTANTIATE_TEST_SUITE_P(
    Ways, NotebookEntry,
    ::testing::Values(EntryRow{"NKey", [](Window& w) { w.key(Qt::Key_N); }},
                      EntryRow{"PanelButton", [](Window& w) { w.click("NoteOpenButton"); }},
                      EntryRow{"Menu", [](Window& w) { w.form().action("PageEdit")->trigger(); }}),
    [](const ::testing::TestParamInfo<EntryRow>& row) { return std::string(row.param.name); });

TEST(NotebookEntry, AnEmptyLineOpensAnUnchangedEmptyNotebook) {
  Notebook nb;
  nb.open();
  EXPECT_EQ(nb.doc().count(), 0);
  EXPECT_EQ(nb.doc().HenkouFlag, 0);
  EXPECT_TRUE(nb.closeNotebook());
  EXPECT_TRUE(nb.rec().boxes().empty());
}

TEST(NotebookEntry, AFileGivenToTheProgramOpensInTheWindow) {
  Notebook nb;
  const std::string path = nb.dir.file("class.siki");
  note_testing::writeBytes(path, "#\x8a\x77\x8f\x4b\r\n3b2+1\r\n4:6\r\n");  // "#学習"
  nb.ctx().openFile(path);
  ASSERT_TRUE(nb.ctx().isOpen());
  EXPECT_EQ(nb.doc().problems(), (Problems{"3b2+1", "4:6"}));
  EXPECT_EQ(nb.doc().HyoudaiStr, "学習");
  EXPECT_EQ(nb.doc().NoteFileName, path);
  EXPECT_EQ(nb.doc().HenkouFlag, 0);
  EXPECT_TRUE(nb.rec().boxes().empty());
}

TEST(NotebookEntry, AMissingFileGivenToTheProgramIsToldAndLeavesThePageEmpty) {
  Notebook nb;
  nb.ctx().openFile(nb.dir.file("missing.siki"));
  ASSERT_TRUE(nb.ctx().isOpen());
  EXPECT_EQ(nb.doc().count(), 0);
  EXPECT_EQ(nb.rec().boxes().size(), 1u);
}

TEST(NotebookEntry, TheCalculationLineKeepsItsStateWhileTheNotebookIsOpen) {
  for (const char* typed : {"12+", "7="}) {
    Notebook nb;
    nb.w().settings().KAITOURAN_FLAG = false;
    nb.w().type(typed);
    const std::string line = nb.w().state().InpSiki;
    const bool open = nb.w().state().InpAccept;
    nb.open();
    nb.w().type("5");
    nb.w().key(Qt::Key_Backspace);
    nb.w().key(Qt::Key_Insert);
    EXPECT_EQ(nb.w().state().InpSiki, line) << typed;
    nb.rec().scriptAnswer(BoxAnswer::No);
    ASSERT_TRUE(nb.closeNotebook());
    // Open again exactly when it was open before, whether or not it holds "&".
    EXPECT_EQ(nb.w().state().InpAccept, open) << typed;
    nb.w().type("5");
    EXPECT_EQ(nb.w().state().InpSiki, open ? line + "5" : line) << typed;
  }
}

TEST(NotebookEntry, QuittingWithUnsavedEditsSavesOnYesAndClosesTheNotebook) {
  Notebook nb;
  nb.w().type("3b2+1=");
  nb.open();
  const std::string file = nb.dir.file("quit");
  nb.chooser.saveAnswers.push_back(file);
  nb.rec().scriptAnswer(BoxAnswer::Yes);
  EXPECT_TRUE(nb.w().closeWindow());
  ASSERT_FALSE(nb.rec().boxes().empty());
  EXPECT_EQ(nb.rec().boxes()[0].text,
            "ノート画面の式が､編集されているのに保存されていません。\n\n終了する前に保存しますか？");
  // Asked once: the notebook window went without its own question.
  EXPECT_EQ(nb.rec().boxes().size(), 1u);
  EXPECT_TRUE(std::filesystem::exists(file + ".siki"));
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(nb.ctx().isOpen());
}

TEST(NotebookEntry, QuittingStaysWhenTheSaveDoesNotGoThrough) {
  Notebook nb;
  nb.w().type("3b2+1=");
  nb.open();
  nb.chooser.saveAnswers.push_back(std::nullopt);
  nb.rec().scriptAnswer(BoxAnswer::Yes);
  EXPECT_FALSE(nb.w().closeWindow());
  EXPECT_TRUE(nb.ctx().isOpen());
  EXPECT_EQ(nb.doc().count(), 1);
}

}  // namespace
}  // namespace ravlo::test
