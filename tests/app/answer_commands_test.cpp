// The number conversions on the calculation screen's line: what they append, what they
// refuse with which message, and the buttons and flags they leave behind.
#include <gtest/gtest.h>

#include "app/model/answer_commands.h"
#include "app/model/conversion_router.h"
#include "calc_state_support.h"

namespace ravlo {
namespace {

using testing_support::Session;

void expectOneBox(const RecordingSink& sink, std::string_view caption, std::string_view text) {
  const auto boxes = sink.boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].caption, caption);
  EXPECT_EQ(boxes[0].text, text);
}

// ---- 帯T ----

TEST(AnswerAsMixed, AfterAMixedAnswerItSaysSo) {
  Session s;
  s.type("3b4+3b1=");
  ASSERT_TRUE(s->AnsShownTai);
  const std::string before = s->InpSiki;
  EXPECT_FALSE(AnswerAsMixed(*s));
  expectOneBox(s.sink, "ご報告！", "すでに､帯分数の形です。");
  EXPECT_EQ(s->InpSiki, before);
}

TEST(AnswerAsMixed, AProperFractionHasNoMixedForm) {
  Session s;
  s.type("4b3");
  EXPECT_FALSE(AnswerAsMixed(*s));
  expectOneBox(s.sink, "ご報告！", "真分数(分母＞分子)は、帯分数に直せません。");
  EXPECT_EQ(s->InpSiki, "4b3");
  EXPECT_TRUE(s->InpAccept);
  EXPECT_FALSE(s->AnsShownTai);
  EXPECT_TRUE(s.view.taiEnabled);
}

TEST(AnswerAsMixed, ImproperAnswerGetsItsMixedFormAppended) {
  Session s([](CalcSettings& c) { c.ANSSYU = 1; });
  s.type("3b4+3b1=");
  ASSERT_EQ(s->InpSiki, "3b4+3b1=3b5");
  ASSERT_FALSE(s->AnsShownTai);
  EXPECT_TRUE(AnswerAsMixed(*s));
  EXPECT_EQ(s->InpSiki, "3b4+3b1=3b5=1k3b2");
  EXPECT_TRUE(s->AnsShownTai);
  EXPECT_FALSE(s.view.taiEnabled);
  EXPECT_FALSE(s->InpAccept);
  EXPECT_TRUE(s.sink.boxes().empty());
  // Shown now: a second press only says so.
  EXPECT_FALSE(AnswerAsMixed(*s));
  expectOneBox(s.sink, "ご報告！", "すでに､帯分数の形です。");
}

TEST(AnswerAsMixed, TheAnswerColumnStaysAtTheEnd) {
  Session s([](CalcSettings& c) {
    c.ANSSYU = 1;
    c.KAITOURAN_FLAG = true;
  });
  s.type("3b4+3b1=");
  ASSERT_EQ(s->InpSiki, "3b4+3b1=3b5&3b5");
  EXPECT_TRUE(AnswerAsMixed(*s));
  EXPECT_EQ(s->InpSiki, "3b4+3b1=3b5=1k3b2&3b5");
}

TEST(AnswerAsMixed, InProcessModeTheStepsReplaceTheProcess) {
  Session s([](CalcSettings& c) { c.ANSSYU = 1; });
  s.type("3b4+3b1=");
  s.settings.PROCDSP = true;
  const std::string line = s->InpSiki;
  EXPECT_TRUE(AnswerAsMixed(*s));
  EXPECT_EQ(s->process.ProcType, 17);
  EXPECT_NE(s->process.ProcText.find("1k3b2"), std::string::npos) << s->process.ProcText;
  EXPECT_EQ(s->InpSiki, line);
  EXPECT_FALSE(s->InpAccept);
}

// ---- 仮K ----

TEST(AnswerAsImproper, MixedAnswerGetsItsImproperFormAppended) {
  Session s;
  s.type("3b4+3b1=");
  ASSERT_EQ(s->InpSiki, "3b4+3b1=1k3b2");
  EXPECT_TRUE(AnswerAsImproper(*s));
  EXPECT_EQ(s->InpSiki, "3b4+3b1=1k3b2=3b5");
  EXPECT_TRUE(s->AnsShownKa);
  EXPECT_FALSE(s.view.kaEnabled);
  EXPECT_FALSE(s->InpAccept);
  // Shown: nothing more, not even a message.
  EXPECT_FALSE(AnswerAsImproper(*s));
  EXPECT_EQ(s->InpSiki, "3b4+3b1=1k3b2=3b5");
  EXPECT_TRUE(s.sink.boxes().empty());
}

