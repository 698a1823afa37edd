// Keep, paste and look from the keyboard, the menus and the popup menu of the main window.
#include <gtest/gtest.h>

#include "window_fixture.h"

namespace ravlo::test {
namespace {

TEST(AnswerKeepWindow, CtrlCKeepsAndCtrlPPastes) {
  Window w;
  w.type("1-3b2=");
  ASSERT_EQ(w.state().InpSiki, "1-3b2=3b1");
  w.key(Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(w.status(), "CopyAnswer:: < 3b1 >を保存しました。");
  w.key(Qt::Key_Delete);
  w.type("2*");
  w.key(Qt::Key_P, Qt::ControlModifier);
  EXPECT_EQ(w.state().InpSiki, "2*3b1");
  EXPECT_EQ(w.form().screen()->accessibleDescription().toStdString(), "2*3b1");
  w.type("=");
  EXPECT_EQ(w.state().InpSiki, "2*3b1=3b2");
  EXPECT_TRUE(w.rec().boxes().empty());
}

TEST(AnswerKeepWindow, CtrlCBeforeEqualsAsksForACalculation) {
  Window w;
  w.type("5");
  w.key(Qt::Key_C, Qt::ControlModifier);
  const auto boxes = w.rec().boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].caption, "ご確認");
  EXPECT_EQ(boxes[0].text, "計算後でないと、答を一時保存できません。");
  // Ctrl+C typed no "C" either.
  EXPECT_EQ(w.state().InpSiki, "5");
}

TEST(AnswerKeepWindow, SolvedEquationThenPasteIntoANewLine) {
  Window w;
  w.type("2*x=1");
  w.key(Qt::Key_Q, Qt::ControlModifier);
  ASSERT_EQ(w.state().InpSiki, "2*x=1&x＝2b1");
  w.key(Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(w.state().answers.KeptAnswer, "2b1");
  w.key(Qt::Key_Delete);
  w.key(Qt::Key_P, Qt::ControlModifier);
  EXPECT_EQ(w.state().InpSiki, "2b1");
}

TEST(AnswerKeepWindow, MenusAndPopupReachTheSameCommands) {
  Window w;
  // Look with nothing kept says nothing at all.
  w.form().action("ViewV1")->trigger();
  w.form().action("View1")->trigger();
  EXPECT_TRUE(w.rec().entries().empty());

  w.type("0-2b1=");
  w.form().action("OtherCal")->trigger();
  EXPECT_EQ(w.status(), "CopyAnswer:: < (m2b1) >を保存しました。");
  w.form().action("ViewV1")->trigger();
  ASSERT_FALSE(w.rec().entries().empty());
  const auto shown = w.rec().entries().back();
  EXPECT_EQ(shown.kind, RecordingSink::Kind::Small);
  EXPECT_EQ(shown.text, "@(m2b1)");
  EXPECT_EQ(shown.caption, "一時保存の答");
  EXPECT_EQ(shown.displayMs, 3000);

  w.key(Qt::Key_Delete);
  w.type("3*");
  w.form().action("V2")->trigger();
  EXPECT_EQ(w.state().InpSiki, "3*(m2b1)");

  // The popup menu has the same three.
  w.key(Qt::Key_Delete);
  w.type("1+1=");
  w.form().action("N8")->trigger();
  EXPECT_EQ(w.state().answers.KeptAnswer, "2");
  w.key(Qt::Key_Delete);
  w.form().action("N9")->trigger();
  EXPECT_EQ(w.state().InpSiki, "2");
  const size_t before = w.rec().entries().size();
  w.form().action("View1")->trigger();
  ASSERT_EQ(w.rec().entries().size(), before + 1);
  EXPECT_EQ(w.rec().entries().back().text, "@2");
}

}  // namespace
}  // namespace ravlo::test
