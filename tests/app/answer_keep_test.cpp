// Keeping the answer on screen, typing it back, and looking at it.
#include <gtest/gtest.h>

#include <string>

#include "app/model/answer_keep.h"
#include "calc_state_support.h"

namespace ravlo {
namespace {

using testing_support::Session;

constexpr KeyMods kCtrl{false, true, false};

std::string kept(Session& s) { return s->answers.KeptAnswer; }

void expectOneBox(Session& s, std::string_view text) {
  const auto boxes = s.sink.boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].caption, "ご確認");
  EXPECT_EQ(boxes[0].text, text);
}

TEST(CopyAnswer, BeforeAnyAnswerWithNothingKept) {
  Session s;
  s.type("1+2");
  s->runCommand(CalcCommand::KeepAnswer);
  expectOneBox(s, "計算後でないと、答を一時保存できません。");
  EXPECT_EQ(kept(s), "");
  // On an empty screen too.
  Session t;
  EXPECT_FALSE(t->answers.CopyAnswer(*t));
  EXPECT_EQ(t.sink.boxes().size(), 1u);
}

struct KeepRow {
  const char* typed;
  int anssyu;
  int syoudsp;
  bool kaitouran;
  const char* kept;
};

class KeepComputed : public ::testing::TestWithParam<KeepRow> {};

