// Clear, restore and backspace.
#include <gtest/gtest.h>

#include <string>

#include "calc_state_support.h"
#include "expr/inp_check_msg.h"

namespace ravlo {
namespace {

using testing_support::Session;

TEST(SikiClear, StartsAFreshLine) {
  Session s([](CalcSettings& c) {
    c.ANSSYU = 2;
    c.SYOUDSP = 1;
  });
  s->updateAnsForm();
  s.type("1/3=");
  ASSERT_FALSE(s->InpAccept);
  s->renderer.CursorColor = 0xFF00FF;
  s->renderer.powerFlag = true;
  s->renderer.CursorX = 500;
  s->ScrollPos = 40;
  s->GyoKeisuu = 9;
  s->process.ProcText = "020X5~";
  s->process.ProcType = 3;
  s->SoinsuuShown = true;
  s.sink.clear();

  s->SikiClear();
  EXPECT_EQ(s->InpSiki, "");
  EXPECT_EQ(s->InpCount, 0);
  EXPECT_TRUE(s->InpAccept);
  EXPECT_TRUE(s->RestoreOK);
  EXPECT_EQ(s->PrevJi(), '$');
  EXPECT_EQ(s->check, InpCheckState{});
  EXPECT_FALSE(s->AnsShownTai || s->AnsShownKa || s->AnsShownSyou);
  EXPECT_TRUE(s.view.taiEnabled && s.view.kaEnabled && s.view.syouEnabled);
  EXPECT_FALSE(s->DecimalNote.has_value());
  EXPECT_FALSE(s->SoinsuuShown);
  EXPECT_EQ(s->process.ProcText, "");
  EXPECT_EQ(s->process.ProcType, 0);
  EXPECT_EQ(s->GyoKeisuu, 5);
  EXPECT_EQ(s->ScrollPos, 0);
  EXPECT_EQ(s->renderer.CursorColor, 0xFF0000u);
  EXPECT_FALSE(s->renderer.powerFlag);
  EXPECT_EQ(s->LeftX, 38);
  EXPECT_EQ(s->TopY, 28);
  EXPECT_EQ(s->renderer.CursorX, s->LeftX);
  EXPECT_EQ(s->renderer.CursorY, s->TopY);
  EXPECT_EQ(s.sink.lastStatus(), "");
  // The question is still there to restore.
  EXPECT_EQ(s->LastSiki, "1/3");
}

TEST(SikiClear, TopOfTheLineFollowsProcessModeAndTheInputStringPanel) {
  Session s([](CalcSettings& c) {
    c.PROCDSP = true;
    c.INPUTSTR_DSP = true;
  });
  s->InputPanelHeight = 24;
  s->SikiClear();
  EXPECT_EQ(s->TopY, 28 + 29 + 24);
  EXPECT_EQ(s->renderer.CursorY, s->TopY);
}

TEST(SikiRestore, NothingRightAfterStartUpOrTwiceInARow) {
  Session s;
  EXPECT_EQ(s->SikiRestore(), kRestoreNotAllowed);
  s->SikiClear();
  EXPECT_EQ(s->SikiRestore(), -1);  // nothing typed yet
  EXPECT_EQ(s->SikiRestore(), kRestoreNotAllowed);

  s.type("1+2");
  s->SikiClear();
  EXPECT_EQ(s->SikiRestore(), 1);
  EXPECT_EQ(s->InpSiki, "1+2");
  s.type("+3");
  EXPECT_EQ(s->SikiRestore(), kRestoreNotAllowed);
  EXPECT_EQ(s->InpSiki, "1+2+3");
}

TEST(SikiRestore, BringsBackTheQuestionAfterAnAnswer) {
  Session s;
  s.type("3b1+3b1=");
  ASSERT_EQ(s->InpSiki, "3b1+3b1=3b2");
  s->SikiClear();
  EXPECT_EQ(s->SikiRestore(), 1);
  EXPECT_EQ(s->InpSiki, "3b1+3b1");
  EXPECT_EQ(s->InpCount, 7);
  EXPECT_TRUE(s->InpAccept);
  EXPECT_FALSE(s->RestoreOK);
  EXPECT_EQ(s.type("="), kJiComputed);
  EXPECT_EQ(s->InpSiki, "3b1+3b1=3b2");
}

TEST(SikiRestore, EquationComesBackWithItsEqualsSign) {
  Session s([](CalcSettings& c) { c.KAKERU_ABR = 1; });
  s.type("2x+1=5");
  // As the solve command leaves it: the answer column after "&".
  s->LastSiki = "2x+1=5&x＝2";
  s->SikiClear();
  EXPECT_EQ(s->SikiRestore(), 1);
  EXPECT_EQ(s->InpSiki, "2x+1=5");
  EXPECT_TRUE(s->InpAccept);
}

TEST(SikiRestore, OverAFinishedLineStartsANewLine) {
  Session s;
  s->SikiClear();
  s.type("1+2=");
  ASSERT_FALSE(s->InpAccept);
  ASSERT_TRUE(s->RestoreOK);
  EXPECT_EQ(s->SikiRestore(), 1);
  EXPECT_EQ(s->InpSiki, "1+2");
  EXPECT_TRUE(s->InpAccept);
  EXPECT_FALSE(s->RestoreOK);
}

TEST(SikiRestore, BaseNPutsTheTextBackDirectly) {
  Session s;
  s->NsinMode = true;
  s.type("255");
  s->SikiClear();
  EXPECT_EQ(s->LastSiki, "255");
  EXPECT_EQ(s->SikiRestore(), 1);
  EXPECT_EQ(s->InpSiki, "255");
  EXPECT_TRUE(s->InpAccept);
  EXPECT_TRUE(s.sink.boxes().empty());
}

TEST(SikiRestore, BaseNNumberWithLettersCannotComeBack) {
  Session s;
  s->NsinMode = true;
  s.type("12");
  s->appendDirect('A');
  s->SikiClear();
  EXPECT_EQ(s->LastSiki, "12A");
  EXPECT_EQ(s->SikiRestore(), 1);
  const auto boxes = s.sink.boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].caption, "深謝！");
  EXPECT_EQ(boxes[0].text, "Ａ～Ｆ を含む数字は復活できません。\n再入力してください。");
  EXPECT_EQ(s->InpSiki, "");
  EXPECT_EQ(s->LastSiki, "");
  EXPECT_TRUE(s->InpAccept);
}

