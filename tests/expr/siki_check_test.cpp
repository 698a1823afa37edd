#include <gtest/gtest.h>

#include <random>
#include <string>

#include "core/message_sink.h"
#include "expr/inp_check.h"
#include "expr/inp_check_msg.h"

namespace ravlo {
namespace {

struct Row {
  const char* text;
  bool kakeruAbr;
  bool relaxed;
  std::size_t pos;      // 0 accepted, else the refused position
  int error;            // when refused
  const char* checked;  // when accepted: the converted text
};

TEST(SikiCheck, AcceptsOrRefusesWithTheRightPositionAndMessage) {
  const Row rows[] = {
      {"-3", false, false, 0, 0, "m3"},
      {"+3", false, false, 0, 0, "p3"},
      {"3-1", false, false, 0, 0, "3-1"},
      {"3--", false, false, 3, 4, ""},
      {"1+*2", false, false, 3, 4, ""},
      {"3b2^2", false, false, 4, 28, ""},
      {"(3b2)^2", false, false, 0, 0, "(3b2)^2"},
      {"(3b2)^2=", false, false, 0, 0, "(3b2)^2="},
      {"2(", false, false, 2, 22, ""},
      {"2(1)", true, false, 0, 0, "2(1)"},
      {"2x", false, false, 2, 33, ""},
      {"2x", true, false, 0, 0, "2x"},
      {"xx", true, false, 2, 35, ""},
      {"xx", false, false, 2, 22, ""},
      {"1.2.3", false, false, 4, 29, ""},
      {"0.1@6=", false, false, 0, 0, "0.1@6="},
      {"0.1@6@", false, false, 6, 13, ""},
      {"0.@3=", false, false, 0, 0, "0.@3="},
      {"0.@@3", false, false, 4, 13, ""},
      {"1k2.5", false, false, 4, 9, ""},
      {"1b2.5", false, false, 4, 10, ""},
      {"1.5b2", false, false, 4, 13, ""},
      {"(1+2=", false, false, 5, 19, ""},
      {"1)", false, false, 2, 20, ""},
      {")", false, false, 1, 0, ""},
      {"3<4<5", false, false, 4, 40, ""},
      {"3<=4", false, false, 0, 0, "3<=4"},
      {"3>=4", false, false, 0, 0, "3>=4"},
      {"1=2<3", false, false, 4, 40, ""},
      {"1:2:3", false, false, 4, 38, ""},
      {"1:2=3:x", false, false, 0, 0, "1:2=3:x"},
      {"[1+2K", false, false, 5, 27, ""},
      {"[2K3B1]", false, false, 0, 0, "[2K3B1]"},
      {"[2k3b1]", false, false, 0, 0, "[2K3B1]"},
      {"[(1+1)B3]", false, false, 0, 0, "[(1+1)B3]"},
      {"[mK3B1]", false, false, 0, 0, "[mK3B1]"},
      {"[-k3b1]=", false, false, 0, 0, "[mK3B1]="},
      {"[2K3B1=", false, false, 7, 30, ""},
      {"[2K3B1]=", false, false, 0, 0, "[2K3B1]="},
      {"2[1B2]", false, false, 2, 22, ""},
      {"[1B[", false, false, 4, 32, ""},
      {"2^m1", false, false, 0, 0, "2^m1"},
      {"2^-1", false, false, 0, 0, "2^m1"},
      {"3b1+-2", false, false, 0, 0, "3b1+m2"},
      {"3+-2", false, false, 3, 4, ""},
      {"2*m3", false, false, 3, 4, ""},
      {"2*m3", false, true, 0, 0, "2*m3"},
      {"2*(m3)", false, false, 0, 0, "2*(m3)"},
      {"m(1+2)", false, false, 0, 0, "m(1+2)"},
      {"5P2+5C2", false, false, 0, 0, "5P2+5C2"},
      {"3!!", false, false, 3, 8, ""},
      {"1.2u=", false, false, 0, 0, "1.2u="},
      {"1.2u+", false, false, 5, 14, ""},
      {"1+2=3", false, false, 0, 0, "1+2=3"},
      {"3b1+2=2k3b1=3b7=2.33333333333333333u", false, false, 0, 0,
       "3b1+2=2k3b1=3b7=2.33333333333333333u"},
      {"1==", false, false, 3, 0, ""},
      {"=", false, false, 1, 0, ""},
      {"1+2=&3", false, false, 0, 0, "1+2=&3"},
      {"3b1+2=2k3b1&2k3b1", false, false, 0, 0, "3b1+2=2k3b1&2k3b1"},
      {"%", false, false, 1, 39, ""},
      {"", false, false, 0, 0, ""},
      // Two different variables in a row stay a product of variables.
      {"xy+1=", true, false, 0, 0, "xy+1="},
      {"(xy)", true, false, 0, 0, "(xy)"},
      {"[xy+1B2]", true, false, 0, 0, "[xy+1B2]"},
      // Square-root marks are not part of the language.
      {"r", false, false, 1, 0, ""},
      {"2r", false, false, 2, 3, ""},
      {"1+_", false, false, 3, 4, ""},
      {"[r", false, false, 2, 32, ""},
      {"2x+3=7&x＝2", true, false, 9, 16, ""},
      // A text that stops where "=" would be refused is refused there, as "=" is.
      {"1+1k5", false, false, 6, 9, ""},
      {"2b32+24+1k53", false, false, 13, 9, ""},
      {"0/9999999k999", false, false, 14, 9, ""},
      {"3-", false, false, 3, 4, ""},
      {"3b2+", false, false, 5, 0, ""},
      {"2(", true, false, 3, 1, ""},
      {"(1+2", false, false, 5, 19, ""},
      {"1.", false, false, 3, 5, ""},
      {"5P", false, false, 3, 15, ""},
      {"[2K3B1", false, false, 7, 30, ""},
      {"1+2=3&", false, false, 0, 0, "1+2=3&"},
      {"1+1k5&2", false, false, 6, 9, ""},
      {"1+2=3&3*", false, false, 0, 0, "1+2=3&3*"},  // an answer column need not be one
  };
  for (const auto& r : rows) {
    RecordingSink sink;
    InpCheckState st;
    st.relaxedSigns = r.relaxed;
    const std::size_t pos = SikiCheck(st, r.text, false, true, r.kakeruAbr, false, sink);
    SCOPED_TRACE(r.text);
    EXPECT_EQ(pos, r.pos);
    if (pos == 0 && r.pos == 0) {
      EXPECT_EQ(st.checkedText, r.checked);
      EXPECT_FALSE(st.fractionMode);
    } else if (pos != 0 && r.pos != 0) {
      EXPECT_EQ(st.InpErrNo, r.error);
    }
    EXPECT_TRUE(sink.empty());
  }
}

TEST(SikiCheck, ReportBoxNamesPositionAndMessage) {
  RecordingSink sink;
  InpCheckState st;
  EXPECT_EQ(SikiCheck(st, "1+*2", false, false, false, true, sink), 3u);
  ASSERT_EQ(sink.boxes().size(), 1u);
  EXPECT_EQ(sink.boxes()[0].caption, "ｴﾗｰの報告");
  EXPECT_EQ(sink.boxes()[0].text, "文字列>> 1+*2\n\n◇ｴﾗｰ:: (3字目) [4]: 演算記号の連続は不可");

  sink.clear();
  EXPECT_EQ(SikiCheck(st, "%", false, false, false, true, sink), 1u);
  ASSERT_EQ(sink.boxes().size(), 1u);
  EXPECT_EQ(sink.boxes()[0].text, "文字列>> %\n\n◇ｴﾗｰ:: (1字目) ");

  sink.clear();
  EXPECT_EQ(SikiCheck(st, "1+2=", false, false, false, true, sink), 0u);
  EXPECT_TRUE(sink.empty());
}

TEST(SikiCheck, StripAfterEqualsChecksOnlyTheQuestion) {
  NullSink sink;
  InpCheckState st;
  EXPECT_EQ(SikiCheck(st, "1+2=**", true, true, false, false, sink), 0u);
  EXPECT_EQ(st.checkedText, "1+2=");
  EXPECT_EQ(SikiCheck(st, "1+2=**", false, true, false, false, sink), 5u);
  EXPECT_EQ(SikiCheck(st, "1+*2=3", true, false, false, false, sink), 3u);
  EXPECT_EQ(SikiCheck(st, "1+2", true, false, false, false, sink), 0u);
}

TEST(SikiCheck, StartsEveryLineAfresh) {
  NullSink sink;
  InpCheckState st;
  EXPECT_EQ(SikiCheck(st, "[1B(2", false, false, false, false, sink), 6u);  // still inside "[ ]"
  EXPECT_EQ(SikiCheck(st, "1:2=3<4", false, false, false, false, sink), 6u);  // "<" after "="
  EXPECT_EQ(SikiCheck(st, "1<2", false, true, false, false, sink), 0u);
  EXPECT_EQ(SikiCheck(st, "(1)=", false, false, false, false, sink), 0u);
  EXPECT_EQ(st.openCount, 1);
  EXPECT_EQ(st.closeCount, 1);
  EXPECT_EQ(SikiCheck(st, "1:2", false, false, false, false, sink), 0u);
}

std::string digits(std::size_t n) {
  std::string s;
  for (std::size_t i = 0; i < n; ++i) s += static_cast<char>('1' + i % 9);
  return s;
}

TEST(DigitLimit, NineteenDigitsPassTheTwentiethIsRefusedWithANotice) {
  struct Case {
    std::string text;
    std::size_t pos;
  };
  const Case cases[] = {
      {digits(19), 0},
      {digits(19) + "+" + digits(19) + "=", 0},
      {digits(20), 20},
      {"1+" + digits(20), 22},
      {"0." + digits(19), 0},
      {"0." + digits(20), 22},
      {"0.@" + digits(20), 23},
      {"3b" + digits(20), 22},
      {"1^" + digits(20), 22},
      {"[" + digits(19) + "B2]", 0},
      {"[" + digits(20), 21},
      {"[1B" + digits(20), 23},
      {std::string(10000, '1'), 20},
  };
  for (const auto& c : cases) {
    RecordingSink sink;
    InpCheckState st;
    SCOPED_TRACE(c.text.substr(0, 40));
    EXPECT_EQ(SikiCheck(st, c.text, false, false, false, false, sink), c.pos);
    if (c.pos == 0) {
      EXPECT_TRUE(sink.empty());
      continue;
    }
    EXPECT_EQ(st.InpErrNo, 21);
    ASSERT_EQ(sink.entries().size(), 1u);
    const auto& e = sink.entries()[0];
    EXPECT_EQ(e.kind, RecordingSink::Kind::Small);
    EXPECT_EQ(e.text, "$ 19ケタ以上は入力不可！");
    EXPECT_EQ(e.caption, "警告！");
    EXPECT_EQ(e.displayMs, 1500);
  }
}

// Typing: a refused key must not reset the count of the digits already on the line.
TEST(DigitLimit, RefusedKeysDoNotOpenAWayPastTheLimit) {
  RecordingSink sink;
  InpCheckState st;
  auto type = [&](char c) {
    bool ok = CharCheck(st, c, false, sink);
    if (ok) st.PrevJi = st.CurJi;
    return ok;
  };
  for (char c : digits(19)) ASSERT_TRUE(type(c));
  EXPECT_FALSE(type('x'));
  EXPECT_FALSE(type('%'));
  EXPECT_FALSE(type('('));
  EXPECT_FALSE(type('7'));
  EXPECT_EQ(st.InpErrNo, 21);
  EXPECT_FALSE(type('7'));
  EXPECT_TRUE(type('+'));
  EXPECT_TRUE(type('7'));
  EXPECT_EQ(st.digitRun, 1);
}

TEST(CharCheck, TypingConvertsSignsAndLeavesThePreviousCharacterToTheCaller) {
  NullSink sink;
  InpCheckState st;
  ASSERT_TRUE(CharCheck(st, '-', false, sink));
  EXPECT_EQ(st.CurJi, 'm');
  EXPECT_EQ(st.PrevJi, '$');
  st.PrevJi = st.CurJi;
  ASSERT_TRUE(CharCheck(st, '3', false, sink));
  st.PrevJi = st.CurJi;
  ASSERT_TRUE(CharCheck(st, '-', false, sink));
  EXPECT_EQ(st.CurJi, '-');
  st.PrevJi = st.CurJi;
  EXPECT_FALSE(CharCheck(st, '-', false, sink));
  EXPECT_EQ(st.InpErrNo, 4);
  EXPECT_EQ(inpCheckMessage(st.InpErrNo), "[4]: 演算記号の連続は不可");
}

TEST(CharCheck, NewLineResetClearsEverything) {
  NullSink sink;
  InpCheckState st;
  st.relaxedSigns = true;
  EXPECT_EQ(SikiCheck(st, "([1", false, true, false, false, sink), 4u);
  st.resetForNewLine();
  EXPECT_EQ(st, InpCheckState{});
  EXPECT_FALSE(st.relaxedSigns);
  EXPECT_EQ(st.PrevJi, '$');
}

TEST(SikiCheck, HostileTextsNeverBreakIt) {
  NullSink sink;
  InpCheckState st;
  std::mt19937 rng(20261209);
  std::uniform_int_distribution<int> byte(0, 255);
  const std::string alphabet = "0123456789bk.@upm+-*/^!PC()[]KBxyz<>:=&R%$";
  std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
  for (int round = 0; round < 200; ++round) {
    std::string text;
    const std::size_t len = round == 0 ? 10000 : static_cast<std::size_t>(round * 7);
    for (std::size_t i = 0; i < len; ++i)
      text += (round % 2) ? static_cast<char>(byte(rng)) : alphabet[pick(rng)];
    const std::size_t pos = SikiCheck(st, text, round % 3 == 0, true, round % 5 == 0, false, sink);
    EXPECT_LE(pos, text.size() + 1);
    if (pos > 0) {
      EXPECT_GE(st.InpErrNo, 0);
      EXPECT_LT(st.InpErrNo, static_cast<int>(kInpCheckMsgCount));
    }
  }
  std::string sum;
  for (int i = 0; i < 5000; ++i) sum += "1+";
  EXPECT_EQ(SikiCheck(st, sum.substr(0, 9999) + "=", false, false, false, false, sink), 0u);
  EXPECT_EQ(SikiCheck(st, std::string(10000, '('), false, false, false, false, sink), 10001u);
  EXPECT_EQ(st.InpErrNo, 1);
  EXPECT_EQ(SikiCheck(st, std::string(10000, ')'), false, false, false, false, sink), 1u);
  EXPECT_EQ(SikiCheck(st, std::string(5000, '(') + "1" + std::string(5000, ')') + "=", false,
                      false, false, false, sink),
            0u);
  std::string nul("1+\0", 3);
  EXPECT_EQ(SikiCheck(st, nul, false, false, false, false, sink), 3u);
}

TEST(FracIntOk, LooksOnlyAfterTheLastOpeningBracket) {
  EXPECT_TRUE(FracIntOk("["));
  EXPECT_TRUE(FracIntOk("[12"));
  EXPECT_TRUE(FracIntOk("[m12"));
  EXPECT_TRUE(FracIntOk("1+2[3"));
  EXPECT_TRUE(FracIntOk(""));
  for (const char* bad : {"[1.5", "[1+2", "[1-2", "[2*3", "[6/3", "[2^2", "[3!", "[(3", "[3)",
                          "[5P2", "[5C2"})
    EXPECT_FALSE(FracIntOk(bad)) << bad;
}

TEST(InpCheckMsg, FortyOneExactTexts) {
  ASSERT_EQ(InpCheckMsg.size(), 41u);
  for (int n = 0; n < 41; ++n) {
    const std::string_view m = InpCheckMsg[static_cast<std::size_t>(n)];
    if (n == 39) {
      EXPECT_TRUE(m.empty());
      continue;
    }
    // Each text starts with its own number in brackets.
    EXPECT_EQ(m.substr(0, std::to_string(n).size() + 2), "[" + std::to_string(n) + "]") << n;
  }
  EXPECT_EQ(InpCheckMsg[6], "[6]: ");
  EXPECT_EQ(InpCheckMsg[10], "[10]: ");
  EXPECT_EQ(InpCheckMsg[11], "[11]:");
  EXPECT_EQ(InpCheckMsg[1], "[1]:（ の直後は、｢（ ＋ － 数字｣のみ可");
  EXPECT_EQ(InpCheckMsg[18], "[18]: 分数の累乗は（\u3000）でくくる。");
  EXPECT_EQ(InpCheckMsg[26], "[26]: 式分数入力ﾓｰﾄﾞでは､小数･分数は不可");
  EXPECT_EQ(InpCheckMsg[28], "[28]: 分数の累乗は（ ）でくくる");
  EXPECT_EQ(InpCheckMsg[37], "[37]: √の中の√（二重根号）は不可");
  EXPECT_EQ(InpCheckMsg[40], "[40]: すでに等号・不等号があります｡");
  EXPECT_EQ(inpCheckMessage(-1), "");
  EXPECT_EQ(inpCheckMessage(41), "");
  EXPECT_EQ(inpCheckMessage(99), "");
}

}  // namespace
}  // namespace ravlo
