#include "notebook/model/note_compute.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "note_test_support.h"

namespace ravlo {
namespace {

using note_testing::RecordingNoteView;
using Problems = std::vector<std::string>;

class NoteComputeTest : public ::testing::Test {
 protected:
  NoteComputeTest() { compute.setView(&view); }
  void load(const Problems& problems, int sel = 0) {
    doc.replaceProblems(problems);
    doc.SelNo = sel;
    doc.markSaved();
  }
  std::vector<std::string> boxTexts() const {
    std::vector<std::string> t;
    for (const auto& b : sink.boxes()) t.push_back(b.caption + "|" + b.text);
    return t;
  }

  CalcSettings settings;
  NoteDoc doc;
  RecordingSink sink;
  RecordingNoteView view;
  NoteCompute compute{doc, sink, settings};
};

TEST_F(NoteComputeTest, ComputeAllAnswersExpressionsAndEquations) {
  load({"3b2+1=", "", "2x+3=7"});
  EXPECT_TRUE(compute.computeAll());
  EXPECT_EQ(doc.problems(), (Problems{"3b2+1=1k3b2&1k3b2", "", "2x+3=7&x＝2"}));
  EXPECT_EQ(doc.HenkouFlag, 1);
  EXPECT_EQ(view.redraws, 1);
  EXPECT_EQ(boxTexts(), std::vector<std::string>{"ご確認|答えをすべて書き換えます。\n\nそれでもいいですか？"});
  EXPECT_EQ(sink.boxes()[0].buttons, BoxButtons::OkCancel);
  EXPECT_EQ(compute.lastReport().answered, (std::vector<int>{1, 3}));
  // The undo copy is the notebook before the compute.
  doc.NoteUndo();
  EXPECT_EQ(doc.problems(), (Problems{"3b2+1=", "", "2x+3=7"}));
}

TEST_F(NoteComputeTest, ComputeAllCancelledChangesNothing) {
  load({"1+1="});
  doc.UndoSuu = 0;
  sink.scriptAnswer(BoxAnswer::Cancel);
  EXPECT_FALSE(compute.computeAll());
  EXPECT_TRUE(compute.lastReport().cancelled);
  EXPECT_EQ(doc.problems(), Problems{"1+1="});
  EXPECT_EQ(doc.UndoSuu, 0);
  EXPECT_EQ(doc.HenkouFlag, 0);
}

TEST_F(NoteComputeTest, RecomputingReplacesTheOldAnswer) {
  load({"3b2+1=1k3b2&1k3b2", "2x+3=7&x＝2", "4:6=2:3&2:3", "7b3*1"});
  settings.ANSSYU = 2;  // mixed number and improper fraction, read at the compute
  ASSERT_TRUE(compute.computeAll(false));
  EXPECT_TRUE(sink.empty());
  EXPECT_EQ(doc.problems(),
            (Problems{"3b2+1=1k3b2=3b5&1k3b2=3b5", "2x+3=7&x＝2", "4:6=2:3&2:3", "7b3*1=7b3&7b3"}));
  // Again: the same texts, never a second answer.
  const Problems once = doc.problems();
  ASSERT_TRUE(compute.computeAll(false));
  EXPECT_EQ(doc.problems(), once);
}

TEST_F(NoteComputeTest, ComputeAllReportsEachFailureByNumberAndGoesOn) {
  load({"1+*2=", "3/x=1", "5/0=", "2:3=", "1+1=", "x*x=4&x＝9"});
  ASSERT_TRUE(compute.computeAll(false));
  // Failing problems keep their text, also an old answer.
  EXPECT_EQ(doc.problems(), (Problems{"1+*2=", "3/x=1", "5/0=", "2:3=", "1+1=2&2", "x*x=4&x＝9"}));
  const NoteComputeReport& r = compute.lastReport();
  EXPECT_EQ(r.refused, std::vector<int>{1});
  EXPECT_EQ(r.unsolved, (std::vector<int>{2, 6}));
  // A ratio already at its simplest is left alone after the simplification's own word.
  EXPECT_EQ(r.uncomputed, std::vector<int>{3});
  EXPECT_EQ(r.answered, std::vector<int>{5});

  // The notebook's own reports, in problem order.
  std::vector<std::string> numbered;
  for (const std::string& t : boxTexts())
    if (t.rfind("ご報告！|[", 0) == 0) numbered.push_back(t);
  EXPECT_EQ(numbered,
            (std::vector<std::string>{
                "ご報告！|[1 問:3 字目][ｴﾗｰ値4][4]: 演算記号の連続は不可\n\n編集し直してから再計算してください。",
                "ご報告！|[ 2 問目]は､解けませんでした。",
                "ご報告！|[ 3 問目]は､計算できませんでした。",
                "ご報告！|[ 6 問目]は､解けませんでした。"}));
  // Each after the engine's own reason.
  const std::vector<std::string> t = boxTexts();
  ASSERT_GE(t.size(), 3u);
  EXPECT_EQ(t[1], "ご報告!!|分母にｘのある式は扱えません。");
  EXPECT_EQ(t[2], numbered[1]);
  auto before = [&](const std::string& reason, const std::string& report) {
    auto at = std::find(t.begin(), t.end(), reason);
    return at != t.end() && at + 1 != t.end() && *(at + 1) == report;
  };
  const auto ratio = std::find(t.begin(), t.end(), "報告!|これ以上簡単にできません。");
  ASSERT_NE(ratio, t.end());
  EXPECT_TRUE(ratio + 1 == t.end() || (ratio + 1)->rfind("ご報告！|[", 0) != 0);
  EXPECT_TRUE(before("ご報告!!|ｘの一次式しか計算できません。\n\nめんご！", numbered[3]));
  EXPECT_NE(std::find(t.begin(), t.end(), "報告!!|★ｴﾗｰ << ０による除算 >>"), t.end());
}

TEST_F(NoteComputeTest, ComputeSelected) {
  struct Row {
    std::string before, after;
  };
  const Row rows[] = {
      {"3b2+1=", "3b2+1=1k3b2&1k3b2"},
      {"3b2+1", "3b2+1=1k3b2&1k3b2"},  // typed without "=" in the whole-notebook editor
      {"3b2+1=7&7", "3b2+1=1k3b2&1k3b2"},
      {"2x+3=7&x＝5", "2x+3=7&x＝2"},
      {"3x-5<x+1", "3x-5<x+1&x＜3"},
      {"4:6=", "4:6=2:3&2:3"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.before);
    load({"1=", row.before}, 2);
    sink.clear();
    EXPECT_TRUE(compute.computeSelected());
    EXPECT_EQ(doc.Siki(2), row.after);
    EXPECT_EQ(doc.ResultBuffer, row.after);
    EXPECT_EQ(doc.HenkouFlag, 1);
    EXPECT_EQ(boxTexts(), std::vector<std::string>{"ご確認|選択問題の答えを書き換えます。\n\nそれでもいいですか？"});
  }
}

TEST_F(NoteComputeTest, ComputeSelectedWithoutSelectionOrText) {
  load({"1+1=", ""});
  EXPECT_FALSE(compute.computeSelected());
  EXPECT_EQ(boxTexts(), std::vector<std::string>{"ご確認|答を書き換えたい式を選択してください。"});
  sink.clear();
  doc.SelNo = 2;
  EXPECT_FALSE(compute.computeSelected());
  EXPECT_EQ(sink.boxes().size(), 1u);  // only the confirmation
  EXPECT_EQ(doc.HenkouFlag, 0);
}

TEST_F(NoteComputeTest, CancelStillLeavesTheSnapshot) {
  load({"1+1=", "5="}, 1);
  doc.UndoSuu = 0;
  sink.scriptAnswer(BoxAnswer::Cancel);
  EXPECT_FALSE(compute.computeSelected());
  EXPECT_EQ(doc.UndoSuu, 2);
  EXPECT_EQ(doc.UndoTbl[0], "1+1=");
  EXPECT_EQ(doc.UndoSel, 1);
  EXPECT_EQ(doc.Siki(1), "1+1=");
  EXPECT_EQ(doc.HenkouFlag, 0);
}

TEST_F(NoteComputeTest, SingleComputeChecksAnEquationUpToItsFirstEqualsOnly) {
  // The bad right-hand side passes the single compute's check and stops in the solver; the
  // batch's checker names it.
  load({"2x+3=7+*"}, 1);
  EXPECT_FALSE(compute.computeSelected());
  EXPECT_EQ(doc.Siki(1), "2x+3=7+*");
  EXPECT_TRUE(compute.lastReport().refused.empty());
  EXPECT_EQ(compute.lastReport().unsolved, std::vector<int>{1});
  for (const auto& b : sink.boxes()) EXPECT_EQ(b.text.find("字目]"), std::string::npos) << b.text;

  sink.clear();
  ASSERT_TRUE(compute.computeAll(false));
  EXPECT_EQ(compute.lastReport().refused, std::vector<int>{1});
  ASSERT_EQ(sink.boxes().size(), 1u);
  EXPECT_EQ(sink.boxes()[0].text.rfind("[1 問:8 字目]", 0), 0u) << sink.boxes()[0].text;
}

TEST_F(NoteComputeTest, SingleComputeReportsACheckerRefusalWithTheSelectedNumber) {
  load({"1=", "3b2+*1="}, 2);
  EXPECT_FALSE(compute.computeSelected());
  const std::vector<std::string> t = boxTexts();
  ASSERT_EQ(t.size(), 2u);
  EXPECT_EQ(t[1], "ご報告！|[2 問:5 字目][ｴﾗｰ値0][0]: 符号+,-,数字,'(' 以外は不可\n\n編集し直してから再計算をせよ。");
  EXPECT_EQ(doc.Siki(2), "3b2+*1=");
}

}  // namespace
}  // namespace ravlo
