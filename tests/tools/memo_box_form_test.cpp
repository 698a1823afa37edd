// The expression memo and the substitution box over a real main window: what they hand to
// the editor, the screen and each other, and the memo across a restart.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QPointer>
#include <fstream>
#include <iterator>

#include "core/cp932.h"
#include "tool_windows_support.h"

namespace ravlo::test {
namespace {

constexpr const char* kTwoSlots =
    "[▼式のメモ▼]\nSOUSUU=3\nSIKI0=3b2+1\nSIKI1=\nSIKI2=x^2+1 # 宿題\n";

std::vector<std::string> listed(SEMemoForm* memo) {
  std::vector<std::string> items;
  for (int i = 0; i < memo->list()->count(); ++i) items.push_back(memo->list()->itemText(i).toStdString());
  return items;
}

TEST(SEMemoForm, OpensOnTheSavedEntriesAndLooksLikeItsForm) {
  Window w(kTwoSlots);
  SEMemoForm* memo = w.form().toolWindows().openMemo();
  EXPECT_EQ(memo->windowTitle().toStdString(), "★式 メモ★ 【計算式・文字式を50個まで保管】");
  EXPECT_TRUE(memo->windowFlags() & Qt::WindowStaysOnTopHint);
  // Placed by the main window as it was at the start (its settings).
  EXPECT_EQ(memo->pos(), QPoint(180 + 500 - 500, 80 + 100));
  EXPECT_EQ(listed(memo), (std::vector<std::string>{"3b2+1", "x^2+1 # 宿題"}));
  EXPECT_EQ(memo->list()->maxVisibleItems(), 30);
  // The menu and Alt+M focus the open memo rather than open another.
  w.form().action("Memo")->trigger();
  w.key(Qt::Key_M, Qt::AltModifier);
  EXPECT_EQ(QApplication::topLevelWidgets().count(memo), 1);
  EXPECT_EQ(w.form().toolWindows().memo(), memo);
  expectJapaneseNames(*memo);
  expectTidyLayout(*memo);
}

TEST(SEMemoForm, TakesFromAndGivesToTheEditorAndTheBox) {
  Window w(kTwoSlots);
  ToolWindows& tools = w.form().toolWindows();
  SEMemoForm* memo = tools.openMemo();
  // Without an editor, From opens one, beside the memo rather than over the screen.
  button(memo, "FromEditorButton")->click();
  SikiEditForm* e = tools.editor();
  ASSERT_NE(e, nullptr);
  EXPECT_FALSE(e->isModal());
  e->field()->setText("1k3b2*3");
  button(memo, "FromEditorButton")->click();
  EXPECT_EQ(listed(memo).back(), "1k3b2*3");
  EXPECT_EQ(memo->list()->currentIndex(), 2);

  memo->list()->setCurrentIndex(1);
  button(memo, "ToEditorButton")->click();
  EXPECT_EQ(text(e->field()), "x^2+1 # 宿題");
  button(memo, "ToBoxButton")->click();
  ASSERT_NE(tools.box(), nullptr);
  EXPECT_EQ(text(tools.box()->expressionField()), "x^2+1 # 宿題");

  button(memo, "LookButton")->click();
  EXPECT_EQ(w.rec().entries().back().text, "@x^2+1 # 宿題");
}

TEST(SEMemoForm, ToEditorOpensTheEditorOnTheEntryAndLeavesTheScreenAlone) {
  Window w(kTwoSlots);
  w.type("12");
  SEMemoForm* memo = w.form().toolWindows().openMemo();
  button(memo, "ToEditorButton")->click();
  ASSERT_NE(w.form().toolWindows().editor(), nullptr);
  EXPECT_EQ(text(w.form().toolWindows().editor()->field()), "3b2+1");
  EXPECT_EQ(w.state().InpSiki, "12");
}

TEST(SEMemoForm, AnOpenMemoReachesTheSettingsFileWhenTheProgramEnds) {
  auto w = std::make_unique<Window>(kTwoSlots);
  w->form().toolWindows().openMemo()->MemoAdd("1+2 # 計算の練習");
  ASSERT_TRUE(w->closeWindow());
  std::ifstream in(w->ini(), std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::string utf8 = cp932ToUtf8(bytes).text;
  std::erase(utf8, '\r');

  Window next(utf8);
  EXPECT_EQ(listed(next.form().toolWindows().openMemo()),
            (std::vector<std::string>{"3b2+1", "x^2+1 # 宿題", "1+2 # 計算の練習"}));
}

// ---- the substitution box ----

TEST(DainyuuForm, LooksLikeItsFormAndSendsOnlyWithAnExpression) {
  Window w;
  w.key(Qt::Key_D, Qt::AltModifier);
  DainyuuForm* box = w.form().toolWindows().box();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->windowTitle().toStdString(), "■数値代入ボックス■【文字式に数値を代入＆転送】");
  EXPECT_EQ(box->pos(), QPoint(180 + 500 - 500, 80 + 200));
  EXPECT_FALSE(button(box, "SendButton")->isEnabled());
  EXPECT_FALSE(button(box, "MemoSaveButton")->isEnabled());
  box->expressionField()->setText("x+1");
  EXPECT_TRUE(button(box, "SendButton")->isEnabled());
  EXPECT_TRUE(button(box, "MemoSaveButton")->isEnabled());
  expectJapaneseNames(*box);
  expectTidyLayout(*box);
}

TEST(DainyuuForm, ComputesOnTheScreen) {
  Window w;
  DainyuuForm* box = w.form().toolWindows().openBox();
  box->valueField('x')->setText("3b2");
  box->expressionField()->setText("x^2+1");
  button(box, "CalcButton")->click();
  EXPECT_EQ(w.state().InpSiki, "(3b2)^2+1=1k9b4");
  EXPECT_FALSE(w.state().InpAccept);
}

TEST(DainyuuForm, ARefusedSubstitutionSelectsInTheExpressionField) {
  Window w;
  DainyuuForm* box = w.form().toolWindows().openBox();
  box->expressionField()->setText("1+*x");
  box->valueField('x')->setText("2");
  button(box, "CalcButton")->click();
  EXPECT_EQ(w.rec().boxes().back().text, "01::(確認)ｴﾗｰ桁(1～)=3");
  EXPECT_EQ(box->expressionField()->selectedText(), QStringLiteral("*"));
}

TEST(DainyuuForm, SendsToTheEditorAndSavesToTheMemo) {
  Window w;
  ToolWindows& tools = w.form().toolWindows();
  DainyuuForm* box = tools.openBox();
  box->valueField('x')->setText("3");
  box->valueField('y')->setText("-1");
  box->expressionField()->setText("2x+y");
  button(box, "SendButton")->click();
  SikiEditForm* e = tools.editor();
  ASSERT_NE(e, nullptr);
  EXPECT_EQ(e->windowModality(), Qt::WindowModal);
  EXPECT_EQ(text(e->field()), "2*3+(-1)");
  box->valueField('x')->setText("5");
  button(box, "SendButton")->click();
  EXPECT_EQ(tools.editor(), e);
  EXPECT_EQ(text(e->field()), "2*5+(-1)");
  button(box, "MemoSaveButton")->click();
  ASSERT_NE(tools.memo(), nullptr);
  EXPECT_EQ(listed(tools.memo()), std::vector<std::string>{"2x+y"});
}

TEST(DainyuuForm, TheYenKeyTypesIntoTheFieldWithTheFocus) {
  Window w;
  DainyuuForm* box = w.form().toolWindows().openBox();
  box->valueField('y')->setFocus();
  QTest::keyClick(box->valueField('y'), Qt::Key_yen);
  QTest::keyClick(box->valueField('y'), Qt::Key_Return, Qt::ShiftModifier);
  EXPECT_EQ(text(box->valueField('y')), "3.14=");
  EXPECT_EQ(text(box->expressionField()), "");
}

TEST(DainyuuForm, F7OnTheScreenGoesToTheBoxThenTheMemo) {
  Window w;
  ToolWindows& tools = w.form().toolWindows();
  w.type("1+");
  tools.openMemo();
  DainyuuForm* box = tools.openBox();
  w.key(Qt::Key_F7);
  EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == box; }));
  box->close();
  settle();
  w.key(Qt::Key_F7);
  EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == tools.memo(); }));
  // With a box open, F7 is no ")".
  EXPECT_EQ(w.state().InpSiki, "1+");
}

}  // namespace
}  // namespace ravlo::test