TEST(AnswerAsImproper, InProcessModeTheStepsFollowTheProcess) {
  Session s([](CalcSettings& c) { c.PROCDSP = true; });
  s.type("1k3b2");
  EXPECT_TRUE(AnswerAsImproper(*s));
  EXPECT_EQ(s->process.ProcType, 18);
  EXPECT_NE(s->process.ProcText.find("3b5"), std::string::npos) << s->process.ProcText;
  EXPECT_FALSE(s->InpAccept);
}

// ---- 小S ----

TEST(AnswerAsDecimal, OneThirdEndsInTheDotsWithTheNotDividedNote) {
  Session s;
  s.type("3b1+0=");
  ASSERT_EQ(s->InpSiki, "3b1+0=3b1");
  EXPECT_TRUE(AnswerAsDecimal(*s));
  const std::string& line = s->InpSiki;
  ASSERT_TRUE(line.starts_with("3b1+0=3b1=0.33")) << line;
  EXPECT_EQ(line.back(), 'u') << line;
  EXPECT_EQ(line.find_first_not_of('3', 12), line.size() - 1) << line;
  ASSERT_TRUE(s->DecimalNote);
  EXPECT_EQ(s->DecimalNote->text, "【割り切れません】");
  EXPECT_EQ(s->DecimalNote->color, 0x0000FFu);
  EXPECT_EQ(s->DecimalNote->fontSize, s.settings.FONTSIZE / 2);
  EXPECT_EQ(s->DecimalNote->equalIndex, 1);
  EXPECT_TRUE(s->AnsShownSyou);
  EXPECT_FALSE(s.view.syouEnabled);
  EXPECT_FALSE(s->InpAccept);
  EXPECT_FALSE(s.view.erased.empty());
}

TEST(AnswerAsDecimal, OneQuarterDivides) {
  Session s;
  s.type("4b1+0=");
  EXPECT_TRUE(AnswerAsDecimal(*s));
  EXPECT_EQ(s->InpSiki, "4b1+0=4b1=0.25");
  ASSERT_TRUE(s->DecimalNote);
  EXPECT_EQ(s->DecimalNote->text, "【割り切れました】");
  EXPECT_EQ(s->DecimalNote->color, 0x008000u);
  // Once shown, 小S has nothing to add.
  EXPECT_FALSE(AnswerAsDecimal(*s));
  EXPECT_EQ(s->InpSiki, "4b1+0=4b1=0.25");
}

TEST(AnswerAsDecimal, TheCutDecimalRefusesTheOtherForms) {
  Session s([](CalcSettings& c) { c.ANSSYU = 1; });
  s.type("3b4+0=");
  ASSERT_TRUE(AnswerAsDecimal(*s));
  EXPECT_FALSE(AnswerAsMixed(*s));
  expectOneBox(s.sink, "ご報告！", "…表示の小数の後は､ご遠慮を。");
  s.sink.clear();
  s->AnsShownKa = false;
  EXPECT_FALSE(AnswerAsImproper(*s));
  expectOneBox(s.sink, "Debug", "…表示の小数の後はご遠慮してね。");
}

TEST(AnswerAsDecimal, ClearBringsTheButtonsBack) {
  Session s;
  s.type("4b1+0=");
  AnswerAsDecimal(*s);
  AnswerAsImproper(*s);
  ASSERT_FALSE(s.view.syouEnabled);
  ASSERT_FALSE(s.view.kaEnabled);
  s->SikiClear();
  EXPECT_TRUE(s.view.syouEnabled);
  EXPECT_TRUE(s.view.kaEnabled);
  EXPECT_TRUE(s.view.taiEnabled);
  EXPECT_FALSE(s->DecimalNote);
}

// ---- reduce, decimal to fraction, repeating decimals ----

TEST(ReduceLine, AppendsTheReducedFractionAndSaysSo) {
  Session s;
  s.type("6b4");
  EXPECT_TRUE(ReduceLine(*s));
  EXPECT_EQ(s->InpSiki, "6b4=3b2");
  EXPECT_EQ(s.sink.lastStatus(), "◆約分の過程を表示しました。");
  EXPECT_EQ(s->process.ProcType, 0);
  EXPECT_FALSE(s->InpAccept);
}

TEST(ReduceLine, RefusalsKeepTheLineOpen) {
  struct Row {
    const char* typed;
    const char* text;
  };
  for (const Row& row : {Row{"5", "分数でないので、\n約分できません。"},
                         Row{"3b2", "公約数がないので、\n約分できません。"}}) {
    Session s;
    s.type(row.typed);
    EXPECT_FALSE(ReduceLine(*s)) << row.typed;
    expectOneBox(s.sink, "報告!!", row.text);
    EXPECT_EQ(s->InpSiki, row.typed);
    EXPECT_TRUE(s->InpAccept) << row.typed;
  }
}

