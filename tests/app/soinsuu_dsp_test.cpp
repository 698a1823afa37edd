// Prime factorization on the calculation screen: the line, the closing lines that the screen
// draws again on every paint, the refusals and the interruption.
#include <gtest/gtest.h>

#include "app/model/conversion_router.h"
#include "app/model/soinsuu_dsp.h"
#include "calc_state_support.h"

namespace ravlo {
namespace {

using testing_support::Session;
using Kind = SoinsuuLine::Kind;

constexpr const char* kWorkingWithHint =
    "◆素因数分解の計算中で～す。 《Esc or ｸﾘｯｸで中断することが可能です。》";

std::vector<std::string> statuses(const RecordingSink& sink) {
  std::vector<std::string> out;
  for (const auto& e : sink.entries()) {
    if (e.kind == RecordingSink::Kind::Status) out.push_back(e.text);
  }
  return out;
}

int beeps(const RecordingSink& sink) {
  int n = 0;
  for (const auto& e : sink.entries()) n += e.kind == RecordingSink::Kind::Beep;
  return n;
}

TEST(SoinsuuDsp, SixIsAPerfectNumber) {
  Session s;
  s.type("6");
  s.sink.clear();
  EXPECT_TRUE(SoinsuuPre(*s));
  EXPECT_EQ(s->InpSiki, "6=2*3");
  EXPECT_FALSE(s->InpAccept);
  EXPECT_TRUE(s->SoinsuuShown);
  const std::vector<SoinsuuLine> expected = {
      {Kind::Text, 3, "▽ < 6 > は合成数です。", 0x000000},
      {Kind::Text, 4, "　［約数が全部で 4 個（＞２個）あるので］", 0x000000},
      {Kind::Text, 6, "◎ < 6 > の約数 3 個[元の数を除く]の和◎", 0x000080},
      {Kind::Run, 8, "   1+2+3|=6", 0x000000},
      {Kind::AfterRun, 8, "（完全数［元の数と同じ大きさ］）", 0x0000FF},
  };
  EXPECT_EQ(s->SoinsuuLines, expected);
  const std::vector<std::string> expectedStatus = {kWorkingWithHint,
                                                   "◆素因数分解をおこないました。"};
  EXPECT_EQ(statuses(s.sink), expectedStatus);
  EXPECT_EQ(beeps(s.sink), 0);
  // Clear takes the closing lines away with the line.
  s->SikiClear();
  EXPECT_FALSE(s->SoinsuuShown);
  EXPECT_TRUE(s->SoinsuuLines.empty());
}

TEST(SoinsuuDsp, AbundantAndDeficientNumbers) {
  struct Row {
    const char* typed;
    const char* line;
    const char* verdict;
  };
  for (const Row& row : {Row{"12", "12=2^2*3", "（過剰数［元の数より大きい］）"},
                         Row{"8", "8=2^3", "（不足数［元の数より小さい］）"}}) {
    Session s;
    s.type(row.typed);
    ASSERT_TRUE(SoinsuuPre(*s)) << row.typed;
    EXPECT_EQ(s->InpSiki, row.line);
    ASSERT_FALSE(s->SoinsuuLines.empty());
    EXPECT_EQ(s->SoinsuuLines.back().kind, Kind::AfterRun);
    EXPECT_EQ(s->SoinsuuLines.back().text, row.verdict) << row.typed;
  }
}

TEST(SoinsuuDsp, AllDivisorsWithWaType1HaveNoVerdict) {
  Session s([](CalcSettings& c) { c.WA_TYPE = 1; });
  s.type("6");
  ASSERT_TRUE(SoinsuuPre(*s));
  ASSERT_EQ(s->SoinsuuLines.size(), 4u);
  EXPECT_EQ(s->SoinsuuLines[1].text, "　［約数が全部で 4 個（＞２個）あるので］");
  EXPECT_EQ(s->SoinsuuLines[2].text, "◎ < 6 > の全約数(4個)の和◎");
  EXPECT_EQ(s->SoinsuuLines[3].text, "   1+2+3+6|=12");
}

TEST(SoinsuuDsp, PrimesAndOne) {
  for (int waType : {0, 1}) {
    Session s([waType](CalcSettings& c) { c.WA_TYPE = waType; });
    s.type("7");
    ASSERT_TRUE(SoinsuuPre(*s));
    EXPECT_EQ(s->InpSiki, "7=7");
    const std::vector<SoinsuuLine> prime = {
        {Kind::Text, 3, "▽ < 7 > は素数です。", 0x000000},
        {Kind::Text, 4, "　［約数が１と 7 の２個だけなので］", 0x000000},
    };
    EXPECT_EQ(s->SoinsuuLines, prime) << waType;

    Session one([waType](CalcSettings& c) { c.WA_TYPE = waType; });
    one.type("1");
    ASSERT_TRUE(SoinsuuPre(*one));
    const std::vector<SoinsuuLine> neither = {
        {Kind::Text, 3, "◎ < １ > は素数でも合成数でもありません。", 0x000000},
        {Kind::Text, 4, "　［１の約数は１の１個だけなので］", 0x000000},
    };
    EXPECT_EQ(one->SoinsuuLines, neither) << waType;
  }
}

TEST(SoinsuuDsp, LongDivisorRunsBreakAfterEveryTenth) {
  Session s;
  s.type("720");
  ASSERT_TRUE(SoinsuuPre(*s));
  const SoinsuuLine& run = s->SoinsuuLines[3];
  ASSERT_EQ(run.kind, Kind::Run);
  EXPECT_NE(run.text.find("| +"), std::string::npos) << run.text;
}

TEST(SoinsuuPre, SignsAndMarksAreRefused) {
  for (const char* line : {"", "0", "012", "3+3", "3b2", "1.5", "m6", "2^3", "2*3", "6/2"}) {
    Session s;
    s->InpSiki = line;
    EXPECT_FALSE(SoinsuuPre(*s)) << line;
    ASSERT_EQ(s.sink.entries().size(), 2u) << line;
    EXPECT_EQ(s.sink.entries()[0].kind, RecordingSink::Kind::Beep);
    EXPECT_EQ(s.sink.entries()[1].caption, "◇素因数分解◇");
    EXPECT_EQ(s.sink.entries()[1].text, "(符号・記号なしで)自然数を入力してください。");
    EXPECT_EQ(s->InpSiki, line);
    EXPECT_FALSE(s->SoinsuuShown);
  }
}

TEST(SoinsuuDsp, AFailedFactorizationBeepsAndSaysSo) {
  // A number beyond 64 bits, and a line that is no number: the working notice is replaced.
  for (const char* line : {"99999999999999999999", "6=6"}) {
    Session s;
    s->InpSiki = line;
    EXPECT_FALSE(SoinsuuPre(*s)) << line;
    EXPECT_EQ(s->InpSiki, line);
    EXPECT_TRUE(s->InpAccept);
    EXPECT_FALSE(s->SoinsuuShown);
    EXPECT_EQ(beeps(s.sink), 1) << line;
    EXPECT_EQ(s.sink.lastStatus(), "◆素因数分解に失敗しました！");
  }
}

// 2147483629 * 4294967291: splitting it polls for an interrupt.
constexpr const char* kHardSemiprime = "9223371944512979039";

TEST(SoinsuuDsp, EscapeOrAClickStopsTheWork) {
  Session s;
  s.type(kHardSemiprime);
  s.sink.clear();
  s.sink.interruptAfter(0);
  EXPECT_FALSE(SoinsuuPre(*s));
  EXPECT_GE(s.sink.pollCount(), 1);
  EXPECT_EQ(s->InpSiki, kHardSemiprime);
  EXPECT_TRUE(s->InpAccept);
  EXPECT_EQ(beeps(s.sink), 1);
  const std::vector<std::string> expected = {kWorkingWithHint, "◆素因数分解に失敗しました！"};
  EXPECT_EQ(statuses(s.sink), expected);
}

TEST(SoinsuuDsp, WithoutTheInterruptItWorksOnAndSaysHowToStop) {
  Session s;
  s->SoinsuuAbort = false;
  s.type(kHardSemiprime);
  s.sink.clear();
  s.sink.interruptAfter(0);
  EXPECT_TRUE(runConversionCommand(*s, CalcCommand::PrimeFactorize));
  EXPECT_EQ(s.sink.pollCount(), 0);
  EXPECT_EQ(s->InpSiki, std::string(kHardSemiprime) + "=2147483629*4294967291");
  const auto st = statuses(s.sink);
  ASSERT_FALSE(st.empty());
  EXPECT_EQ(st.front(),
            "◆素因数分解の計算中で～す。 《中断したいときは､Ctrl＋Alt＋Deleteで「ラヴロ」を強制終了》");
}

TEST(SoinsuuDsp, ADivisorSumTooLargeKeepsTheFactorization) {
  // All divisors of 2^62 add up to 2^63 - 1, past the bound of every sum.
  Session s([](CalcSettings& c) { c.WA_TYPE = 1; });
  s.type("4611686018427387904");
  ASSERT_TRUE(SoinsuuPre(*s));
  EXPECT_FALSE(s->InpAccept);
  EXPECT_EQ(s->InpSiki, "4611686018427387904=2^62");
  EXPECT_FALSE(s->SoinsuuShown);
  EXPECT_TRUE(s->SoinsuuLines.empty());
  EXPECT_EQ(beeps(s.sink), 1);
  EXPECT_EQ(s.sink.lastStatus(), "◆素因数分解に失敗しました！");
}

}  // namespace
}  // namespace ravlo
