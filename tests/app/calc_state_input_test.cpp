// Typing sessions through the calculation state: tokens, refusals, the length limit, speech
// of typed tokens, and the keys of the key table carried out on the state.
#include <gtest/gtest.h>

#include <string>

#include "calc_state_support.h"
#include "expr/inp_check_msg.h"

namespace ravlo {
namespace {

using testing_support::Session;

constexpr KeyMods kShift{true, false, false};
constexpr KeyMods kCtrl{false, true, false};

TEST(CalcStateInput, AcceptedTokensBuildTheLine) {
  const struct {
    const char* typed;
    bool kakeruAbr;
    const char* line;
  } rows[] = {
      {"-3", false, "m3"},
      {"+3", false, "p3"},
      {"3-2", false, "3-2"},
      {"(-3)", false, "(m3)"},
      {"3b2+1k4b3", false, "3b2+1k4b3"},
      {"[2k3b1]", false, "[2K3B1]"},
      {"(3b2)^2", false, "(3b2)^2"},
      {"0.1@6", false, "0.1@6"},
      {"5P2*5C2+4!", false, "5P2*5C2+4!"},
      {"2(", true, "2("},
      {"2x", true, "2x"},
      {"4:6", false, "4:6"},
  };
  for (const auto& r : rows) {
    Session s([&](CalcSettings& c) { c.KAKERU_ABR = r.kakeruAbr ? 1 : 0; });
    EXPECT_EQ(s.type(r.typed), kJiAccepted) << r.typed;
    EXPECT_EQ(s->InpSiki, r.line) << r.typed;
    EXPECT_EQ(s->LastSiki, r.line) << r.typed;
    EXPECT_EQ(s->InpCount, static_cast<int>(std::string(r.typed).size())) << r.typed;
    EXPECT_EQ(s->PrevJi(), r.line[std::string(r.line).size() - 1]) << r.typed;
    EXPECT_TRUE(s->InpAccept);
    EXPECT_EQ(s.view.repaints, static_cast<int>(std::string(r.typed).size())) << r.typed;
  }
}

TEST(CalcStateInput, RefusedTokenChangesNothingButTheStatusText) {
  const struct {
    const char* typed;
    char refused;
    int error;
  } rows[] = {
      {"", ')', 0},
      {"3-", '-', 4},
      {"3b2", '^', 28},
      {"2", '(', 22},
      {"2", 'x', 33},
      {"1.2", '.', 29},
      {"1k2", '.', 9},
      {"(1+2", '=', 19},
      {"1", ')', 20},
      {"3<4", '<', 40},
      {"1:2", ':', 38},
      {"[1+2", 'k', 27},
      {"[2K3B1", '=', 30},
      {"1234567890123456789", '0', 21},
  };
  for (const auto& r : rows) {
    Session s;
    s.type(r.typed);
    const std::string before = s->InpSiki;
    const int count = s->InpCount;
    const int repaints = s.view.repaints;
    EXPECT_EQ(s->JiInput(r.refused), kJiRefused) << r.typed << r.refused;
    EXPECT_EQ(s->InpSiki, before) << r.typed << r.refused;
    EXPECT_EQ(s->InpCount, count);
    EXPECT_EQ(s->InpErrNo(), r.error) << r.typed << r.refused;
    EXPECT_EQ(s.sink.lastStatus(), inpCheckMessage(r.error)) << r.typed << r.refused;
    EXPECT_EQ(s.view.repaints, repaints);
    EXPECT_TRUE(s->InpAccept);
  }
}

TEST(CalcStateInput, StatusTextsAreTheCheckersOwnWords) {
  Session s;
  s.type("3-");
  s->JiInput('-');
  EXPECT_EQ(s.sink.lastStatus(), "[4]: 演算記号の連続は不可");
  // The next accepted token clears the status bar.
  s->JiInput('2');
  EXPECT_EQ(s.sink.lastStatus(), "");
  EXPECT_EQ(s->InpSiki, "3-2");
}

TEST(CalcStateInput, TwentiethDigitShowsTheSmallWindowToo) {
  Session s;
  s.type("1234567890123456789");
  s.sink.clear();
  EXPECT_EQ(s->JiInput('0'), kJiRefused);
  ASSERT_FALSE(s.sink.entries().empty());
  EXPECT_EQ(s.sink.entries().front().kind, RecordingSink::Kind::Small);
  EXPECT_EQ(s.sink.entries().front().text, "$ 19ケタ以上は入力不可！");
  EXPECT_EQ(s.sink.lastStatus(), "[21]: 入力数値が１９ケタを超えた");
}

TEST(CalcStateInput, KeyWithoutMeaningOnlyClearsTheStatusBar) {
  Session s;
  s.type("3-");
  s->JiInput('-');
  EXPECT_NE(s.sink.lastStatus(), "");
  EXPECT_EQ(s.press('Y'), kJiRefused);
  EXPECT_EQ(s.sink.lastStatus(), "");
  EXPECT_EQ(s->InpSiki, "3-");
}

std::string tokensOf(int count) {
  // "1+1+...": one token per character, never a long digit run.
  std::string text;
  for (int i = 0; i < count; ++i) text += (i % 2 == 0) ? '1' : '+';
  return text;
}

TEST(CalcStateInput, The257thTokenIsAppendedAndTheNextOneRefused) {
  Session s;
  EXPECT_EQ(s.type(tokensOf(256)), kJiAccepted);
  EXPECT_EQ(s->InpCount, 256);
  EXPECT_EQ(s->JiInput('1'), kJiAccepted);  // the 257th
  EXPECT_EQ(s->InpCount, 257);
  EXPECT_EQ(s->InpSiki, tokensOf(257));
  EXPECT_EQ(s->JiInput('+'), kJiRefused);
  EXPECT_EQ(s.sink.lastStatus(), "式の長さが256字を超えた!!");
  EXPECT_EQ(s->InpSiki, tokensOf(257));
  EXPECT_EQ(s->InpCount, 257);
  // "=" is a token too: the full line cannot be closed, only edited.
  EXPECT_EQ(s->JiInput('='), kJiRefused);
  EXPECT_TRUE(s->InpAccept);
  EXPECT_EQ(s->SikiBackSpace(), 1);
  EXPECT_EQ(s->InpSiki, tokensOf(256));
  EXPECT_EQ(s->InpCount, 256);
}

TEST(CalcStateInput, RefusedTokensDoNotCountTowardsTheLimit) {
  Session s;
  s.type(tokensOf(255));  // ends in "1"
  for (int i = 0; i < 50; ++i) s->JiInput('(');
  EXPECT_EQ(s->InpCount, 255);
  EXPECT_EQ(s.type("+1"), kJiAccepted);
  EXPECT_EQ(s->InpCount, 257);
}

TEST(CalcStateInput, EquationWaitsForTheSolveCommand) {
  Session s([](CalcSettings& c) {
    c.EQUAL_KAIGYO = true;
    c.KAKERU_ABR = 1;
  });
  EXPECT_EQ(s.type("2x+1="), kJiAccepted);
  EXPECT_FALSE(s.settings.EQUAL_KAIGYO);
  EXPECT_EQ(s.type("5"), kJiAccepted);
  EXPECT_EQ(s->InpSiki, "2x+1=5");
  EXPECT_EQ(s->LastSiki, "2x+1=5");
  EXPECT_TRUE(s->InpAccept);
  EXPECT_TRUE(s.sink.boxes().empty());
  // A second "=" is not appended, and the checker is not left a step ahead of the text.
  EXPECT_EQ(s->JiInput('='), kJiRefused);
  EXPECT_EQ(s->InpSiki, "2x+1=5");
  EXPECT_EQ(s->PrevJi(), '5');
  EXPECT_EQ(s.type("+x"), kJiAccepted);
  EXPECT_EQ(s->InpSiki, "2x+1=5+x");
  // EQUAL_KAIGYO stays off after the line is cleared.
  s->SikiClear();
  EXPECT_FALSE(s.settings.EQUAL_KAIGYO);
}

TEST(CalcStateInput, InequalityWithoutXIgnoresEquals) {
  Session s;
  s.type("3<4");
  const InpCheckState before = s->check;
  EXPECT_EQ(s->JiInput('='), kJiRefused);
  EXPECT_EQ(s->InpSiki, "3<4");
  EXPECT_TRUE(s->InpAccept);
  EXPECT_EQ(s->check, before);
  // A "+" after the ignored "=" is still the operator, not a sign.
  EXPECT_EQ(s->JiInput('+'), kJiAccepted);
  EXPECT_EQ(s->InpSiki, "3<4+");
}

TEST(CalcStateInput, LessOrEqualWithoutXKeepsOnlyTheLessSign) {
  Session s;
  s.press(vk::Comma, kShift);  // "<" needs something before it
  EXPECT_EQ(s->InpSiki, "");
  s.type("3<=4");
  EXPECT_EQ(s->InpSiki, "3<4");
  Session t;
  EXPECT_EQ(t.type("x<=4"), kJiAccepted);
  EXPECT_EQ(t->InpSiki, "x<=4");
}

TEST(CalcStateInput, ClosedInputIgnoresTokensSilently) {
  Session s;
  s.type("1+2=");
  ASSERT_FALSE(s->InpAccept);
  s.sink.clear();
  EXPECT_EQ(s->JiInput('3'), kJiClosed);
  EXPECT_EQ(s->JiInput('%'), kJiClosed);
  EXPECT_TRUE(s.sink.empty());
  EXPECT_EQ(s->InpSiki, "1+2=3");
}

TEST(CalcStateInput, EveryInputSpeaksEachAcceptedToken) {
  Session s([](CalcSettings& c) { c.EVERYINPUT = 1; });
  s.type("-1+2");
  s->JiInput('+');
  s->JiInput('+');  // refused: not spoken
  ASSERT_EQ(s.voice.spoken.size(), 5u);
  EXPECT_EQ(s.voice.spoken[0].first, "m");
  EXPECT_EQ(s.voice.spoken[4].first, "+");
  EXPECT_FALSE(s.voice.spoken[0].second);
  // Backspace re-enters the tokens without a word.
  EXPECT_EQ(s->SikiBackSpace(), 1);
  EXPECT_EQ(s->InpSiki, "m1+2");
  EXPECT_EQ(s.voice.spoken.size(), 5u);
  // Restore is typing again and speaks.
  s->SikiClear();
  s->SikiRestore();
  EXPECT_EQ(s.voice.spoken.size(), 9u);
}

TEST(CalcStateInput, EveryInputIsSilentInProcessMode) {
  Session s([](CalcSettings& c) {
    c.EVERYINPUT = 1;
    c.PROCDSP = true;
  });
  s.type("1+2");
  EXPECT_TRUE(s.voice.spoken.empty());
}

TEST(CalcStateInput, InputStringPanelShowsTheRawText) {
  Session s([](CalcSettings& c) { c.INPUTSTR_DSP = true; });
  s.type("3b2");
  ASSERT_FALSE(s.view.captions.empty());
  EXPECT_EQ(s.view.captions.back(), "3b2");
  s->InpStrDsp("1&2&3");
  EXPECT_EQ(s.view.captions.back(), "1＆2＆3");
  s->SikiClear();
  EXPECT_EQ(s.view.captions.back(), "");
  Session off;
  off.type("3b2");
  EXPECT_TRUE(off.view.captions.empty());
}

TEST(CalcStateKeys, TypingSessionByKeyboard) {
  Session s;
  s.press('3');
  s.press('B');  // "b": over
  s.press('2');
  s.press(vk::Add);
  s.press(vk::Numpad0 + 1);
  EXPECT_EQ(s->InpSiki, "3b2+1");
  EXPECT_EQ(s.press(vk::Enter), kJiComputed);
  EXPECT_EQ(s->InpSiki, "3b2+1=1k3b2");
}

TEST(CalcStateKeys, ShiftedAndPlainTokens) {
  Session s;
  s.press('8', kShift);        // (
  s.press(vk::Minus);          // a sign after "(": m
  s.press('1');
  s.press('K');                // k: and
  s.press(vk::PageDown);       // b: refused, the denominator comes first
  EXPECT_EQ(s->InpSiki, "(m1k");
  s.press('3');
  s.press('B');
  s.press('2');
  s.press('9', kShift);        // )
  s.press(vk::Colon, kShift);  // *
  s.press('4');
  s.press('1', kShift);        // !
  EXPECT_EQ(s->InpSiki, "(m1k3b2)*4!");
}

TEST(CalcStateKeys, YenTypesThePiApproximation) {
  Session s;
  s.type("2*");
  s.press(vk::Yen);
  EXPECT_EQ(s->InpSiki, "2*3.14");
  EXPECT_EQ(s.sink.lastStatus(), "");
  s->PaiStr = "3.1416";
  s.type("+");
  s.press(vk::Yen, kShift);
  EXPECT_EQ(s->InpSiki, "2*3.14+3.1416");
}

TEST(CalcStateKeys, EditingKeys) {
  Session s;
  s.type("12+3");
  s.press(vk::Left);
  EXPECT_EQ(s->InpSiki, "12+");
  s.press(vk::BackSpace);
  EXPECT_EQ(s->InpSiki, "12");
  s.press(vk::Delete);
  EXPECT_EQ(s->InpSiki, "");
  EXPECT_TRUE(s->RestoreOK);
  s.press(vk::Insert);
  EXPECT_EQ(s->InpSiki, "12");
  s.press('D', kCtrl);
  EXPECT_EQ(s->InpSiki, "");
  s.press('H', kCtrl);
  EXPECT_EQ(s->InpSiki, "12");
}

TEST(CalcStateKeys, LineSpacingAndPageHeightStayInTheirRanges) {
  Session s;
  s.press(vk::PageUp, kShift);
  EXPECT_EQ(s->GyoKeisuu, 6);
  EXPECT_EQ(s.settings.GYOKEISUU, 6);
  for (int i = 0; i < 20; ++i) s.press(vk::PageUp, kShift);
  EXPECT_EQ(s->GyoKeisuu, 12);
  for (int i = 0; i < 20; ++i) s.press(vk::PageDown, kShift);
  EXPECT_EQ(s->GyoKeisuu, 1);
  EXPECT_EQ(s.settings.GYOKEISUU, 1);

  s.press(vk::PageUp, kCtrl);
  EXPECT_EQ(s.settings.PAGEA4BAI, 101);
  for (int i = 0; i < 400; ++i) s.press(vk::PageUp, kCtrl);
  EXPECT_EQ(s.settings.PAGEA4BAI, 400);
  for (int i = 0; i < 400; ++i) s.press(vk::PageDown, kCtrl);
  EXPECT_EQ(s.settings.PAGEA4BAI, 80);
  EXPECT_EQ(s->InpSiki, "");
}

TEST(CalcStateKeys, ScrollingStaysOnThePage) {
  Session s;
  s->ClientHeight = 400;
  s.press(vk::Down);
  EXPECT_EQ(s->ScrollPos, 4);
  s.press(vk::Up);
  s.press(vk::Up);
  EXPECT_EQ(s->ScrollPos, 0);
  // Home and End scroll only while input is closed; while typing they are brackets.
  s.press(vk::End);
  EXPECT_EQ(s->ScrollPos, 0);
  s.type("1+2=");
  s.press(vk::End);
  EXPECT_EQ(s->ScrollPos, 400);
  s.press(vk::Home);
  EXPECT_EQ(s->ScrollPos, 0);
  s->ClientHeight = 1000000;
  s.press(vk::End);
  EXPECT_EQ(s->ScrollPos, s->scrollRange());
  for (int i = 0; i < 10; ++i) s.press(vk::Down);
  EXPECT_EQ(s->ScrollPos, s->scrollRange());
  // A clear scrolls back to the top.
  s->SikiClear();
  EXPECT_EQ(s->ScrollPos, 0);
}

TEST(CalcStateKeys, ProcessDisplayAndLineBreakSwitches) {
  Session s;
  s.press(vk::F5);
  EXPECT_TRUE(s.settings.PROCDSP);
  EXPECT_EQ(s->ProcTop, 29);  // round(1.5 × 19)
  s.press(vk::F5);
  EXPECT_FALSE(s.settings.PROCDSP);
  EXPECT_EQ(s->ProcTop, 0);
  s.press('L', kCtrl);
  EXPECT_TRUE(s.settings.EQUAL_KAIGYO);
  s.press('L', kCtrl);
  EXPECT_FALSE(s.settings.EQUAL_KAIGYO);
}

TEST(CalcStateKeys, OtherCommandsGoToTheirOwners) {
  Session s;
  s.press('S', kCtrl);
  s.press('T', kCtrl);
  s.press('Q', kCtrl);
  s.press('N', kShift);
  s.press(vk::Slash, kShift);
  s.press(vk::F8);
  s.press('J', KeyMods{false, false, true});
  const std::vector<CalcCommand> expected = {
      CalcCommand::AnswerAsDecimal, CalcCommand::AnswerAsMixed,    CalcCommand::Solve,
      CalcCommand::NsinModeSwitch,  CalcCommand::NsinHenkan,       CalcCommand::InputPanelSwitch,
      CalcCommand::SettingsDialog,
  };
  EXPECT_EQ(s.commands.ran, expected);
  EXPECT_EQ(s->InpSiki, "");
}

TEST(CalcStateKeys, F7FocusesAnOpenToolBoxElseClosesABracket) {
  Session s;
  s.type("(1");
  s.commands.boxOpen = true;
  s.press(vk::F7);
  EXPECT_EQ(s->InpSiki, "(1");
  ASSERT_EQ(s.commands.ran.size(), 1u);
  EXPECT_EQ(s.commands.ran[0], CalcCommand::FocusToolBox);
  s.commands.boxOpen = false;
  s.press(vk::F7);
  EXPECT_EQ(s->InpSiki, "(1)");
}

TEST(CalcStateKeys, ReturnKeyFollowsTheSetting) {
  Session s([](CalcSettings& c) { c.RETKEYFLAG = false; });
  s.type("1+2");
  EXPECT_EQ(s.press(vk::Enter), kJiRefused);
  EXPECT_TRUE(s->InpAccept);
  EXPECT_EQ(s.press(vk::Enter, kShift), kJiComputed);
  EXPECT_EQ(s->InpSiki, "1+2=3");
}

TEST(CalcStateBaseN, DigitsAToFAndTheArrowBypassTheChecker) {
  Session s;
  s->NsinMode = true;
  s.type("12");
  s.press('A');
  s.press('F');
  EXPECT_EQ(s->InpSiki, "12AF");
  s.press(vk::Period);
  s.press(vk::Decimal);  // only one ">"
  EXPECT_EQ(s->InpSiki, "12AF>");
  EXPECT_EQ(s->InpCount, 2);
  EXPECT_EQ(s->LineMark().text, "Ｎ ");
}

TEST(CalcStateBaseN, BackspaceKeepsTheLettersBeforeTheLastCharacter) {
  Session s;
  s->NsinMode = true;
  s.type("1");
  s.press('A');
  s.type("2");
  s.press(vk::Period);
  s.type("1");
  s.type("6");
  EXPECT_EQ(s->InpSiki, "1A2>16");
  EXPECT_EQ(s->SikiBackSpace(), 1);
  EXPECT_EQ(s->InpSiki, "1A2>1");
  EXPECT_EQ(s->InpCount, 3);
}

TEST(CalcStateBaseN, EqualsRunsTheConversionCommand) {
  Session s([](CalcSettings& c) { c.KAKERU_ABR = 1; });
  s->NsinMode = true;
  s.type("11(2)");
  const InpCheckState before = s->check;
  EXPECT_EQ(s->JiInput('='), kJiRefused);
  ASSERT_EQ(s.commands.ran.size(), 1u);
  EXPECT_EQ(s.commands.ran[0], CalcCommand::NsinHenkan);
  EXPECT_EQ(s->InpSiki, "11(2)");
  EXPECT_EQ(s->check, before);
}

TEST(CalcStateBaseN, DirectAppendsRespectAClosedLineAndTheLength) {
  Session s;
  s->NsinMode = true;
  s.type("255");
  s->closeInput();
  EXPECT_FALSE(s->appendDirect('A'));
  EXPECT_EQ(s->InpSiki, "255");
  s->SikiClear();
  for (int i = 0; i < 400; ++i) s->appendDirect('A');
  EXPECT_EQ(s->InpSiki.size(), 257u);
  EXPECT_EQ(s.sink.lastStatus(), "式の長さが256字を超えた!!");
}

}  // namespace
}  // namespace ravlo
