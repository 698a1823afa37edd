// The notebook window: menus, keys, wheel, the close question, the answer-column query,
// printing, the font dialog and what the page tells assistive technology.
#include <gtest/gtest.h>

#include <QAction>
#include <QFileInfo>
#include <QFontDialog>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QWheelEvent>
#include <deque>
#include <optional>

#include "notebook_fixture.h"

namespace ravlo::test {
namespace {

using Problems = std::vector<std::string>;

struct MenuRow {
  const char* menu;
  const char* caption;
  const char* shortcut;
  bool checkable;
};

// The menus as the learner sees them, in order.
const MenuRow kMenuRows[] = {
    {"ファイル(&F)", "ノートをクリア(&N)", "Ctrl+N", false},
    {"ファイル(&F)", "ファイルを開く&O)", "Ctrl+O", false},
    {"ファイル(&F)", "ファイルを保存(&S)", "Ctrl+S", false},
    {"ファイル(&F)", "ファイルを別名保存(&A)", "Ctrl+A", false},
    {"ファイル(&F)", "ノートを印刷(&P)", "Ctrl+P", false},
    {"ファイル(&F)", "ノートを閉じる(&C)", "Ctrl+C", false},
    {"式操作(&B)", "答(選択式)を削除(&Y) ", "Ctrl+Y", false},
    {"式操作(&B)", "選択式を削除(&D)", "Ctrl+D", false},
    {"式操作(&B)", "選択式を編集(&E)", "Ctrl+E", false},
    {"式操作(&B)", "選択式を計算(&Q)", "Ctrl+Q", false},
    {"式操作(&B)", "選択式を複写(&H)", "Ctrl+H", false},
    {"式操作(&B)", "選択式を読む(&R)", "Ctrl+R", false},
    {"式操作(&B)", "新式を追加(&W)", "Ctrl+W", false},
    {"式操作(&B)", "答(ノート全部)を削除(&U)", "Ctrl+U", false},
    {"式操作(&B)", "ノート全部を編集(&G)", "Ctrl+G", false},
    {"式操作(&B)", "ノート全部を計算(&Z)", "Ctrl+Z", false},
    {"式操作(&B)", "問題を作る(&M)", "", false},
    {"式操作(&B)", "ノート全部を読む(&K)", "Ctrl+K", false},
    {"式操作(&B)", "操作前に戻す(&B)", "Ctrl+Alt+B", false},
    {"表示(&V)", "フォント(&F)　　　Shift＋F", "", false},
    {"表示(&V)", "表題記入(&T)", "Ctrl+T", false},
    {"表示(&V)", "＝で改行(&L)", "Ctrl+L", true},
    {"表示(&V)", "コマンドﾞ箱を開く( &I )", "Ctrl+I", true},
    {"表示(&V)", "条件設定ボックス表示(&J)", "Ctrl+J", false},
    {"表示(&V)", "解答欄を付ける(&S)", "Ctrl+Alt+S", true},
    {"表示(&V)", "解答欄の開始位置設定(&C)", "Ctrl+Alt+C", false},
    {"表示(&V)", "ウインドウＡ４幅", "Ctrl+Shift+F8", false},
};

TEST(NoteWindow, MenusHaveTheirCaptionsShortcutsAndCheckMarks) {
  Notebook nb("[▼ノート画面▼]\nKAITOURAN_FLAG=0\n");
  NoteForm& f = nb.open();
  std::vector<MenuRow> seen;
  std::vector<std::string> keep;  // owns the texts the rows point at
  keep.reserve(200);
  auto own = [&](const QString& s) { return keep.emplace_back(s.toStdString()).c_str(); };
  for (QAction* top : f.menuBar()->actions()) {
    for (QAction* item : top->menu()->actions()) {
      seen.push_back({own(top->text()), own(item->text()),
                      own(item->shortcut().toString(QKeySequence::PortableText)),
                      item->isCheckable()});
    }
  }
  // Checked each time the window is made, whatever the settings say.
  EXPECT_TRUE(f.action(NoteCommand::EqualKaigyo)->isChecked());
  EXPECT_TRUE(f.action(NoteCommand::AnswerColumn)->isChecked());
  ASSERT_EQ(seen.size(), std::size(kMenuRows));
  for (std::size_t i = 0; i < seen.size(); ++i) {
    EXPECT_STREQ(seen[i].menu, kMenuRows[i].menu) << i;
    EXPECT_STREQ(seen[i].caption, kMenuRows[i].caption) << i;
    EXPECT_STREQ(seen[i].shortcut, kMenuRows[i].shortcut) << kMenuRows[i].caption;
    EXPECT_EQ(seen[i].checkable, kMenuRows[i].checkable) << kMenuRows[i].caption;
  }
}

TEST(NoteWindow, KeysReachTheirCommands) {
  Notebook nb;
  NoteForm& f = nb.openWith({"1+2=", "3b2=", "5="});
  nb.key(Qt::Key_Down, Qt::ShiftModifier);
  nb.key(Qt::Key_Down, Qt::ShiftModifier);
  EXPECT_EQ(nb.doc().SelNo, 2);
  EXPECT_EQ(f.page()->accessibleDescription(), QStringLiteral("3b2="));
  nb.key(Qt::Key_Up, Qt::ShiftModifier);
  EXPECT_EQ(nb.doc().SelNo, 1);

  nb.key(Qt::Key_Down);
  nb.key(Qt::Key_Right);
  EXPECT_EQ(f.verticalBar()->value(), 20);
  EXPECT_EQ(f.horizontalBar()->value(), 20);
  nb.key(Qt::Key_Left);
  EXPECT_EQ(f.horizontalBar()->value(), 0);

  const int spacing = nb.w().settings().KANKAKU;
  nb.key(Qt::Key_PageUp, Qt::ShiftModifier);
  EXPECT_EQ(nb.w().settings().KANKAKU, spacing + 1);
  EXPECT_EQ(nb.box().kankakuField()->value(), spacing + 1);
  const int page = nb.w().settings().PAGEA4BAIN;
  nb.key(Qt::Key_PageDown, Qt::ControlModifier);
  EXPECT_EQ(nb.w().settings().PAGEA4BAIN, page - 1);
  EXPECT_EQ(nb.box().pageHeightField()->value(), page - 1);

  // Ctrl+H copies (a key of the table and a menu shortcut), BackSpace undoes it, and so do
  // Ctrl+B (a key of the table only) and Ctrl+Alt+B (the menu's own).
  for (auto undo : {std::pair{Qt::Key_Backspace, Qt::KeyboardModifiers(Qt::NoModifier)},
                    std::pair{Qt::Key_B, Qt::KeyboardModifiers(Qt::ControlModifier)},
                    std::pair{Qt::Key_B, Qt::ControlModifier | Qt::AltModifier}}) {
    nb.key(Qt::Key_H, Qt::ControlModifier);
    ASSERT_EQ(nb.doc().count(), 4);
    nb.key(undo.first, undo.second);
    EXPECT_EQ(nb.doc().problems(), (Problems{"1+2=", "3b2=", "5="}));
  }
  EXPECT_TRUE(nb.rec().boxes().empty());
}

TEST(NoteWindow, TheWheelScrollsOrSelectsByTheButtonsHeld) {
  Notebook nb;
  NoteForm& f = nb.openWith({"1=", "2="});
  auto turn = [&](int delta, Qt::MouseButtons held) {
    const QPointF at(30, 30);
    QWheelEvent e(at, f.page()->mapToGlobal(at), QPoint(), QPoint(0, delta), held,
                  Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(f.page(), &e);
  };
  turn(-120, Qt::NoButton);
  EXPECT_EQ(f.verticalBar()->value(), 20);
  turn(-120, Qt::RightButton);
  EXPECT_EQ(f.horizontalBar()->value(), 20);
  turn(-120, Qt::LeftButton);
  EXPECT_EQ(nb.doc().SelNo, 1);
  turn(120, Qt::LeftButton);
  EXPECT_EQ(nb.doc().SelNo, 0);
}

struct CloseRow {
  const char* name;
  BoxAnswer answer;
  bool saveGoesThrough;  // the save dialog is answered with a file name
  bool closes;
};

class NoteCloseQuestion : public ::testing::TestWithParam<CloseRow> {};

TEST_P(NoteCloseQuestion, AsksAboutUnsavedChanges) {
  const CloseRow& row = GetParam();
  Notebook nb;
  NoteForm& f = nb.openWith({"1+2="});
  f.move(70, 90);
  nb.w().key(Qt::Key_X);  // the locked calculation screen takes nothing
  EXPECT_EQ(nb.w().state().InpSiki, "");
  nb.key(Qt::Key_Down, Qt::ShiftModifier);
  nb.key(Qt::Key_H, Qt::ControlModifier);
  ASSERT_EQ(nb.doc().HenkouFlag, 1);
  nb.rec().clear();
  const std::string file = nb.dir.file("kept");
  nb.chooser.saveAnswers.push_back(row.saveGoesThrough ? std::optional(file) : std::nullopt);
  nb.rec().scriptAnswer(row.answer);

  EXPECT_EQ(nb.closeNotebook(), row.closes);
  ASSERT_FALSE(nb.rec().boxes().empty());
  EXPECT_EQ(nb.rec().boxes()[0].caption, "ご確認");
  EXPECT_EQ(nb.rec().boxes()[0].text,
            "ノート画面の式は編集されています。\n\n画面を閉じる前に変更を保存しますか？");
  EXPECT_EQ(nb.rec().boxes()[0].buttons, BoxButtons::YesNoCancel);
  EXPECT_EQ(std::filesystem::exists(file + ".siki"),
            row.answer == BoxAnswer::Yes && row.saveGoesThrough);
  if (!row.closes) {
    EXPECT_EQ(nb.doc().count(), 2);
    EXPECT_TRUE(nb.w().state().InputLocked);
    return;
  }
  EXPECT_EQ(nb.doc().count(), 0);
  EXPECT_EQ(nb.doc().HenkouFlag, 0);
  EXPECT_FALSE(nb.w().state().InputLocked);
  EXPECT_TRUE(nb.w().form().inputForm()->isVisible());
  EXPECT_EQ(nb.w().settings().NOTEBKLEFT, 70);
  EXPECT_EQ(nb.w().settings().NOTEBKTOP, 90);
  nb.w().type("12");
  EXPECT_EQ(nb.w().state().InpSiki, "12");
}

INSTANTIATE_TEST_SUITE_P(
    Answers, NoteCloseQuestion,
    ::testing::Values(CloseRow{"Cancel", BoxAnswer::Cancel, true, false},
                      CloseRow{"No", BoxAnswer::No, true, true},
                      CloseRow{"YesSaves", BoxAnswer::Yes, true, true},
                      // The changes would go with the window: it stays.
                      CloseRow{"YesButSaveCancelled", BoxAnswer::Yes, false, false}),
    [](const ::testing::TestParamInfo<CloseRow>& row) { return std::string(row.param.name); });

TEST(NoteWindow, AnswerColumnQueryAsksAgainUntilAValueFits) {
  Notebook nb;
  NoteForm& f = nb.open();
  std::deque<std::optional<std::string>> typed{"5", "abc", "40"};
  std::vector<std::string> prompts;
  f.inputQuery = [&](std::string_view caption, std::string_view prompt, std::string_view value) {
    EXPECT_EQ(caption, "◆解答欄の開始位置を設定◆");
    prompts.emplace_back(prompt);
    EXPECT_EQ(value, std::to_string(nb.w().settings().KAITOURAN_ITI));
    std::optional<std::string> answer = typed.front();
    typed.pop_front();
    return answer;
  };
  f.action(NoteCommand::AnswerColumnPosition)->trigger();
  EXPECT_EQ(nb.w().settings().KAITOURAN_ITI, 40);
  ASSERT_EQ(prompts.size(), 3u);
  EXPECT_EQ(prompts[0],
            "解答欄の現在の開始位置は\n 　< 36 >\n 字め[半角] です。\n"
            "必要な数値(10～80)を入力して変更して下さい。");

  typed = {"81", std::nullopt};
  f.action(NoteCommand::AnswerColumnPosition)->trigger();
  EXPECT_EQ(nb.w().settings().KAITOURAN_ITI, 40);
  EXPECT_TRUE(typed.empty());
}

TEST(NoteWindow, AnswerColumnAndEqualBreakFollowTheirMenuChecks) {
  Notebook nb;
  NoteForm& f = nb.open();
  f.action(NoteCommand::AnswerColumn)->trigger();
  EXPECT_FALSE(f.paintInput().KAITOURAN_FLAG);
  EXPECT_FALSE(nb.w().settings().NOTE_KAITOURAN_FLAG);
  nb.key(Qt::Key_L, Qt::ControlModifier);
  EXPECT_FALSE(nb.ctx().EqKaigyoFlag);
  EXPECT_FALSE(nb.w().settings().EQUAL_KAIGYO);
  EXPECT_FALSE(nb.box().eqKaigyoCheck()->isChecked());
  EXPECT_FALSE(f.action(NoteCommand::EqualKaigyo)->isChecked());
}

TEST(NoteWindow, CaptionNamesTheFileAndThePageTellsTheSelection) {
  Notebook nb;
  const std::string file = nb.dir.file("a.siki");
  note_testing::writeBytes(file, "#題\r\n3b2+1=\r\n5b3*2=\r\n");
  NoteForm& f = nb.open();
  nb.chooser.openAnswers.push_back(file);
  nb.key(Qt::Key_O, Qt::ControlModifier);
  EXPECT_EQ(f.windowTitle().toStdString(), "ノート画面 [ " + file + "]");
  nb.key(Qt::Key_Up, Qt::ShiftModifier);
  EXPECT_EQ(f.page()->accessibleDescription(), QStringLiteral("5b3*2="));
}

TEST(NoteWindow, PrintsTheChosenKindIntoAPdf) {
  Notebook nb;
  nb.openWith({"3b2+1=", "2x+3=7"});
  nb.printKind = NotePrintKind::Worksheet;
  nb.form().worksheetStyle = {2, true};
  nb.key(Qt::Key_P, Qt::ControlModifier);
  EXPECT_EQ(nb.printDialogs, 1);
  EXPECT_GT(QFileInfo(QString::fromStdString(nb.pdf)).size(), 1000);
  ASSERT_FALSE(nb.rec().entries().empty());
  EXPECT_EQ(nb.rec().entries()[0].caption, "準備中!!");
  // Printing changes nothing in the notebook.
  EXPECT_EQ(nb.doc().problems(), (Problems{"3b2+1=", "2x+3=7"}));
}

TEST(NoteWindow, FontAppliedAndThenCancelledStays) {
  Notebook nb;
  NoteForm& f = nb.open();
  const std::string before = nb.w().settings().NOTE_FONTNAME;
  const int size = nb.w().settings().NOTE_FONTSIZE;
  // Tried but not applied: Cancel goes back.
  whileModal([&] { f.run(NoteCommand::FontDialog); }, [&](QWidget& d) {
    auto& dialog = static_cast<QFontDialog&>(d);
    QFont bigger = dialog.currentFont();
    bigger.setPointSize(size + 6);
    dialog.setCurrentFont(bigger);
    EXPECT_EQ(f.noteFont().size, size + 6);  // the page tries it at once
    dialog.reject();
  });
  EXPECT_EQ(nb.w().settings().NOTE_FONTSIZE, size);
  EXPECT_EQ(nb.w().settings().NOTE_FONTNAME, before);
  // Applied, then cancelled: it stays.
  const std::string seen = whileModal([&] { f.run(NoteCommand::FontDialog); }, [&](QWidget& d) {
    auto& dialog = static_cast<QFontDialog&>(d);
    QFont bigger = dialog.currentFont();
    bigger.setPointSize(size + 4);
    dialog.setCurrentFont(bigger);
    auto* apply = dialog.findChild<QPushButton*>("ApplyButton");
    ASSERT_NE(apply, nullptr);
    apply->click();
    dialog.reject();
  });
  EXPECT_EQ(seen, "NoteFontDialog");
  EXPECT_EQ(nb.w().settings().NOTE_FONTSIZE, size + 4);
}

}  // namespace
}  // namespace ravlo::test

namespace ravlo::test {
namespace {

TEST(NoteWindow, AFaceThatIsNotInstalledGivesWayToTheDefault) {
  Notebook nb("[▼ノート画面▼]\nFONTNAME=NoSuchFace\n");
  nb.open();
  EXPECT_EQ(nb.w().settings().NOTE_FONTNAME, "ＭＳ ゴシック");
  EXPECT_EQ(nb.w().status(), "◆フォント「NoSuchFace」が見つからないので、「ＭＳ ゴシック」で表示します。");
}

}  // namespace
}  // namespace ravlo::test