TEST_P(KeepComputed, KeepsTheAnswerOfTheLine) {
  const KeepRow& r = GetParam();
  Session s([&](CalcSettings& c) {
    c.ANSSYU = r.anssyu;
    c.SYOUDSP = r.syoudsp;
    c.KAITOURAN_FLAG = r.kaitouran;
  });
  s.type(r.typed);
  ASSERT_FALSE(s->InpAccept) << s->InpSiki;
  EXPECT_TRUE(s->answers.CopyAnswer(*s));
  EXPECT_EQ(kept(s), r.kept) << s->InpSiki;
  EXPECT_EQ(s.sink.lastStatus(), std::string("CopyAnswer:: < ") + r.kept + " >を保存しました。");
  EXPECT_TRUE(s.sink.boxes().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Lines, KeepComputed,
    ::testing::Values(KeepRow{"1+2=", 0, 0, false, "3"},
                      KeepRow{"3b2+1=", 0, 0, true, "1k3b2"},
                      // The mixed form is the first form even when the line shows the other.
                      KeepRow{"7/3=", 1, 0, false, "2k3b1"},
                      KeepRow{"6/3=", 1, 0, false, "2"},
                      KeepRow{"1/4=", 0, 1, true, "4b1"},
                      // Negative answers come in brackets, ready to follow an operator.
                      KeepRow{"0-2b1=", 0, 0, false, "(m2b1)"},
                      KeepRow{"1-3=", 2, 0, true, "(m2)"},
                      // A ratio is not the evaluator's: its last term, without the column.
                      KeepRow{"4:6=", 0, 0, true, "2:3"}));

TEST(CopyAnswer, SolvedEquationKeepsTheValueOfX) {
  const struct {
    const char* line;
    const char* kept;
  } rows[] = {
      {"2*x=1&x＝2b1", "2b1"},     // as the solver writes it
      {"2*x=1&x=2b1", "2b1"},      // ASCII signs as well
      {"3*x<6&x＜2", "2"},
      {"4*x>=8&x≧2", "2"},
      {"4*x>=8&x>=2", "2"},
      {"x+2=1&x＝m1", "(m1)"},
      {"x+3b1=1&x＝3b2", "3b2"},
  };
  for (const auto& r : rows) {
    Session s;
    s->InpSiki = r.line;
    s->closeInput();
    EXPECT_TRUE(s->answers.CopyAnswer(*s)) << r.line;
    EXPECT_EQ(kept(s), r.kept) << r.line;
  }
}

TEST(CopyAnswer, NoValueToKeepLeavesTheOldAnswer) {
  Session s;
  s.type("1+2=");
  ASSERT_TRUE(s->answers.CopyAnswer(*s));
  for (const char* line : {"2*x=x+x&x＝(不定)", "0*x=1&x＝(不能)", ""}) {
    s.sink.clear();
    s->SikiClear();
    s->InpSiki = line;
    s->closeInput();
    EXPECT_FALSE(s->answers.CopyAnswer(*s)) << line;
    expectOneBox(s, "一時保存する答がありません。");
    EXPECT_EQ(kept(s), "3") << line;
  }
}

TEST(CopyAnswer, AWorkedSolutionThatStoppedHasNoAnswer) {
  Session s([](CalcSettings& c) { c.PROCDSP = true; });
  ASSERT_EQ(s.type("4611686018427387904b1+3b1="), kJiProcessFailed);
  s.sink.clear();
  EXPECT_FALSE(s->answers.CopyAnswer(*s));
  expectOneBox(s, "一時保存する答がありません。");
  EXPECT_EQ(kept(s), "");
}

TEST(CopyAnswer, AWorkedSolutionKeepsItsOwnAnswer) {
  Session s([](CalcSettings& c) { c.PROCDSP = true; });
  // An earlier answer the evaluator still remembers must not stand in for the process's.
  ASSERT_EQ(s.type("1+1="), kJiComputed);
  s->SikiClear();
  ASSERT_EQ(s.type("3b1+3b1="), kJiRefused);
  ASSERT_NE(s->process.ProcType, 0);
  EXPECT_TRUE(s->answers.CopyAnswer(*s));
  EXPECT_EQ(kept(s), "3b2");
  EXPECT_TRUE(s.sink.boxes().empty());
}

TEST(CopyAnswer, AnAnswerTheEvaluatorDidNotWriteIsTheLastTerm) {
  Session s;
  ASSERT_EQ(s.type("1+1="), kJiComputed);
  s->SikiClear();
  // A conversion on a typed fraction closes the line without the evaluator.
  s->InpSiki = "6b4=3b2";
  s->closeInput();
  EXPECT_TRUE(s->answers.CopyAnswer(*s));
  EXPECT_EQ(kept(s), "3b2");
}

TEST(PasteAnswer, AfterAnOperatorTypesTheBracketedValue) {
  Session s;
  s.type("0-2b1=");
  s.press('C', kCtrl);
  ASSERT_EQ(kept(s), "(m2b1)");
  // The keys are the state's own: nothing is handed to the windows.
  EXPECT_TRUE(s.commands.ran.empty());
  s->SikiClear();
  s.type("3*");
  EXPECT_EQ(s.press('P', kCtrl), 0);
  EXPECT_EQ(s->InpSiki, "3*(m2b1)");
  EXPECT_TRUE(s->InpAccept);
  EXPECT_EQ(s.type("="), kJiComputed);
  EXPECT_EQ(s->InpSiki, "3*(m2b1)=m1k2b1");
}

TEST(PasteAnswer, WhileInputIsClosedEverythingIsIgnored) {
  Session s;
  s.type("1+2=");
  s->runCommand(CalcCommand::KeepAnswer);
  const std::string line = s->InpSiki;
  const int repaints = s.view.repaints;
  EXPECT_EQ(s->answers.PasteAnswer(*s), kJiClosed);
  EXPECT_EQ(s->InpSiki, line);
  EXPECT_EQ(s.view.repaints, repaints);
}

TEST(PasteAnswer, TheKeptAnswerOutlivesClears) {
  Session s;
  s.type("3b2+1=");
  s->runCommand(CalcCommand::KeepAnswer);
  s->SikiClear();
  s->SikiClear();
  // Keeping again while a line is open announces the kept answer once more.
  s.sink.clear();
  EXPECT_TRUE(s->answers.CopyAnswer(*s));
  EXPECT_EQ(s.sink.lastStatus(), "CopyAnswer:: < 1k3b2 >を保存しました。");
  EXPECT_TRUE(s.sink.boxes().empty());
  s->runCommand(CalcCommand::PasteAnswer);
  EXPECT_EQ(s->InpSiki, "1k3b2");
  EXPECT_EQ(s.type("+1="), kJiComputed);
  EXPECT_EQ(s->InpSiki, "1k3b2+1=2k3b2");
}

TEST(ViewAnswer, NothingKeptShowsNothing) {
  Session s;
  s->runCommand(CalcCommand::ViewAnswer);
  EXPECT_TRUE(s.sink.empty());
}

TEST(ViewAnswer, ShowsTheKeptAnswerBuiltUp) {
  Session s;
  s.type("0-2b1=");
  s->runCommand(CalcCommand::KeepAnswer);
  s.sink.clear();
  s->runCommand(CalcCommand::ViewAnswer);
  ASSERT_EQ(s.sink.entries().size(), 1u);
  const auto& shown = s.sink.entries()[0];
  EXPECT_EQ(shown.kind, RecordingSink::Kind::Small);
  EXPECT_EQ(shown.text, "@(m2b1)");
  EXPECT_EQ(shown.caption, "一時保存の答");
  EXPECT_EQ(shown.displayMs, 3000);
}

TEST(KeepAndCopy, KeepsTheAnswerAndHandsTheComputedLineOn) {
  Session s;
  s.type("3b2+1");
  s->runCommand(CalcCommand::KeepAndCopy);
  EXPECT_TRUE(s.view.copied.empty());  // nothing is computed yet
  s.type("=");
  s->runCommand(CalcCommand::KeepAndCopy);
  EXPECT_EQ(s->answers.KeptAnswer, "1k3b2");
  EXPECT_EQ(s.view.copied, std::vector<std::string>{"3b2+1=1k3b2"});
}

TEST(KeepAndCopy, AWorkedSolutionHandsOnItsQuestionAndAnswer) {
  Session s([](CalcSettings& c) { c.PROCDSP = true; });
  s.type("3b1+3b1=");
  ASSERT_NE(s->process.ProcType, 0);
  s->runCommand(CalcCommand::KeepAndCopy);
  EXPECT_EQ(s.view.copied, std::vector<std::string>{"3b1+3b1=3b2"});
}

TEST(SolvedValue, NoValueAfterTheSign) {
  EXPECT_EQ(solvedValue("2*x=1"), "");
  EXPECT_EQ(solvedValue("x=1&"), "");
  EXPECT_EQ(solvedValue("x=1&x"), "");
  EXPECT_EQ(solvedValue("x=1&x＝"), "");
}

}  // namespace
}  // namespace ravlo
