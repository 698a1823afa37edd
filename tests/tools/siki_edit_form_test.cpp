// The expression editor over a real main window: where it opens from, its keys and buttons,
// the notebook as its owner, closing.
#include <gtest/gtest.h>

#include <QAction>
#include <QPointer>

#include "notebook/model/note_doc.h"
#include "tools/const_box.h"
#include "tools/const_set_form.h"
#include "tool_windows_support.h"

namespace ravlo::test {
namespace {

SikiEditForm* openEditor(Window& w) {
  w.form().toolWindows().SikiEditOpen();
  SikiEditForm* e = w.form().toolWindows().editor();
  EXPECT_NE(e, nullptr);
  return e;
}

TEST(SikiEditForm, OpensModallyOnTheScreensLineFromTheButtonTheKeyAndTheMenu) {
  Window w;
  w.type("3b2+1");
  const std::vector<std::pair<const char*, std::function<void()>>> openers{
      {"編E", [&] { w.click("SikiEditButton"); }},
      {"Alt+E", [&] { w.key(Qt::Key_E, Qt::AltModifier); }},
      {"menu", [&] { w.form().action("SikiEdit")->trigger(); }},
  };
  for (const auto& [what, open] : openers) {
    w.form().inputForm()->show();
    open();
    SikiEditForm* e = w.form().toolWindows().editor();
    ASSERT_NE(e, nullptr) << what;
    EXPECT_EQ(e->windowModality(), Qt::WindowModal) << what;
    EXPECT_EQ(text(e->field()), "3b2+1") << what;
    EXPECT_FALSE(w.form().inputForm()->isVisible()) << what;
    // One editor at a time.
    w.form().toolWindows().SikiEditOpen();
    EXPECT_EQ(w.form().findChildren<SikiEditForm*>().size(), 1u) << what;
    e->close();
    settle();
    EXPECT_EQ(w.form().toolWindows().editor(), nullptr) << what;
  }
}

TEST(SikiEditForm, LooksLikeItsForm) {
  Window w;
  SikiEditForm* e = openEditor(w);
  EXPECT_EQ(e->windowTitle().toStdString(),
            "◆式エディタ◆　【式文字列の編集（キーボードからのみ入力可）】");
  // Placed by the main window as it was at the start (its settings).
  EXPECT_EQ(e->pos(), QPoint(180 + 500 - 510, 80 + 450 - 150));
  EXPECT_EQ(e->field()->maxLength(), 256);
  EXPECT_EQ(e->errorLine()->text().toStdString(), "◇ｴﾗｰ ⇒");
  for (auto [name, caption] :
       {std::pair{"DisplayButton", "式表示 Ret"}, std::pair{"CalcButton", "計算 Ctrl+Ret"},
        std::pair{"NoteButton", "ﾉｰﾄ &N"}, std::pair{"CloseButton", "閉 &C"},
        std::pair{"KeyTenyouButton", "ｷｰ転用 &K"}, std::pair{"MemoButton", "式ﾒﾓ &M"},
        std::pair{"BoxButton", "代入箱 &S"}, std::pair{"JoukenButton", "条件 &J"},
        std::pair{"TeisuuButton", "定数 &T"}, std::pair{"TaihiButton", "退 &H"},
        std::pair{"SounyuuButton", "挿 &I"}, std::pair{"LookButton", "&Look"}}) {
    EXPECT_EQ(button(e, name)->text().toStdString(), caption);
  }
  expectJapaneseNames(*e);
  expectTidyLayout(*e);
}

TEST(SikiEditForm, ComputesAndDisplaysOnTheScreen) {
  Window w;
  SikiEditForm* e = openEditor(w);
  e->field()->clear();
  QTest::keyClicks(e->field(), "3b2+1");
  QTest::keyClick(e->field(), Qt::Key_Return, Qt::ControlModifier);
  EXPECT_EQ(w.state().InpSiki, "3b2+1=1k3b2&1k3b2");
  EXPECT_EQ(w.form().screen()->accessibleDescription().toStdString(), "3b2+1=1k3b2&1k3b2");
  EXPECT_FALSE(e->field()->isModified());

  e->field()->setText("1+2 # memo");
  QTest::keyClick(e->field(), Qt::Key_Return);
  EXPECT_EQ(w.state().InpSiki, "1+2");
}

TEST(SikiEditForm, ARefusedCharacterIsSelectedInTheField) {
  Window w;
  SikiEditForm* e = openEditor(w);
  e->field()->setText(" 2*pai+あ");
  button(e, "DisplayButton")->click();
  EXPECT_EQ(e->errorLine()->text().left(10), QStringLiteral("◇ｴﾗｰ::(8字目"));
  EXPECT_EQ(e->field()->selectionStart(), 7);
  EXPECT_EQ(e->field()->selectedText(), QStringLiteral("あ"));
}

TEST(SikiEditForm, TheYenAndRoKeysAndTheKeyDiversionType) {
  Window w;
  SikiEditForm* e = openEditor(w);
  e->field()->clear();
  QTest::keyClick(e->field(), Qt::Key_2);
  QTest::keyClick(e->field(), Qt::Key_yen);
  QTest::keyClick(e->field(), Qt::Key_Underscore, Qt::ShiftModifier);
  EXPECT_EQ(text(e->field()), "23.14=");
  EXPECT_TRUE(e->field()->isModified());

  EXPECT_EQ(e->keyDiversionLabel()->text(), QStringLiteral("OFF"));
  EXPECT_EQ(e->keyDiversionLabel()->palette().color(QPalette::WindowText), QColor(0, 0, 255));
  button(e, "KeyTenyouButton")->click();
  EXPECT_EQ(w.settings().KEYTENYOU, 1);
  EXPECT_EQ(e->keyDiversionLabel()->text(), QStringLiteral("ON"));
  EXPECT_EQ(e->keyDiversionLabel()->palette().color(QPalette::WindowText), QColor(255, 0, 0));
  e->field()->clear();
  for (Qt::Key k : {Qt::Key_1, Qt::Key_PageUp, Qt::Key_3, Qt::Key_PageDown, Qt::Key_2, Qt::Key_Home}) {
    QTest::keyClick(e->field(), k);
  }
  EXPECT_EQ(text(e->field()), "1k3b2(");
}

TEST(SikiEditForm, AnUnshownEditAsksBeforeClosing) {
  Window w;
  QPointer<SikiEditForm> e = openEditor(w);
  QTest::keyClicks(e->field(), "+1");
  w.rec().scriptAnswer(BoxAnswer::Cancel);
  QTest::keyClick(e->field(), Qt::Key_C, Qt::AltModifier);
  ASSERT_EQ(w.rec().boxes().size(), 1u);
  EXPECT_EQ(w.rec().boxes()[0].text, "編集内容を画面に反映していません。\n\nこのまま終了していいですか？");
  ASSERT_TRUE(e && e->isVisible());
  button(e.data(), "CloseButton")->click();
  settle();
  EXPECT_TRUE(e.isNull());
}

TEST(SikiEditForm, ItsButtonsReachTheOtherWindows) {
  Window w;
  SikiEditForm* e = openEditor(w);
  button(e, "NoteButton")->click();
  EXPECT_EQ(w.status(), notAvailableText("ノート"));
  EXPECT_EQ(whileModal([&] { button(e, "JoukenButton")->click(); }), "JoukenForm");
  button(e, "MemoButton")->click();
  button(e, "BoxButton")->click();
  EXPECT_NE(w.form().toolWindows().memo(), nullptr);
  EXPECT_NE(w.form().toolWindows().box(), nullptr);
  EXPECT_TRUE(e->isVisible());
}

TEST(SikiEditForm, OwnsTheConstantsBoxItOpensUntilItCloses) {
  Window w;
  w.type("2*");
  SikiEditForm* e = openEditor(w);
  e->field()->setText("1+");
  QTest::keyClick(e->field(), Qt::Key_F7);
  EXPECT_EQ(w.form().toolWindows().constantsBox(), nullptr);
  button(e, "TeisuuButton")->click();
  ConstBox& box = w.form().constantsBox();
  EXPECT_EQ(box.model().owner, TeisuuOwner::Editor);
  // Beside a modal editor, the box must be a window of its own to take input.
  EXPECT_EQ(box.form()->parentWidget(), nullptr);
  box.form()->inputEdit()->setText("2.5");
  box.paste();
  EXPECT_EQ(text(e->field()), "1+2.5");
  EXPECT_EQ(w.state().InpSiki, "2*");
  e->closeNow();
  EXPECT_EQ(box.model().owner, TeisuuOwner::InputPanel);
}

TEST(SikiEditForm, TheSavedTextLastsForTheRunOnly) {
  auto w = std::make_unique<Window>();
  SikiEditForm* e = openEditor(*w);
  e->field()->setText("3b2");
  button(e, "TaihiButton")->click();
  e->close();
  settle();
  e = openEditor(*w);
  e->field()->setText("1+");
  e->field()->setCursorPosition(2);
  button(e, "SounyuuButton")->click();
  EXPECT_EQ(text(e->field()), "1+3b2");
  e->closeNow();
  ASSERT_TRUE(w->closeWindow());

  Window next;
  w->rec().clear();
  e = openEditor(next);
  button(e, "SounyuuButton")->click();
  ASSERT_EQ(next.rec().boxes().size(), 1u);
  EXPECT_EQ(next.rec().boxes()[0].text, "退避してある式はありません。");
}

// ---- the notebook ----

struct NoteHooks {
  explicit NoteHooks(Window& w) {
    tools = std::make_unique<ToolWindows>(w.state(), w.form().toolHooks(), &w.form());
    tools->notebookOpen = [this] { return open; };
    tools->openNotebook = [this](int mode) { modes.push_back(mode); };
  }
  bool open = false;
  std::vector<int> modes;
  std::unique_ptr<ToolWindows> tools;
};

TEST(SikiEditForm, TheNotebookButtonOpensTheNotebookWithTheEditedText) {
  Window w;
  NoteHooks n(w);
  n.tools->SikiEditOpen();
  SikiEditForm* e = n.tools->editor();
  e->field()->setText("5b3*2");
  button(e, "NoteButton")->click();
  EXPECT_EQ(n.modes, std::vector<int>{kNoteOpenFromEditor});
  EXPECT_EQ(w.state().InpSiki, "5b3*2");
  EXPECT_TRUE(e->isVisible());
  n.open = true;
  button(e, "NoteButton")->click();
  ASSERT_EQ(w.rec().boxes().size(), 1u);
  EXPECT_EQ(w.rec().boxes()[0].text, "ノート画面はすでに開いています。");
}

TEST(SikiEditForm, OpenedFromTheNotebookItWritesTheSelectedProblem) {
  Window w;
  NoteHooks n(w);
  NoteDoc doc;
  doc.appendSiki("1+1=");
  doc.appendSiki("3b2+1=");
  doc.SelNo = 2;
  doc.EditBuffer = doc.Siki(2);
  int redraws = 0;
  n.tools->openEditorForNotebook(NoteTarget{&doc, [&] { ++redraws; }}, &w.form());
  QPointer<SikiEditForm> e = n.tools->editor();
  ASSERT_TRUE(e);
  EXPECT_TRUE(e->forNotebook());
  EXPECT_EQ(text(e->field()), "3b2+1=");
  e->field()->setText("3b2+1");
  button(e.data(), "CalcButton")->click();
  EXPECT_EQ(doc.Siki(2), "3b2+1=1k3b2&1k3b2");
  EXPECT_EQ(redraws, 1);
  EXPECT_EQ(w.state().InpSiki, "");
  // Back to the notebook that is open.
  n.open = true;
  button(e.data(), "NoteButton")->click();
  settle();
  EXPECT_TRUE(e.isNull());
  EXPECT_TRUE(w.rec().boxes().empty());
}

}  // namespace
}  // namespace ravlo::test
