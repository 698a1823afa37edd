// The notebook's control box: its buttons, hints and fields, and the keys it hands on.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QScrollBar>
#include <QSpinBox>

#include "notebook_fixture.h"

namespace ravlo::test {
namespace {

using Problems = std::vector<std::string>;

struct ButtonRow {
  const char* name;
  const char* group;
  const char* caption;
  const char* hint;
};

const ButtonRow kButtons[] = {
    {"OpenButton", "◆ファイル◆", "開", ""},
    {"SaveButton", "◆ファイル◆", "保", ""},
    {"NewButton", "◆ファイル◆", "新", "全式を削除して、新規頁にする"},
    {"PrintButton", "◆ファイル◆", "印", "この頁を印刷する"},
    {"PrevButton", "◆選択した式の操作◆", "▲", ""},
    {"NextButton", "◆選択した式の操作◆", "▼", ""},
    {"SelAnsCutButton", "◆選択した式の操作◆", "答削", "選択した式の答を削除する"},
    {"SelDeleteButton", "◆選択した式の操作◆", "削", "選択した式を削除する"},
    {"SelEditButton", "◆選択した式の操作◆", "編", "ｴﾃﾞｨﾀｰを開いて、全式の編集をする"},
    {"SelCalcButton", "◆選択した式の操作◆", "算", "選択した式を計算する"},
    {"SelCopyButton", "◆選択した式の操作◆", "複", "選択式をｺﾋﾟｰして、最後に追加する"},
    {"SelVoiceButton", "◆選択した式の操作◆", "声", "選択した式を読み上げる"},
    {"AllAnsCutButton", "◆全式の一括操作", "答削", "全式の答を削除する"},
    {"AllEditButton", "◆全式の一括操作", "編", "ｴﾃﾞｨﾀｰを開いて、全式の編集をする"},
    {"AllCalcButton", "◆全式の一括操作", "算", "全部の式を計算する"},
    {"AllDeleteButton", "◆全式の一括操作", "削", "全式を削除して、新規頁にする"},
    {"AllVoiceButton", "◆全式の一括操作", "声", "式をぜんぶ読み上げる"},
    {"AddButton", "", "式を追加", "ｴﾃﾞｨﾀを開いて､新しい式を追加する"},
    {"UndoButton", "", "元に戻す", "操作を前に戻す"},
    {"FontButton", "", "フォント", "フォントを設定する"},
    {"TitleButton", "", "表題入力", "この頁の表題を入力する"},
};

TEST(ControlBox, HasEveryButtonWithItsCaptionHintAndGroup) {
  Notebook nb;
  NoteForm& f = nb.open();
  NoteControlBox& box = nb.box();
  EXPECT_EQ(box.windowTitle(), QStringLiteral("◇ﾉｰﾄ操作箱　　　　▲Ｆ８▼"));
  EXPECT_EQ(box.windowType(), Qt::Tool);
  EXPECT_EQ(box.parentWidget(), &f);
  EXPECT_TRUE(box.isVisible());
  for (const ButtonRow& row : kButtons) {
    QAbstractButton* b = box.button(row.name);
    ASSERT_NE(b, nullptr) << row.name;
    EXPECT_EQ(b->text(), QString::fromUtf8(row.caption)) << row.name;
    EXPECT_EQ(b->toolTip(), QString::fromUtf8(row.hint)) << row.name;
    auto* group = qobject_cast<QGroupBox*>(b->parentWidget());
    // Loose buttons sit on the box itself, in no group.
    EXPECT_EQ(group ? group->title() : QString(), QString::fromUtf8(row.group)) << row.name;
    EXPECT_FALSE(b->accessibleName().isEmpty()) << row.name;
  }
  EXPECT_EQ(box.eqKaigyoCheck()->text(), QStringLiteral("’＝’で改行する"));
  EXPECT_EQ(box.digitsCheck()->text(), QStringLiteral("ケタを付けて読む"));
  for (QSpinBox* field : {box.kankakuField(), box.pageHeightField()})
    EXPECT_EQ(field->toolTip(), QStringLiteral("書き込み不可。↑↓ｷｰか、ﾏｳｽで増減。"));
  EXPECT_EQ(box.kankakuField()->minimum(), 2);
  EXPECT_EQ(box.kankakuField()->maximum(), 25);
  EXPECT_EQ(box.pageHeightField()->minimum(), 80);
  EXPECT_EQ(box.pageHeightField()->maximum(), 300);
  EXPECT_EQ(box.pageHeightField()->singleStep(), 5);
  // It stands by the notebook's lower right corner, as the window was made.
  EXPECT_EQ(box.pos(), f.pos() + QPoint(f.width() - 200, f.height() - 230));
}

TEST(ControlBox, ButtonsRunTheNotebookCommands) {
  Notebook nb;
  nb.openWith({"1+2=", "2x=6"});
  NoteControlBox& box = nb.box();
  QTest::mouseClick(box.button("NextButton"), Qt::LeftButton);
  QTest::mouseClick(box.button("NextButton"), Qt::LeftButton);
  EXPECT_EQ(nb.doc().SelNo, 2);
  QTest::mouseClick(box.button("SelCopyButton"), Qt::LeftButton);
  EXPECT_EQ(nb.doc().problems(), (Problems{"1+2=", "2x=6", "2x=6"}));
  QTest::mouseClick(box.button("UndoButton"), Qt::LeftButton);
  EXPECT_EQ(nb.doc().count(), 2);
  nb.rec().scriptAnswer(BoxAnswer::Ok);
  QTest::mouseClick(box.button("AllCalcButton"), Qt::LeftButton);
  EXPECT_EQ(nb.doc().problems(), (Problems{"1+2=3&3", "2x=6&x＝3"}));
  EXPECT_EQ(nb.rec().boxes().back().text, "答えをすべて書き換えます。\n\nそれでもいいですか？");
}

TEST(ControlBox, FieldsAndCheckBoxesSetTheNotebookValues) {
  Notebook nb;
  NoteForm& f = nb.open();
  NoteControlBox& box = nb.box();
  box.kankakuField()->setValue(9);
  EXPECT_EQ(nb.w().settings().KANKAKU, 9);
  EXPECT_EQ(f.paintInput().KANKAKU, 9);
  box.pageHeightField()->setValue(200);
  EXPECT_EQ(nb.w().settings().PAGEA4BAIN, 200);
  EXPECT_EQ(f.verticalBar()->maximum(), nb.w().state().A4Height * 2);
  box.eqKaigyoCheck()->click();
  EXPECT_FALSE(nb.ctx().EqKaigyoFlag);
  EXPECT_FALSE(nb.w().settings().EQUAL_KAIGYO);
  box.digitsCheck()->click();
  EXPECT_TRUE(nb.ctx().digitsFlag);
}

TEST(ControlBox, KeysGoOnToTheNotebook) {
  Notebook nb;
  NoteForm& f = nb.openWith({"1=", "2="});
  NoteControlBox& box = nb.box();
  box.activateWindow();
  box.digitsCheck()->setFocus();
  QTest::keyClick(box.digitsCheck(), Qt::Key_Down, Qt::ShiftModifier);
  EXPECT_EQ(nb.doc().SelNo, 1);
  QTest::keyClick(box.digitsCheck(), Qt::Key_H, Qt::ControlModifier);
  EXPECT_EQ(nb.doc().count(), 3);
  QTest::keyClick(box.digitsCheck(), Qt::Key_B, Qt::ControlModifier);
  EXPECT_EQ(nb.doc().count(), 2);
  QTest::keyClick(box.digitsCheck(), Qt::Key_Down);
  EXPECT_EQ(f.verticalBar()->value(), 20);
  // A menu shortcut that is in no key table works from the box too.
  const int before = nb.printDialogs;
  QTest::keyClick(box.digitsCheck(), Qt::Key_P, Qt::ControlModifier);
  EXPECT_EQ(nb.printDialogs, before + 1);
  // In a field the arrow keys step the field.
  box.kankakuField()->setFocus();
  const int spacing = box.kankakuField()->value();
  QTest::keyClick(box.kankakuField(), Qt::Key_Up);
  EXPECT_EQ(box.kankakuField()->value(), spacing + 1);
  EXPECT_EQ(f.verticalBar()->value(), 20);
}

TEST(ControlBox, F8MinimizesRestoresAndRecreatesIt) {
  Notebook nb;
  NoteForm& f = nb.open();
  QAction* item = f.action(NoteCommand::ControlBoxMenu);
  nb.key(Qt::Key_F8);
  EXPECT_TRUE(nb.box().isMinimized());
  nb.key(Qt::Key_F8);
  EXPECT_FALSE(nb.box().isMinimized());
  item->trigger();
  EXPECT_TRUE(nb.box().isMinimized());
  EXPECT_FALSE(item->isChecked());
  item->trigger();
  EXPECT_FALSE(nb.box().isMinimized());
  EXPECT_TRUE(item->isChecked());
  nb.box().close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(f.controlBox(), nullptr);
  nb.key(Qt::Key_F8);
  ASSERT_NE(f.controlBox(), nullptr);
  EXPECT_TRUE(f.controlBox()->isVisible());
}

}  // namespace
}  // namespace ravlo::test