TEST(ReduceLine, InProcessModeBuildsTheReductionSteps) {
  Session s([](CalcSettings& c) { c.PROCDSP = true; });
  s.type("6b4");
  EXPECT_TRUE(ReduceLine(*s));
  EXPECT_EQ(s->process.ProcType, 9);
  EXPECT_FALSE(s->process.ProcText.empty());
  EXPECT_EQ(s->InpSiki, "6b4");
  EXPECT_FALSE(s->InpAccept);
}

TEST(DecimalToFraction, TheAnswerColumnStaysAfterTheLine) {
  Session s([](CalcSettings& c) {
    c.KAITOURAN_FLAG = true;
    c.SYOUDSP = 1;
  });
  s.type("0.5+0.25=");
  ASSERT_EQ(s->InpSiki, "0.5+0.25=4b3=0.75&4b3");
  EXPECT_TRUE(DecimalToFraction(*s));
  EXPECT_EQ(s->InpSiki, "0.5+0.25=4b3=0.75=4b3&4b3");
}

TEST(DecimalToFraction, DecimalsAndRefusals) {
  Session s;
  s.type("0.25");
  EXPECT_TRUE(DecimalToFraction(*s));
  EXPECT_EQ(s->InpSiki, "0.25=4b1");
  EXPECT_EQ(s.sink.lastStatus(), "◆小数を分数になおしました。");

  Session t;
  t.type("3b2");
  EXPECT_FALSE(DecimalToFraction(*t));
  expectOneBox(t.sink, "Report！", "小数を入力してください！");
  EXPECT_TRUE(t->InpAccept);
}

TEST(DecimalToFraction, InProcessModeBuildsType14) {
  Session s([](CalcSettings& c) { c.PROCDSP = true; });
  s.type("0.25");
  EXPECT_TRUE(DecimalToFraction(*s));
  EXPECT_EQ(s->process.ProcType, 14);
  EXPECT_FALSE(s->InpAccept);
}

TEST(JunkanSyori, BothWays) {
  Session s;
  s.type("3b1");
  EXPECT_TRUE(JunkanSyori(*s));
  EXPECT_EQ(s->InpSiki, "3b1=0.@3");
  EXPECT_EQ(s.sink.lastStatus(), "◆分数を循環小数になおしました。");

  Session t;
  t.type("0.1@6");
  EXPECT_TRUE(JunkanSyori(*t));
  EXPECT_EQ(t->InpSiki, "0.1@6=6b1");
  EXPECT_EQ(t.sink.lastStatus(), "◆循環小数を分数になおしました。");
}

TEST(JunkanSyori, IntegersAndPlainNumbers) {
  Session s;
  s.type("1b4");
  EXPECT_FALSE(JunkanSyori(*s));
  expectOneBox(s.sink, "Report！", "整数は循環小数に直せない。");
  // Neither "@" nor "b": nothing at all.
  Session t;
  t.type("0.5");
  t.sink.clear();
  EXPECT_FALSE(JunkanSyori(*t));
  EXPECT_TRUE(t.sink.empty());
  EXPECT_EQ(t->InpSiki, "0.5");
}

TEST(JunkanSyori, InProcessModeTheRepeatingDecimalGetsType15) {
  Session s([](CalcSettings& c) { c.PROCDSP = true; });
  s.type("0.@3");
  EXPECT_TRUE(JunkanSyori(*s));
  EXPECT_EQ(s->process.ProcType, 15);
  EXPECT_FALSE(s->InpAccept);
}

// ---- every command on an empty line ----

TEST(ConversionCommands, AnEmptyLineIsLeftAlone) {
  for (CalcCommand c : {CalcCommand::AnswerAsDecimal, CalcCommand::AnswerAsImproper,
                        CalcCommand::AnswerAsMixed, CalcCommand::Reduce,
                        CalcCommand::DecimalToFraction, CalcCommand::JunkanSyori,
                        CalcCommand::NsinHenkan}) {
    Session s;
    const int repaints = s.view.repaints;
    EXPECT_TRUE(runConversionCommand(*s, c)) << commandName(c);
    EXPECT_EQ(s->InpSiki, "") << commandName(c);
    EXPECT_TRUE(s->InpAccept) << commandName(c);
    EXPECT_TRUE(s.sink.boxes().empty()) << commandName(c);
    EXPECT_EQ(s.view.repaints, repaints) << commandName(c);
  }
}

TEST(ConversionCommands, OthersAreNotTheirs) {
  Session s;
  EXPECT_FALSE(runConversionCommand(*s, CalcCommand::Solve));
  EXPECT_FALSE(runConversionCommand(*s, CalcCommand::Clear));
  EXPECT_FALSE(runConversionCommand(*s, CalcCommand::Notebook));
}

}  // namespace
}  // namespace ravlo