TEST(SikiBackSpace, RemovesTheLastTokenAndKeepsTheCheckerInStep) {
  const struct {
    const char* typed;
    const char* after;
    const char* next;        // typed after the backspace
    const char* finalLine;   // the line after `next`
  } rows[] = {
      {"12+3", "12+", "-", "12+"},         // "-" after an operator is still refused
      {"12+3", "12+", "4", "12+4"},
      {"(1)", "(1", "=", "(1"},            // the bracket is open again
      {"(1)", "(1", ")", "(1)"},
      {"[2K3", "[2K", "3B1]", "[2K3B1]"},   // still inside the expression fraction
      {"-3", "m", "-3", "m3"},              // a second sign is refused
      {"0.1@6", "0.1@", "6", "0.1@6"},
      {"3b", "3", "b2", "3b2"},
  };
  for (const auto& r : rows) {
    Session s;
    s.type(r.typed);
    EXPECT_EQ(s->SikiBackSpace(), 1) << r.typed;
    EXPECT_EQ(s->InpSiki, r.after) << r.typed;
    EXPECT_EQ(s->InpCount, static_cast<int>(std::string(r.after).size())) << r.typed;
    EXPECT_FALSE(s->RestoreOK) << r.typed;
    EXPECT_FALSE(s->ReplayMode) << r.typed;
    s.type(r.next);
    EXPECT_EQ(s->InpSiki, r.finalLine) << r.typed << " then " << r.next;
  }
}

TEST(SikiBackSpace, IgnoredAfterEqualsAndOnAnEmptyLine) {
  Session s;
  EXPECT_EQ(s->SikiBackSpace(), -2);
  s.type("1+2=");
  EXPECT_EQ(s->SikiBackSpace(), -1);
  EXPECT_EQ(s->InpSiki, "1+2=3");
  EXPECT_FALSE(s->InpAccept);
}

TEST(SikiBackSpace, RestoreAfterBackspaceDoesNothing) {
  Session s;
  s.type("1+23");
  s->SikiBackSpace();
  EXPECT_EQ(s->SikiRestore(), kRestoreNotAllowed);
  EXPECT_EQ(s->InpSiki, "1+2");
}

TEST(SikiBackSpace, BackspacesDownToNothing) {
  Session s;
  s.type("(3b2)^2");
  for (int i = 0; i < 7; ++i) EXPECT_EQ(s->SikiBackSpace(), 1);
  EXPECT_EQ(s->InpSiki, "");
  EXPECT_EQ(s->SikiBackSpace(), -2);
  EXPECT_EQ(s->check, InpCheckState{});
}

}  // namespace
}  // namespace ravlo
